#pragma once

// The texts of the user interface, looked up by key ("StopTsushinAlertTitle", "OK", ...).
// English and Japanese texts ship with the program; the language follows the system locale.

#include <QString>
#include <QStringList>
#include <QStringView>

namespace tavrel {

enum class UiLanguage
{
    English,
    Japanese,
};

// The text of `key` in the current language; the key itself when no table holds it.
QString uiText(QStringView key);
// The text of `key` in the given language; the key itself when that table lacks it.
QString uiText(QStringView key, UiLanguage language);

// The current language: Japanese when the system locale's language is Japanese, otherwise
// English, unless set explicitly.
UiLanguage uiLanguage();
void setUiLanguage(UiLanguage language);

// Every key of a language's table, in table order.
QStringList uiTextKeys(UiLanguage language);

} // namespace tavrel
