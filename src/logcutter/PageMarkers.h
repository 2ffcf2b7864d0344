#pragma once

// The texts the service's pages carry around each message and its fields. All are matched
// without regard to letter case.

#include <QStringView>

namespace tavrel::marker {

inline constexpr QStringView begin = u"<!-- BEGIN -->";
inline constexpr QStringView end = u"<!-- END -->";
inline constexpr QStringView numberBegin = u"<!-- NO B -->";
inline constexpr QStringView numberEnd = u"<!-- NO E -->";
inline constexpr QStringView commentBegin = u"<!-- PNO=";
inline constexpr QStringView commentEnd = u" -->";
inline constexpr QStringView titleBegin = u"<!-- TI B -->";
inline constexpr QStringView titleEnd = u"<!-- TI E -->";
inline constexpr QStringView nameBegin = u"<!-- NN B -->";
inline constexpr QStringView nameEnd = u"<!-- NN E -->";
inline constexpr QStringView dateBegin = u"<!-- DAT B -->";
inline constexpr QStringView dateEnd = u"<!-- DAT E -->";
inline constexpr QStringView contentsEnd = u"<!-- CON E -->";
inline constexpr QStringView referenceBegin = u"<!-- REF B -->";
inline constexpr QStringView referenceEnd = u"<!-- REF E -->";
inline constexpr QStringView eMailBegin = u"<!-- EAD B -->";
inline constexpr QStringView eMailEnd = u"<!-- EAD E -->";

// The opening of a link: <a href=" .
inline constexpr QStringView linkOpener = u"<a href=\"";

} // namespace tavrel::marker
