#include "store/UiTexts.h"
#include "support/QtPrinters.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

using namespace tavrel;

namespace {

// The source folder, found from the fixtures folder beside the tests.
QString sourceFolder()
{
    return QDir::cleanPath(QStringLiteral(TAVREL_FIXTURES_DIR "/../../src"));
}

qsizetype closingParenthesis(const QString& text, qsizetype open)
{
    int depth = 0;
    for (qsizetype i = open; i < text.size(); ++i) {
        if (text[i] == u'(')
            ++depth;
        else if (text[i] == u')' && --depth == 0)
            return i;
    }
    return text.size();
}

// Every key literal passed to a function that looks up UI texts, anywhere in src/.
QSet<QString> keysUsedInSources()
{
    static const QRegularExpression call(
        QStringLiteral(R"re(\b(uiText|showOkAlert|showOkAlertText)\s*\()re"));
    static const QRegularExpression literal(
        QStringLiteral(R"re((?:\bu|QStringLiteral\()"([A-Z][A-Za-z0-9_]*)")re"));
    QSet<QString> keys;
    QDirIterator files(sourceFolder(), {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        for (auto match = call.globalMatch(text); match.hasNext();) {
            const qsizetype open = match.next().capturedEnd() - 1;
            const QString arguments = text.mid(open, closingParenthesis(text, open) - open);
            for (auto key = literal.globalMatch(arguments); key.hasNext();)
                keys.insert(key.next().captured(1));
        }
    }
    return keys;
}

} // namespace

TEST(UiTexts, BothLanguagesHaveTheSameKeysEachOnceAndNoEmptyText)
{
    const QStringList english = uiTextKeys(UiLanguage::English);
    const QStringList japanese = uiTextKeys(UiLanguage::Japanese);
    const QSet<QString> englishSet(english.begin(), english.end());
    const QSet<QString> japaneseSet(japanese.begin(), japanese.end());
    EXPECT_EQ(englishSet.size(), english.size()) << "a key appears twice in the English table";
    EXPECT_EQ(japaneseSet.size(), japanese.size()) << "a key appears twice in the Japanese table";
    EXPECT_EQ(englishSet - japaneseSet, QSet<QString>()) << "keys missing in Japanese";
    EXPECT_EQ(japaneseSet - englishSet, QSet<QString>()) << "keys missing in English";
    for (const QString& key : english) {
        SCOPED_TRACE(key.toStdString());
        EXPECT_FALSE(uiText(key, UiLanguage::English).isEmpty());
        EXPECT_FALSE(uiText(key, UiLanguage::Japanese).isEmpty());
    }
}

TEST(UiTexts, EveryKeyUsedInTheSourcesHasTexts)
{
    const QSet<QString> used = keysUsedInSources();
    // The scan itself must see the keys of this area, or it proves nothing.
    ASSERT_TRUE(used.contains(QStringLiteral("CouldNotCreateTVLFolderAlertMessage")));
    ASSERT_TRUE(used.contains(QStringLiteral("CouldNotReadTsushinSetteiFileErrorTitle")));
    const QStringList keys = uiTextKeys(UiLanguage::English);
    const QSet<QString> known(keys.begin(), keys.end());
    EXPECT_EQ(used - known, QSet<QString>()) << "keys used in src/ without texts";
}

TEST(UiTexts, LooksUpByLanguageAndFallsBackToTheKey)
{
    EXPECT_EQ(uiText(u"OK", UiLanguage::English), QStringLiteral("OK"));
    EXPECT_NE(uiText(u"CouldNotCreateAlertTitle", UiLanguage::English),
              uiText(u"CouldNotCreateAlertTitle", UiLanguage::Japanese));
    EXPECT_EQ(uiText(u"NoSuchKeyAnywhere", UiLanguage::Japanese), QStringLiteral("NoSuchKeyAnywhere"));

    const UiLanguage before = uiLanguage();
    setUiLanguage(UiLanguage::Japanese);
    EXPECT_EQ(uiText(u"StopTsushinAlertTitle"), uiText(u"StopTsushinAlertTitle", UiLanguage::Japanese));
    setUiLanguage(UiLanguage::English);
    EXPECT_EQ(uiText(u"StopTsushinAlertTitle"), uiText(u"StopTsushinAlertTitle", UiLanguage::English));
    setUiLanguage(before);
}
