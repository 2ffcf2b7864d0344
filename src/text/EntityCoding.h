#pragma once

// HTML character entities: the page decoder (five entities), the editor decoder (four) and
// the encoder of the four special characters. Each entity is one scanner pass over the
// previous pass's output, so white space at the very start of the text and white space
// directly after a replaced entity (or encoded character) is dropped.

#include <QString>
#include <QStringView>

namespace tavrel {

// "&gt;", "&nbsp;" (any case) to a blank, "&lt;", "&quot;", "&amp;", in that order. An empty
// input gives the empty text.
QString decodePageEntities(QStringView text);

// "&gt;", "&lt;", "&quot;", "&amp;", in that order, all in exact case.
QString decodeEditorEntities(QStringView text);

// "&" to "&amp;", the double quote to "&quot;", "<" to "&lt;", ">" to "&gt;", in that order.
QString encodeEntities(QStringView text);

} // namespace tavrel
