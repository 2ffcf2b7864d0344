#include "ui/BrowserViewBinder.h"

#include "app/BoardBrowser.h"
#include "app/ViewGeometry.h"
#include "ui/BrowserItemDelegate.h"
#include "ui/ColorWell.h"
#include "ui/MessageTextView.h"
#include "ui/TavrelWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTreeView>

#include <algorithm>

namespace tavrel {

namespace {

void setViewBackground(QWidget* view, const QColor& color)
{
    QPalette palette = view->palette();
    palette.setColor(QPalette::Base, color);
    view->setPalette(palette);
}

} // namespace

BrowserViewBinder::BrowserViewBinder(TavrelWindow& window, BoardBrowser& browser, ReadingNavigator& navigator,
                                     Preferences& preferences, QObject* parent)
    : QObject(parent)
    , m_window(window)
    , m_browser(browser)
    , m_navigator(navigator)
    , m_preferences(preferences)
{
    bindModels();
    bindBrowserSignals();
    bindBar();
    connect(m_window.hatsugenNaiyouTextView(), &MessageTextView::readingKeyPressed, this,
            &BrowserViewBinder::readingKey);
}

void BrowserViewBinder::bindModels()
{
    QTreeView* tree = m_window.kaigishitsuTable();
    QTreeView* list = m_window.hatsugenTitleTable();
    tree->setModel(&m_browser.tree());
    list->setModel(&m_browser.list());
    tree->setItemDelegate(new BrowserItemDelegate(tree));
    list->setItemDelegate(new BrowserItemDelegate(list));
    list->header()->setStretchLastSection(true);
    // Every forum stays expanded.
    connect(&m_browser.tree(), &QAbstractItemModel::modelReset, tree, &QTreeView::expandAll);
    connect(tree->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &BrowserViewBinder::boardSelectionChanged);
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &BrowserViewBinder::messageSelectionChanged);
}

void BrowserViewBinder::bindBrowserSignals()
{
    MessageTextView* text = m_window.hatsugenNaiyouTextView();
    connect(&m_browser, &BoardBrowser::boardRowSelected, this, &BrowserViewBinder::selectBoardRow);
    connect(&m_browser, &BoardBrowser::messageRowsSelected, this, &BrowserViewBinder::selectMessageRows);
    connect(&m_browser, &BoardBrowser::messageListScrollRequested, this,
            [this](int row) { revealMessageRow(row, Reveal::Scroll); });
    connect(&m_browser, &BoardBrowser::messageCleared, text, &MessageTextView::clearDisplay);
    connect(&m_browser, &BoardBrowser::messageShown, this, [this, text](const MessageDisplay& display) {
        text->showDisplay(display, m_preferences.completePageScrollFlag());
    });
    connect(&m_browser, &BoardBrowser::messageBackgroundChanged, this,
            [text](const RgbaColor& color) { text->setBackground(BrowserItemDelegate::toQColor(color)); });
    connect(&m_browser, &BoardBrowser::viewBackgroundChanged, this, [this](const RgbaColor& rgba) {
        const QColor color = BrowserItemDelegate::toQColor(rgba);
        setViewBackground(m_window.kaigishitsuTable(), color);
        setViewBackground(m_window.hatsugenTitleTable(), color);
        m_window.hatsugenNaiyouTextView()->setBackground(color);
    });
    connect(&m_browser, &BoardBrowser::boardLabelChanged, m_window.boardLabel(), &QLabel::setText);
    connect(&m_browser, &BoardBrowser::countLabelChanged, m_window.countLabel(), &QLabel::setText);
}

void BrowserViewBinder::bindBar()
{
    m_window.titleHyoujiJunPopUp()->setCurrentIndex(
        BoardBrowser::popUpIndexFor(m_browser.defaultTitleHyoujiJun()));
    connect(m_window.titleHyoujiJunPopUp(), &QComboBox::activated, this, [this](int index) {
        m_browser.selectTitleHyoujiJun(index);
        emit selectionChanged();
    });

    const QColor background = BrowserItemDelegate::toQColor(m_preferences.textBackGroundColor());
    m_window.tavrelColorWell()->setColor(background);
    setViewBackground(m_window.kaigishitsuTable(), background);
    setViewBackground(m_window.hatsugenTitleTable(), background);
    m_window.hatsugenNaiyouTextView()->setBackground(background);
    connect(m_window.tavrelColorWell(), &ColorWell::colorChosen, this,
            [this](const QColor& color) { m_browser.setTVLBGColor(BrowserItemDelegate::toRgba(color)); });

    m_window.useOriginalColorCheck()->setChecked(m_preferences.isUseBoardOriginalColorSet());
    connect(m_window.useOriginalColorCheck(), &QCheckBox::toggled, this,
            &BrowserViewBinder::useOriginalColorChanged);

    if (const auto zoom = m_preferences.textBrowserBairitsu())
        m_window.setZoomFactor(*zoom);
    connect(m_window.zoomSlider(), &QSlider::valueChanged, this,
            &BrowserViewBinder::setBrowseTextViewBoundsSize);

    connect(m_window.readMidokuButton(), &QPushButton::clicked, this, &BrowserViewBinder::readMidoku);
}

void BrowserViewBinder::showTreeTop()
{
    QTreeView* tree = m_window.kaigishitsuTable();
    tree->expandAll();
    const QModelIndex top = m_browser.tree().indexForRow(0);
    if (top.isValid())
        tree->scrollTo(top);
}

void BrowserViewBinder::boardSelectionChanged()
{
    if (m_mirroring)
        return;
    const QModelIndexList selected = m_window.kaigishitsuTable()->selectionModel()->selectedRows();
    const int row = selected.isEmpty() ? -1 : m_browser.tree().rowForIndex(selected.first());
    if (row == m_browser.selectedBoardRow())
        return;
    m_browser.setSelectedBoardRow(row);
    m_browser.clickForumKaigishitsuTable();
    emit selectionChanged();
}

void BrowserViewBinder::messageSelectionChanged()
{
    if (m_mirroring)
        return;
    QItemSelectionModel* selection = m_window.hatsugenTitleTable()->selectionModel();
    QList<int> rows;
    for (const QModelIndex& index : selection->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    const QModelIndex current = selection->currentIndex();
    const int last = current.isValid() && selection->isRowSelected(current.row()) ? current.row() : -1;
    m_browser.setSelectedMessageRows(rows, last);
    m_browser.clickMessageTitleTable();
    emit selectionChanged();
}

void BrowserViewBinder::selectBoardRow(int row, Reveal reveal)
{
    QTreeView* tree = m_window.kaigishitsuTable();
    const QModelIndex index = m_browser.tree().indexForRow(row);
    m_mirroring = true;
    if (index.isValid())
        tree->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                           QItemSelectionModel::Rows);
    else
        tree->selectionModel()->clearSelection();
    m_mirroring = false;
    if (index.isValid() && reveal != Reveal::None)
        tree->scrollTo(index, reveal == Reveal::Centred ? QAbstractItemView::PositionAtCenter
                                                        : QAbstractItemView::EnsureVisible);
    emit selectionChanged();
}

void BrowserViewBinder::selectMessageRows(const QList<int>& rows, Reveal reveal)
{
    QTreeView* list = m_window.hatsugenTitleTable();
    QItemSelectionModel* selection = list->selectionModel();
    QItemSelection chosen;
    for (int row : rows) {
        const QModelIndex index = m_browser.list().index(row, 0);
        if (index.isValid())
            chosen.select(index, index);
    }
    m_mirroring = true;
    selection->select(chosen, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (!rows.isEmpty())
        selection->setCurrentIndex(m_browser.list().index(rows.last(), 0), QItemSelectionModel::NoUpdate);
    m_mirroring = false;
    if (!rows.isEmpty())
        revealMessageRow(rows.last(), reveal);
    emit selectionChanged();
}

void BrowserViewBinder::revealMessageRow(int row, Reveal reveal)
{
    QTreeView* list = m_window.hatsugenTitleTable();
    const int rowCount = m_browser.list().size();
    if (reveal == Reveal::None || row < 0 || row >= rowCount)
        return;
    if (reveal == Reveal::Centred) {
        const int rowHeight = qMax(list->sizeHintForRow(0), 1);
        const int first =
            ViewGeometry::centredRevealRow(row, list->viewport()->height(), rowHeight, rowCount);
        list->scrollTo(m_browser.list().index(first, 0));
    }
    list->scrollTo(m_browser.list().index(row, 0));
}

void BrowserViewBinder::readingKey(ReadingNavigator::ReadingKey key)
{
    using Key = ReadingNavigator::ReadingKey;
    switch (key) {
    case Key::Space:
        readMidoku();
        break;
    case Key::Next:
        m_navigator.readNextHatsugen();
        break;
    case Key::Previous:
        m_navigator.readPreviousHatsugen();
        break;
    case Key::PowerNext:
        m_navigator.kyouseiHyoujiNextMessage();
        break;
    case Key::ReadedPowerNext:
        m_navigator.kyouseiReadedNextHatsugen();
        break;
    case Key::None:
        break;
    }
    emit selectionChanged();
}

void BrowserViewBinder::readMidoku()
{
    MessageTextView* text = m_window.hatsugenNaiyouTextView();
#ifdef TAVREL_LITE
    const double before = text->scrollPosition();
    text->pageDown();
    m_navigator.readMidokuAfterPaging(before, text->scrollPosition());
#else
    if (m_navigator.readMidoku(text->scroller()) == ReadingNavigator::SpaceResult::PageDown)
        text->pageDown();
#endif
    emit selectionChanged();
}

void BrowserViewBinder::useOriginalColorChanged(bool on)
{
    if (on)
        m_browser.setBoardOriginalColor();
    else
        m_window.hatsugenNaiyouTextView()->setBackground(m_window.tavrelColorWell()->color());
    m_preferences.setIsUseBoardOriginalColorSet(on);
    m_browser.clickMessageTitleTable();
}

void BrowserViewBinder::setBrowseTextViewBoundsSize()
{
    m_preferences.setTextBrowserBairitsu(m_window.zoomFactor());
    m_browser.clickMessageTitleTable();
}

} // namespace tavrel
