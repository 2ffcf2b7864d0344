#pragma once

// The steps that turn a message's stored markup into the HTML the message text view shows:
// control characters out, the per-user action block out (optional), every image made a link
// to itself, the board's text colour around it (optional). Pure functions of their input.

#include <QString>
#include <QStringView>

namespace tavrel {

// Removes every control character other than tab, line feed and carriage return, every
// unpaired surrogate and every code point that is not a character (unassigned, noncharacter).
QString withoutControlCharacters(QStringView text);

// The marker that begins the message text inside a message block.
inline constexpr QStringView messageTextBeginMarker = u"<!-- CON B -->";

// Removes the service's per-user action block. Only the part before the first message text
// marker is looked at: from the second character of `label` (the text that begins the block)
// up to the next "</div>" (or the end of that part) is removed; the label's first character
// stays. Markers match in any letter case. Nothing changes when the text has no message text
// marker, the label is not found after some other text, or `label` is empty.
QString withoutUserActionBlock(const QString& text, QStringView label);

// Turns every image tag with a quoted, non-empty source address into a link to that address:
// " <a href=\"ADDRESS\">" goes before the tag and "</a> " after it. In place.
void imgTagAddLink(QString& text);

// Puts the text in the board's text colour: `<font color="#RRGGBB">` ... "</font>", when
// `colour` is exactly six hexadecimal digits; otherwise the text is returned unchanged.
QString withBoardTextColor(const QString& text, QStringView colour);

} // namespace tavrel
