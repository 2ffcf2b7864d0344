#pragma once

// The colours a board's pages set in their body tag ("BodyTagBGColor", "BodyTagTextColor"):
// six hexadecimal digits without "#". A value of another form is not a colour and is ignored.

#include "store/Preferences.h"

#include <QStringView>

#include <optional>

namespace tavrel {

class BoardColor
{
public:
    // Exactly six hexadecimal digits.
    static bool isHexColour(QStringView text);
    // The colour (R ÷ 255, G ÷ 255, B ÷ 255, alpha 1) of such a text; nothing for any other.
    static std::optional<RgbaColor> fromHex(QStringView text);
    // The message text background (`setBoardOriginalColor`): the board's background colour
    // when `bodyTagBGColor` is one, otherwise `wellColour`, the user's background colour.
    static RgbaColor messageBackground(QStringView bodyTagBGColor, const RgbaColor& wellColour);
};

} // namespace tavrel
