#include "UiTexts.h"

#include "UiTextTable.h"

#include <QHash>
#include <QLocale>

#include <atomic>

namespace tavrel {

namespace {

using TextHash = QHash<QStringView, QStringView>;

TextHash makeHash(std::span<const UiTextEntry> entries)
{
    TextHash hash;
    hash.reserve(qsizetype(entries.size()));
    for (const UiTextEntry& entry : entries)
        hash.insert(QStringView(entry.key), QStringView(entry.text));
    return hash;
}

const TextHash& table(UiLanguage language)
{
    static const TextHash english = makeHash(englishUiTexts());
    static const TextHash japanese = makeHash(japaneseUiTexts());
    return language == UiLanguage::Japanese ? japanese : english;
}

UiLanguage systemLanguage()
{
    return QLocale::system().language() == QLocale::Japanese ? UiLanguage::Japanese : UiLanguage::English;
}

std::atomic<int>& languageSetting()
{
    // -1 until the first use, then the language chosen.
    static std::atomic<int> setting{-1};
    return setting;
}

} // namespace

QString uiText(QStringView key, UiLanguage language)
{
    const TextHash& texts = table(language);
    const auto found = texts.constFind(key);
    return found == texts.constEnd() ? key.toString() : found->toString();
}

QString uiText(QStringView key)
{
    return uiText(key, uiLanguage());
}

UiLanguage uiLanguage()
{
    int setting = languageSetting().load();
    if (setting < 0) {
        setting = int(systemLanguage());
        languageSetting().store(setting);
    }
    return UiLanguage(setting);
}

void setUiLanguage(UiLanguage language)
{
    languageSetting().store(int(language));
}

QStringList uiTextKeys(UiLanguage language)
{
    const std::span<const UiTextEntry> entries =
        language == UiLanguage::Japanese ? japaneseUiTexts() : englishUiTexts();
    QStringList keys;
    keys.reserve(qsizetype(entries.size()));
    for (const UiTextEntry& entry : entries)
        keys.append(QString::fromUtf16(entry.key));
    return keys;
}

} // namespace tavrel
