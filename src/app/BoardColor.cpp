#include "BoardColor.h"

namespace tavrel {

namespace {

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

} // namespace

bool BoardColor::isHexColour(QStringView text)
{
    if (text.size() != 6)
        return false;
    for (QChar c : text) {
        if (hexDigit(c) < 0)
            return false;
    }
    return true;
}

std::optional<RgbaColor> BoardColor::fromHex(QStringView text)
{
    if (!isHexColour(text))
        return std::nullopt;
    auto component = [&](int i) { return (hexDigit(text[i]) * 16 + hexDigit(text[i + 1])) / 255.0; };
    return RgbaColor{component(0), component(2), component(4), 1.0};
}

RgbaColor BoardColor::messageBackground(QStringView bodyTagBGColor, const RgbaColor& wellColour)
{
    return fromHex(bodyTagBGColor).value_or(wellColour);
}

} // namespace tavrel
