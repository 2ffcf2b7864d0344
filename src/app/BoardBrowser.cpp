#include "BoardBrowser.h"

#include "app/BoardColor.h"
#include "app/BoardTreeBuilder.h"
#include "app/MessageOrder.h"
#include "platform/SystemLog.h"
#include "store/BoardLogFile.h"
#include "store/UiTexts.h"

#include <algorithm>

namespace tavrel {

BoardBrowser::BoardBrowser(BoardTreeModel& tree, MessageListModel& list, BoardTreeBuilder& builder,
                           Preferences& preferences, SystemLog& log, QString actionToThisUser,
                           QObject* parent)
    : QObject(parent)
    , m_tree(tree)
    , m_list(list)
    , m_builder(builder)
    , m_preferences(preferences)
    , m_log(log)
    , m_actionToThisUser(std::move(actionToThisUser))
    , m_defaultTitleHyoujiJun(preferences.titleHyoujiJun())
{
    const UnreadTitleColor unread{preferences.isSettingMidokuMessageTitleColor(),
                                  preferences.midokuMessageTitleColor()};
    m_tree.setUnreadTitleColor(unread);
    m_list.setUnreadTitleColor(unread);
}

void BoardBrowser::makeTableNow(const QString& warehousePath)
{
    // The rows of the old tree mean nothing in the new one: a save through them could write
    // one board's messages into another board's file.
    m_displayedBoardRow = -1;
    m_selectedBoardRow = -1;
    m_tree.setKaigishitsuArray(m_builder.makeBrowseKaigishitsuTable(warehousePath));
    if (m_tree.flatRowCount() > 1)
        selectBoardRow(1, Reveal::None);
    else
        selectBoardRow(-1, Reveal::None);
    clickForumKaigishitsuTable();
}

void BoardBrowser::clickForumKaigishitsuTable()
{
    chooseBoard(true);
}

void BoardBrowser::selectForumKaigishitsuTable()
{
    chooseBoard(false);
}

void BoardBrowser::chooseBoard(bool showMessage)
{
    saveNowHyoujiKaigishitu();
    m_displayedBoardRow = selectedBoard() ? m_selectedBoardRow : -1;
    makeBrowseMessageTable();
    deselectMessages();
    emit messageListScrollRequested(0);
    emit messageCleared();
    updateBoardLabel();
    if (showMessage) {
        if (m_list.size() > 0)
            selectMessageRow(0, Reveal::None);
        clickMessageTitleTable();
    }
    hyoujiNowKaigishitsuhatsugenSuu();
}

void BoardBrowser::noSelectMyKaigishitsuTable()
{
    m_displayedBoardRow = -1;
    selectBoardRow(-1, Reveal::None);
}

void BoardBrowser::makeBrowseMessageTable()
{
    const KaigishitsuItem* board = selectedBoard();
    if (!board) {
        m_list.clear();
        trimMessageSelection();
        emit messageCleared();
        return;
    }
    m_list.readFromFile(board->fullPath());
    m_list.applyOrder(m_defaultTitleHyoujiJun);
    if (m_preferences.isUseBoardOriginalColorSet())
        setBoardOriginalColor();
    trimMessageSelection();
}

void BoardBrowser::selectTitleHyoujiJun(int popUpIndex)
{
    const int row = m_lastSelectedMessageRow;
    std::optional<QString> remembered;
    if (row >= 0 && row < m_list.size() && m_list.recordAt(row).contains(MessageRecord::Number))
        remembered = m_list.recordAt(row).number();

    const TitleOrder order = popUpIndex == 0 ? TitleOrder::Bangou : TitleOrder::Tree;
    if (order != m_defaultTitleHyoujiJun) {
        m_defaultTitleHyoujiJun = order;
        m_preferences.setTitleHyoujiJun(order);
        deselectMessages();
        emit messageCleared();
        m_list.applyOrder(order);
    }
    if (!remembered)
        return;
    const int found = m_list.rowOfNumber(*remembered);
    if (found < 0)
        return;
    selectMessageRow(found, Reveal::Centred);
    clickMessageTitleTable();
}

MessageDisplayOptions BoardBrowser::displayOptions() const
{
    MessageDisplayOptions options;
    options.konoUserHenoActionJokyo = m_preferences.konoUserHenoActionJokyo();
    options.actionToThisUser = m_actionToThisUser;
    options.useBoardOriginalColor = m_preferences.isUseBoardOriginalColorSet();
    options.fontFamily = m_preferences.hyoujiMessageUseFont();
    options.zoom = m_preferences.textBrowserBairitsu().value_or(1.0);
    return options;
}

void BoardBrowser::clickMessageTitleTable()
{
    const int row = m_lastSelectedMessageRow < m_list.size() ? m_lastSelectedMessageRow : -1;
    emit memoMessageChanged(row);
    emit messageCleared();
    if (row < 0)
        return;
    const KaigishitsuItem* board = selectedBoard();
    const MessageRecord& record = m_list.recordAt(row);
    m_backPosition.noteShown(board ? board->fullPath() : QString(), record.number());
    const std::optional<MessageDisplay> display =
        MessageDisplayBuilder::build(record, board ? board->header() : nullptr, displayOptions());
    if (display)
        emit messageShown(*display);
}

void BoardBrowser::setBoardOriginalColor()
{
    const KaigishitsuItem* board = selectedBoard();
    const QString colour = board ? board->header()->value(BoardLogHeader::BodyTagBGColor) : QString();
    emit messageBackgroundChanged(BoardColor::messageBackground(colour, m_preferences.textBackGroundColor()));
}

void BoardBrowser::setTVLBGColor(const RgbaColor& color)
{
    emit viewBackgroundChanged(color);
    m_tree.reloadData();
    m_list.reloadData();
    m_preferences.setTextBackGroundColor(color);
    clickMessageTitleTable();
}

bool BoardBrowser::saveNowHyoujiKaigishitu()
{
    const KaigishitsuItem* board = displayedBoard();
    if (!board || board->fullPath().isEmpty())
        return false;
    // Only a list read from this very file goes back into it: a board whose file could not be
    // read shows an empty list, and writing that would wipe the file.
    if (m_list.sourcePath() != board->fullPath())
        return false;
    BoardLogFile file;
    file.header() = *board->header();
    file.body() = m_list.messageArray();
    MessageOrder::sortTitleArrayBangouJunOnArray(file.body());
    file.otherRootKeys() = m_list.otherRootKeys();
    QString error;
    if (!file.write(board->fullPath(), &error)) {
        m_log.log(u"Could not save the board : " + error);
        return false;
    }
    return true;
}

QString BoardBrowser::countLabelText() const
{
    if (m_displayedBoardRow == -1)
        return {};
    const KaigishitsuItem* board = displayedBoard();
    return QString::number(m_list.size()) + uiText(u"KenNoMessage") + uiText(u"Kakko") + uiText(u"MidokuSu") +
           QString::number(board ? board->midokuSuu() : 0) + uiText(u"KakkoToji");
}

void BoardBrowser::hyoujiNowKaigishitsuhatsugenSuu()
{
    emit countLabelChanged(countLabelText());
}

void BoardBrowser::setSelectedBoardRow(int row)
{
    m_selectedBoardRow = m_tree.itemAtRow(row) ? row : -1;
}

void BoardBrowser::setSelectedMessageRows(const QList<int>& rows, int lastRow)
{
    QList<int> kept;
    for (int row : rows) {
        if (row >= 0 && row < m_list.size())
            kept.append(row);
    }
    std::sort(kept.begin(), kept.end());
    kept.erase(std::unique(kept.begin(), kept.end()), kept.end());
    m_selectedMessageRows = kept;
    if (kept.contains(lastRow))
        m_lastSelectedMessageRow = lastRow;
    else
        m_lastSelectedMessageRow = kept.isEmpty() ? -1 : kept.last();
}

void BoardBrowser::selectBoardRow(int row, Reveal reveal)
{
    m_selectedBoardRow = m_tree.itemAtRow(row) ? row : -1;
    emit boardRowSelected(m_selectedBoardRow, reveal);
}

void BoardBrowser::selectMessageRow(int row, Reveal reveal)
{
    if (row < 0 || row >= m_list.size()) {
        deselectMessages();
        return;
    }
    m_selectedMessageRows = {row};
    m_lastSelectedMessageRow = row;
    emit messageRowsSelected(m_selectedMessageRows, reveal);
}

void BoardBrowser::deselectMessages()
{
    m_selectedMessageRows.clear();
    m_lastSelectedMessageRow = -1;
    emit messageRowsSelected(m_selectedMessageRows, Reveal::None);
}

void BoardBrowser::trimMessageSelection()
{
    const int size = m_list.size();
    if (std::all_of(m_selectedMessageRows.begin(), m_selectedMessageRows.end(),
                    [&](int r) { return r < size; }))
        return;
    m_selectedMessageRows.removeIf([&](int r) { return r >= size; });
    if (m_lastSelectedMessageRow >= size)
        m_lastSelectedMessageRow = m_selectedMessageRows.isEmpty() ? -1 : m_selectedMessageRows.last();
    emit messageRowsSelected(m_selectedMessageRows, Reveal::None);
}

void BoardBrowser::updateBoardLabel()
{
    const KaigishitsuItem* board = displayedBoard();
    emit boardLabelChanged(board ? board->kaigishitsuTitle() : QString());
}

} // namespace tavrel
