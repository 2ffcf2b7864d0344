#include "ReadingNavigator.h"

#include "app/BoardBrowser.h"
#include "platform/AlertPanel.h"
#include "text/IntegerValue.h"

namespace tavrel {

namespace {

// The end of the text counts as reached from this scroller position on.
constexpr double endOfTextPosition = 0.995;

} // namespace

ReadingNavigator::ReadingNavigator(BoardBrowser& browser, AlertPanel& alerts)
    : m_browser(browser)
    , m_alerts(alerts)
{}

ReadingNavigator::ReadingKey ReadingNavigator::readingKey(int qtKey, Qt::KeyboardModifiers modifiers)
{
    switch (qtKey) {
    case Qt::Key_Space:
        return ReadingKey::Space;
    case Qt::Key_Right:
        return ReadingKey::Next;
    case Qt::Key_Left:
        return ReadingKey::Previous;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return modifiers.testFlag(Qt::ShiftModifier) ? ReadingKey::ReadedPowerNext : ReadingKey::PowerNext;
    default:
        return ReadingKey::None;
    }
}

ReadingNavigator::SpaceResult ReadingNavigator::readMidoku(const Scroller& scroller)
{
    if (scroller.enabled && scroller.position < endOfTextPosition)
        return SpaceResult::PageDown;
    kyouseiReadedNextHatsugen();
    return SpaceResult::MovedOn;
}

void ReadingNavigator::readMidokuAfterPaging(double positionBefore, double positionAfter)
{
    if (positionBefore == positionAfter)
        kyouseiReadedNextHatsugen();
}

void ReadingNavigator::kyouseiReadedNextHatsugen()
{
    markSelectedRead();
    hyoujiNextMessage();
}

void ReadingNavigator::markSelectedRead()
{
    const int row = m_browser.selectedMessageRow();
    if (row < 0 || row >= m_browser.list().size() || m_browser.displayedBoardRow() == -1)
        return;
    if (m_browser.list().recordAt(row).isUnread()) {
        if (KaigishitsuItem* board = m_browser.displayedBoard())
            board->addMidokuSuu(-1);
        m_browser.hyoujiNowKaigishitsuhatsugenSuu();
    }
    m_browser.list().changeRecords({row},
                                   [](MessageRecord& record) { record.setDontRead(QStringLiteral("NO")); });
}

void ReadingNavigator::hyoujiNextMessage()
{
    showNextUnread(false);
}

void ReadingNavigator::kyouseiHyoujiNextMessage()
{
    showNextUnread(true);
}

void ReadingNavigator::showNextUnread(bool skipSelected)
{
    // Each pass either shows a message, ends at the last board, or enters a board and searches
    // it whole, which sets that board's count to 0 when it holds no unread message, so the
    // next pass skips it. The bound only guards that reasoning.
    const int passes = m_browser.tree().flatRowCount() + 2;
    for (int pass = 0; pass < passes; ++pass) {
        const MessageListModel& list = m_browser.list();
        const int selected = m_browser.selectedMessageRow();
        const int start = skipSelected ? selected + 1 : (selected < 0 ? list.size() : selected);
        for (int row = start; row < list.size(); ++row) {
            if (list.recordAt(row).isUnread()) {
                m_browser.selectMessageRow(row, Reveal::Centred);
                m_browser.clickMessageTitleTable();
                return;
            }
        }
        if (selected == 0 || list.size() == 0) {
            if (KaigishitsuItem* board = m_browser.selectedBoard())
                board->addMidokuSuu(-board->midokuSuu());
        }
        m_browser.tree().reloadData();

        // The next board with unread messages (idouNextKaigishitsu), searched from row 0.
        const int from = m_browser.selectedBoardRow();
        m_browser.saveNowHyoujiKaigishitu();
        const int next = nextUnreadBoardRow(from);
        if (next < 0)
            break;
        enterBoard(next);
        skipSelected = false;
    }
    m_browser.makeBrowseMessageTable();
    m_alerts.beep();
    m_browser.hyoujiNowKaigishitsuhatsugenSuu();
}

void ReadingNavigator::idouNextKaigishitsu()
{
    const int from = m_browser.selectedBoardRow();
    m_browser.saveNowHyoujiKaigishitu();
    const int next = nextUnreadBoardRow(from);
    if (next < 0) {
        m_browser.makeBrowseMessageTable();
        m_alerts.beep();
        m_browser.hyoujiNowKaigishitsuhatsugenSuu();
        return;
    }
    enterBoard(next);
    hyoujiNextMessage();
    m_browser.hyoujiNowKaigishitsuhatsugenSuu();
}

int ReadingNavigator::nextUnreadBoardRow(int from) const
{
    // The current board is included; the search never wraps to the rows above it.
    for (int row = qMax(from, 0); row < m_browser.tree().flatRowCount(); ++row) {
        const KaigishitsuItem* board = m_browser.tree().boardAtRow(row);
        if (board && board->midokuSuu() > 0)
            return row;
    }
    return -1;
}

void ReadingNavigator::enterBoard(int row)
{
    m_browser.selectBoardRow(row, Reveal::Centred);
    m_browser.setDisplayedBoardRow(row);
    m_browser.makeBrowseMessageTable();
    m_browser.updateBoardLabel();
    if (m_browser.list().size() > 0)
        m_browser.selectMessageRow(0, Reveal::None);
    m_browser.hyoujiNowKaigishitsuhatsugenSuu();
}

void ReadingNavigator::readNextHatsugen()
{
    const int row = m_browser.selectedMessageRow();
    if (row < 0 || row + 1 >= m_browser.list().size())
        return;
    m_browser.selectMessageRow(row + 1, Reveal::Centred);
    m_browser.clickMessageTitleTable();
}

void ReadingNavigator::readPreviousHatsugen()
{
    const int row = m_browser.selectedMessageRow();
    if (row <= 0 || row > m_browser.list().size())
        return;
    m_browser.selectMessageRow(row - 1, Reveal::Scroll);
    m_browser.clickMessageTitleTable();
}

void ReadingNavigator::goBackDisplayedMessage()
{
    // Copies: showing the message moves the back position.
    const QString path = m_browser.backPosition().maenoMessageFullPath();
    const QString number = m_browser.backPosition().maenoMessageNumber();
    if (path.isEmpty())
        return; // no message was shown before
    const KaigishitsuItem* selected = m_browser.selectedBoard();
    if (!selected || selected->fullPath() != path) {
        const int row = m_browser.tree().rowForFullPath(path);
        if (row < 0)
            return;
        m_browser.selectBoardRow(row, Reveal::Scroll);
        m_browser.selectForumKaigishitsuTable();
    }
    const int found = m_browser.list().rowOfNumber(number);
    if (found < 0)
        return;
    m_browser.selectMessageRow(found, Reveal::Scroll);
    m_browser.clickMessageTitleTable();
}

bool ReadingNavigator::canGoCommentMotoMessage() const
{
    const int row = m_browser.selectedMessageRow();
    return row >= 0 && row < m_browser.list().size() && m_browser.list().recordAt(row).comment() != u"0";
}

void ReadingNavigator::goCommentMotoMessage()
{
    const int row = m_browser.selectedMessageRow();
    const MessageListModel& list = m_browser.list();
    if (row < 0 || row >= list.size())
        return;
    const int commented = integerValue(list.recordAt(row).comment());
    for (int above = row - 1; above >= 0; --above) {
        if (list.recordAt(above).numberValue() == commented) {
            m_browser.selectMessageRow(above, Reveal::Scroll);
            m_browser.clickMessageTitleTable();
            return;
        }
    }
    m_alerts.beep();
}

} // namespace tavrel
