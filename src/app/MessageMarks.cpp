#include "MessageMarks.h"

#include "app/BoardBrowser.h"
#include "platform/SystemLog.h"
#include "store/BoardLogFile.h"

namespace tavrel {

namespace {

const QString yes = QStringLiteral("YES");
const QString no = QStringLiteral("NO");

} // namespace

MessageMarks::MessageMarks(BoardBrowser& browser, SystemLog& log)
    : m_browser(browser)
    , m_log(log)
{}

void MessageMarks::setThisHatsugenMidoku()
{
    setDontRead(true, false);
}

void MessageMarks::setAllHatsugenMidoku()
{
    setDontRead(true, true);
}

void MessageMarks::setThisHatsugenKidoku()
{
    setDontRead(false, false);
}

void MessageMarks::setAllHatsugenKidoku()
{
    setDontRead(false, true);
}

void MessageMarks::setDontRead(bool unread, bool all)
{
    if (m_browser.displayedBoardRow() == -1)
        return;
    if (!all && m_browser.selectedMessageRows().isEmpty())
        return;
    // Only a change between the two values counts; a record without the key just gets it.
    const QString& from = unread ? no : yes;
    const QString& to = unread ? yes : no;
    int changed = 0;
    auto change = [&](MessageRecord& record) {
        if (record.contains(MessageRecord::DontRead) && record.dontRead() == from)
            ++changed;
        record.setDontRead(to);
    };
    if (all)
        m_browser.list().changeAllRecords(change);
    else
        m_browser.list().changeRecords(m_browser.selectedMessageRows(), change);
    if (KaigishitsuItem* board = m_browser.displayedBoard())
        board->addMidokuSuu(unread ? changed : -changed);
    m_browser.saveNowHyoujiKaigishitu();
    m_browser.list().reloadData();
    m_browser.tree().reloadData();
    m_browser.hyoujiNowKaigishitsuhatsugenSuu();
}

void MessageMarks::setThisHatsugenLocked()
{
    if (m_browser.displayedBoardRow() == -1 || m_browser.selectedMessageRows().isEmpty())
        return;
    setLock(no, yes);
    m_browser.saveNowHyoujiKaigishitu();
}

void MessageMarks::setThisHatsugenSakujoShitei()
{
    if (m_browser.displayedBoardRow() == -1 || m_browser.selectedMessageRows().isEmpty())
        return;
    setLock(no, QStringLiteral("DEL"));
}

void MessageMarks::setThisHatsugenLockKaijo()
{
    if (m_browser.displayedBoardRow() == -1 || m_browser.selectedMessageRows().isEmpty())
        return;
    setLock(QString(), no);
}

void MessageMarks::setLock(const QString& from, const QString& to)
{
    // An empty `from` changes every record.
    m_browser.list().changeRecords(m_browser.selectedMessageRows(), [&](MessageRecord& record) {
        if (from.isEmpty() || record.lock() == from)
            record.setLock(to);
    });
}

void MessageMarks::setAllBoardHatsugenKidoku()
{
    m_browser.saveNowHyoujiKaigishitu();
    BoardTreeModel& tree = m_browser.tree();
    for (int row = 0; row < tree.flatRowCount(); ++row) {
        KaigishitsuItem* board = tree.boardAtRow(row);
        if (!board || board->midokuSuu() == 0)
            continue;
        QString error;
        std::optional<BoardLogFile> file = BoardLogFile::read(board->fullPath(), &error);
        if (!file) {
            // Writing an empty body back would destroy the messages: leave the file alone.
            m_log.log(u"Could not mark the board read : " + error);
            continue;
        }
        int unread = 0;
        for (MessageRecord& record : file->body()) {
            unread += record.isUnread();
            record.setDontRead(no);
        }
        board->addMidokuSuu(-unread);
        file->header() = *board->header();
        if (!file->write(board->fullPath(), &error))
            m_log.log(u"Could not save the board : " + error);
    }
    m_browser.makeBrowseMessageTable();
    m_browser.list().reloadData();
    tree.reloadData();
    m_browser.hyoujiNowKaigishitsuhatsugenSuu();
}

} // namespace tavrel
