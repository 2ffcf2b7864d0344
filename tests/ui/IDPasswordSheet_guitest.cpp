#include "support/QtPrinters.h"
#include "ui/IDPasswordSheet.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

using namespace tavrel;

namespace {

enum class Answer
{
    Keychain,
    Temp,
    Cancel,
};

class IDPasswordSheetTest : public ::testing::Test
{
public:
    QLineEdit* field(const char* name) { return m_owner.findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QPushButton* button(const char* name)
    {
        return m_owner.findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QLineEdit* idText() { return field("inputNiftyIDText"); }
    QLineEdit* passwordText() { return field("inputNiftyPasswordText"); }

    QWidget m_owner;
    IDPasswordSheet* m_sheet = new IDPasswordSheet(&m_owner);
};

TEST_F(IDPasswordSheetTest, FieldsStartWithTheCurrentValuesAndHideThePassword)
{
    ASSERT_NE(idText(), nullptr);
    ASSERT_NE(passwordText(), nullptr);
    EXPECT_EQ(passwordText()->echoMode(), QLineEdit::Password);
    EXPECT_EQ(idText()->echoMode(), QLineEdit::Normal);

    struct Case
    {
        QString id;
        QString password;
        const char* focused;
    };
    const Case cases[] = {
        {QString(), QString(), "inputNiftyIDText"},
        {QStringLiteral("ABC01234"), QString(), "inputNiftyPasswordText"},
        {QString(), QStringLiteral("secret"), "inputNiftyIDText"},
        {QStringLiteral("ABC01234"), QStringLiteral("secret"), "inputNiftyIDText"},
    };
    m_owner.show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.focused);
        m_sheet->showSheet(c.id, c.password);
        EXPECT_TRUE(m_sheet->isVisible());
        EXPECT_EQ(idText()->text(), c.id);
        EXPECT_EQ(passwordText()->text(), c.password);
        EXPECT_EQ(m_sheet->focusWidget(), field(c.focused));
        // Empty fields are the login's to refuse, with its own alert: every button works.
        for (const char* name : {"tsuushinSetNiftyIDPasswordForKeychain", "tsuushinSetNiftyIDPasswordForTemp",
                                 "tsuushinCancelNiftyIDPassword"})
            EXPECT_TRUE(button(name)->isEnabled()) << name;
        m_sheet->closeSheet();
        EXPECT_FALSE(m_sheet->isVisible());
    }
}

TEST_F(IDPasswordSheetTest, EveryWayOfEndingReportsItsAnswerOnceAndCloses)
{
    const struct
    {
        const char* how;
        std::function<void(IDPasswordSheetTest&)> end;
        Answer answer;
    } cases[] = {
        {"keychain button",
         [](IDPasswordSheetTest& t) {
             QTest::mouseClick(t.button("tsuushinSetNiftyIDPasswordForKeychain"), Qt::LeftButton);
         },
         Answer::Keychain},
        {"temporary button",
         [](IDPasswordSheetTest& t) {
             QTest::mouseClick(t.button("tsuushinSetNiftyIDPasswordForTemp"), Qt::LeftButton);
         },
         Answer::Temp},
        {"cancel button",
         [](IDPasswordSheetTest& t) {
             QTest::mouseClick(t.button("tsuushinCancelNiftyIDPassword"), Qt::LeftButton);
         },
         Answer::Cancel},
        {"Return in the password field",
         [](IDPasswordSheetTest& t) { QTest::keyClick(t.passwordText(), Qt::Key_Return); }, Answer::Keychain},
        {"Escape", [](IDPasswordSheetTest& t) { QTest::keyClick(t.idText(), Qt::Key_Escape); },
         Answer::Cancel},
        {"title bar close", [](IDPasswordSheetTest& t) { t.m_sheet->close(); }, Answer::Cancel},
    };
    m_owner.show();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        QSignalSpy keychain(m_sheet, &IDPasswordSheet::savedInKeychain);
        QSignalSpy temp(m_sheet, &IDPasswordSheet::usedForTemp);
        QSignalSpy cancelled(m_sheet, &IDPasswordSheet::cancelled);

        m_sheet->showSheet(QStringLiteral("old"), QString());
        idText()->clear();
        QTest::keyClicks(idText(), QStringLiteral("user@example.jp"));
        QTest::keyClicks(passwordText(), QStringLiteral("pass word"));
        c.end(*this);
        EXPECT_FALSE(m_sheet->isVisible());
        // Once ended, a late Return or cancel changes nothing.
        QTest::keyClick(passwordText(), Qt::Key_Return);
        m_sheet->reject();

        const QVariantList typed{QStringLiteral("user@example.jp"), QStringLiteral("pass word")};
        EXPECT_EQ(keychain.count(), c.answer == Answer::Keychain ? 1 : 0);
        EXPECT_EQ(temp.count(), c.answer == Answer::Temp ? 1 : 0);
        EXPECT_EQ(cancelled.count(), c.answer == Answer::Cancel ? 1 : 0);
        if (!keychain.isEmpty()) {
            EXPECT_EQ(keychain.at(0), typed);
        }
        if (!temp.isEmpty()) {
            EXPECT_EQ(temp.at(0), typed);
        }
        EXPECT_EQ(passwordText()->text(), QString()) << "the sheet keeps no copy of the password";
    }
}

TEST_F(IDPasswordSheetTest, ClosingFromTheProgramReportsNothing)
{
    QSignalSpy cancelled(m_sheet, &IDPasswordSheet::cancelled);
    m_owner.show();
    m_sheet->showSheet(QStringLiteral("ID"), QStringLiteral("pw"));
    m_sheet->closeSheet();
    EXPECT_FALSE(m_sheet->isVisible());
    EXPECT_EQ(cancelled.count(), 0);
}

} // namespace
