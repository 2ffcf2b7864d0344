#pragma once

// Encoding to the JIS X 0213 form of Shift_JIS, for writing back a page that only this form
// could decode. ASCII stays single bytes (a backslash as 0x5C, a tilde as 0x7E), as the
// decoder reads them.

#include <QByteArray>
#include <QStringView>

#include <optional>

namespace tavrel::encoding {

// Nothing when a character cannot be encoded.
std::optional<QByteArray> encodeShiftJisX0213(QStringView text);

} // namespace tavrel::encoding
