#pragma once

// Wires the main window's views to the browser logic: the two models, the selections both
// ways, what the message text view shows, the labels, the bar's controls and the reading
// keys. Selections made by the logic are mirrored into the views without being reported
// back as user choices.

#include "app/BrowserRoles.h"
#include "app/ReadingNavigator.h"

#include <QList>
#include <QObject>

class QItemSelection;

namespace tavrel {

class BoardBrowser;
class Preferences;
class ReadingNavigator;
class TavrelWindow;

class BrowserViewBinder : public QObject
{
    Q_OBJECT

public:
    BrowserViewBinder(TavrelWindow& window, BoardBrowser& browser, ReadingNavigator& navigator,
                      Preferences& preferences, QObject* parent = nullptr);

    // Space or the read button / menu item: page down, or mark read and move on.
    void readMidoku();
    // After the board tree was rebuilt: forums expanded, row 0 in view.
    void showTreeTop();

signals:
    // A selection or the list changed: menus may need another state.
    void selectionChanged();

private:
    void bindModels();
    void bindBrowserSignals();
    void bindBar();
    void boardSelectionChanged();
    void messageSelectionChanged();
    void selectBoardRow(int row, Reveal reveal);
    void selectMessageRows(const QList<int>& rows, Reveal reveal);
    void revealMessageRow(int row, Reveal reveal);
    void readingKey(ReadingNavigator::ReadingKey key);
    void useOriginalColorChanged(bool on);
    void setBrowseTextViewBoundsSize();

    TavrelWindow& m_window;
    BoardBrowser& m_browser;
    ReadingNavigator& m_navigator;
    Preferences& m_preferences;
    // Set while the logic's own selection is copied into a view.
    bool m_mirroring = false;
};

} // namespace tavrel
