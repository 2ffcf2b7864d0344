#include "support/QtPrinters.h"
#include "ui/LogCutSheet.h"

#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

using namespace tavrel;

namespace {

class LogCutSheetTest : public ::testing::Test
{
public:
    LogCutSheetTest() { m_mainWindow.show(); }

    QLabel* fileText() { return m_sheet->findChild<QLabel*>(QStringLiteral("logCutCuttingFileText")); }
    QProgressBar* progress() { return m_sheet->findChild<QProgressBar*>(QStringLiteral("logCutProgress")); }
    QPushButton* stopButton() { return m_sheet->findChild<QPushButton*>(QStringLiteral("stopLogCut")); }

    QMainWindow m_mainWindow;
    LogCutSheet* m_sheet = new LogCutSheet(&m_mainWindow);
    // The cutting run sees the sheet only through this.
    LogCutPanel& m_panel = *m_sheet;
};

TEST_F(LogCutSheetTest, ShowsOverTheMainWindowWithTheFileAndTheProgress)
{
    ASSERT_NE(fileText(), nullptr);
    ASSERT_NE(progress(), nullptr);
    m_panel.showLogCutPanel();
    EXPECT_TRUE(m_sheet->isVisible());
    EXPECT_EQ(m_sheet->parentWidget(), &m_mainWindow);
    EXPECT_EQ(m_sheet->windowModality(), Qt::WindowModal);
    EXPECT_EQ(progress()->value(), 0);

    struct Step
    {
        QString text;
        double percent;
        int shown;
    };
    const Step steps[] = {
        {QStringLiteral("CFORUM01_1.html"), 0, 0},
        {QStringLiteral("CFORUM01_2.html"), 100.0 / 3, 33},
        {QStringLiteral("Sorting messages…\nCFORUM01"), 200.0 / 3, 67},
        {QStringLiteral("Sorting messages…\nCFORUM02"), 100, 100},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.text.toStdString());
        m_panel.setCuttingFileText(step.text);
        m_panel.setProgress(step.percent);
        EXPECT_EQ(fileText()->text(), step.text);
        EXPECT_EQ(progress()->value(), step.shown);
    }
    m_panel.closeLogCutPanel();
    EXPECT_FALSE(m_sheet->isVisible());

    // The next run starts from a clean sheet.
    m_panel.showLogCutPanel();
    EXPECT_EQ(fileText()->text(), QString());
    EXPECT_EQ(progress()->value(), 0);
}

TEST_F(LogCutSheetTest, StopIsAskedOnceByButtonEscapeOrCloseAndTheSheetStays)
{
    const struct
    {
        const char* how;
        std::function<void(LogCutSheetTest&)> ask;
    } cases[] = {
        {"stop button", [](LogCutSheetTest& t) { QTest::mouseClick(t.stopButton(), Qt::LeftButton); }},
        {"Escape", [](LogCutSheetTest& t) { QTest::keyClick(t.m_sheet, Qt::Key_Escape); }},
        {"close", [](LogCutSheetTest& t) { t.m_sheet->close(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        QSignalSpy stop(m_sheet, &LogCutSheet::stopClicked);
        m_panel.showLogCutPanel();
        ASSERT_TRUE(stopButton()->isEnabled());
        c.ask(*this);
        c.ask(*this);
        EXPECT_EQ(stop.count(), 1) << "a stop is asked for once per run";
        EXPECT_TRUE(m_sheet->isVisible()) << "the run closes the sheet when it has sorted";
        EXPECT_FALSE(stopButton()->isEnabled());
        m_panel.closeLogCutPanel();
    }
}

} // namespace
