#pragma once

// HTML character entities: the page decoder (five entities), the editor decoder (four) and
// the encoder of the four special characters. The page decoder makes one scanner pass per
// entity over the previous pass's output, so white space at the very start of a page text
// and white space directly after a replaced entity is dropped, as stored titles and names
// have always been. The editor decoder and the encoder work on the user's own message text
// and keep every blank and line break.

#include <QString>
#include <QStringView>

namespace tavrel {

// "&gt;", "&nbsp;" (any case) to a blank, "&lt;", "&quot;", "&amp;", in that order. An empty
// input gives the empty text.
QString decodePageEntities(QStringView text);

// "&gt;", "&lt;", "&quot;", "&amp;", in that order, all in exact case; white space kept.
QString decodeEditorEntities(QStringView text);

// "&" to "&amp;", the double quote to "&quot;", "<" to "&lt;", ">" to "&gt;"; white space kept.
QString encodeEntities(QStringView text);

} // namespace tavrel
