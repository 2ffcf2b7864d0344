#pragma once

// The browser part of the main controller: which board the message list holds
// (`displayedBoardRow`), what is selected in the board tree and the message list, choosing a
// board, building the list in the chosen order, showing a message, the labels, and the save
// point that writes the displayed board back to its board log file.
//
// A window drives it with plain calls: it reports the user's selections (setSelectedBoardRow,
// setSelectedMessageRows) and calls the actions; whatever the window must show changes
// through the models and the signals below. Board rows are the board tree's flat rows
// (BoardTreeModel); -1 means none.

#include "app/BackPosition.h"
#include "app/BoardTreeModel.h"
#include "app/BrowserRoles.h"
#include "app/MessageDisplay.h"
#include "app/MessageListModel.h"
#include "store/Preferences.h"

#include <QList>
#include <QObject>
#include <QString>

namespace tavrel {

class BoardTreeBuilder;
class SystemLog;

class BoardBrowser : public QObject
{
    Q_OBJECT

public:
    // `actionToThisUser` is the text that begins the service's per-user action block.
    BoardBrowser(BoardTreeModel& tree, MessageListModel& list, BoardTreeBuilder& builder,
                 Preferences& preferences, SystemLog& log, QString actionToThisUser,
                 QObject* parent = nullptr);

    BoardTreeModel& tree() { return m_tree; }
    MessageListModel& list() { return m_list; }

    // Rebuilds the board tree from `warehousePath`, selects the first board (row 1) when the
    // tree has more than one row (the view keeps row 0 in view), and shows it (`makeTableNow`
    // without the communication settings, which their own controller reloads). The displayed board is
    // forgotten first without being saved: callers save it before they change the files.
    void makeTableNow(const QString& warehousePath);

    // Board choice.
    void clickForumKaigishitsuTable();
    // The same without showing a message, for callers that select one themselves.
    void selectForumKaigishitsuTable();
    // Forgets the displayed board and deselects the board tree.
    void noSelectMyKaigishitsuTable();
    // Rebuilds the list from the board selected in the board tree, in the current order.
    void makeBrowseMessageTable();

    // The order pop-up: 0 is number order ("Bangou"), 1 tree order ("Tree").
    void selectTitleHyoujiJun(int popUpIndex);
    TitleOrder defaultTitleHyoujiJun() const { return m_defaultTitleHyoujiJun; }
    static int popUpIndexFor(TitleOrder order) { return order == TitleOrder::Bangou ? 0 : 1; }

    // Shows the selected message (the last selected row), or clears the view.
    void clickMessageTitleTable();
    // Gives the message view the board's background colour, or the user's one.
    void setBoardOriginalColor();
    // The background colour well (`setTVLBGColor:`): the colour of the board tree, the message
    // list and the message view, stored in the preferences; the selected message is shown again.
    void setTVLBGColor(const RgbaColor& color);
    const BackPosition& backPosition() const { return m_backPosition; }

    // The save point: writes the displayed board's header and list (sorted by number, levels
    // kept) to its board log file, atomically. False when nothing was written: no displayed
    // board, a list that was not read from that board's file, or a failed write (logged).
    bool saveNowHyoujiKaigishitu();

    // The count label: "N messages (unread M)" in the UI texts; empty with no displayed board.
    void hyoujiNowKaigishitsuhatsugenSuu();
    QString countLabelText() const;

    // Selection state. The setters with "Selected" record what the user chose in a window;
    // the select/deselect calls are the browser's own choices and are signalled.
    int selectedBoardRow() const { return m_selectedBoardRow; }
    void setSelectedBoardRow(int row);
    int displayedBoardRow() const { return m_displayedBoardRow; }
    void setDisplayedBoardRow(int row) { m_displayedBoardRow = row; }
    // The selected message rows, ascending, and the one selected last (-1 when none): the
    // row that "the selected message" means.
    const QList<int>& selectedMessageRows() const { return m_selectedMessageRows; }
    int selectedMessageRow() const { return m_lastSelectedMessageRow; }
    void setSelectedMessageRows(const QList<int>& rows, int lastRow = -1);

    void selectBoardRow(int row, Reveal reveal);
    // Selects `row` alone.
    void selectMessageRow(int row, Reveal reveal);
    void deselectMessages();

    // The board item selected in the board tree / at `displayedBoardRow` (nullptr for none or a
    // forum row).
    KaigishitsuItem* selectedBoard() const { return m_tree.boardAtRow(m_selectedBoardRow); }
    KaigishitsuItem* displayedBoard() const { return m_tree.boardAtRow(m_displayedBoardRow); }
    // The board label: `kaigishitsuTitle` of the displayed board, or empty.
    void updateBoardLabel();

signals:
    void boardRowSelected(int row, tavrel::Reveal reveal);
    void messageRowsSelected(const QList<int>& rows, tavrel::Reveal reveal);
    // The message list is to scroll `row` into view (row 0 when a board is chosen).
    void messageListScrollRequested(int row);
    void messageCleared();
    void messageShown(const tavrel::MessageDisplay& display);
    // The message view's background alone (board colours).
    void messageBackgroundChanged(const tavrel::RgbaColor& color);
    // The background of all three views: board tree, message list and message view.
    void viewBackgroundChanged(const tavrel::RgbaColor& color);
    void boardLabelChanged(const QString& text);
    void countLabelChanged(const QString& text);
    // The selected message changed its meaning for the memo window (row -1: none).
    void memoMessageChanged(int row);

private:
    void chooseBoard(bool showMessage);
    MessageDisplayOptions displayOptions() const;
    void trimMessageSelection();

    BoardTreeModel& m_tree;
    MessageListModel& m_list;
    BoardTreeBuilder& m_builder;
    Preferences& m_preferences;
    SystemLog& m_log;
    QString m_actionToThisUser;

    TitleOrder m_defaultTitleHyoujiJun;
    int m_selectedBoardRow = -1;
    int m_displayedBoardRow = -1;
    QList<int> m_selectedMessageRows;
    int m_lastSelectedMessageRow = -1;
    BackPosition m_backPosition;
};

} // namespace tavrel
