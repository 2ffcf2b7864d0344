#pragma once

// The shipped key tables behind uiText(), one per language.

#include <span>

namespace tavrel {

struct UiTextEntry
{
    const char16_t* key;
    const char16_t* text;
};

std::span<const UiTextEntry> englishUiTexts();
std::span<const UiTextEntry> japaneseUiTexts();

} // namespace tavrel
