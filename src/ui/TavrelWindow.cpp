#include "ui/TavrelWindow.h"

#include "ui/ColorWell.h"
#include "ui/MessageTextView.h"
#include "ui/WindowTexts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSplitter>
#include <QTreeView>
#include <QVBoxLayout>

namespace tavrel {

namespace {

// The zoom slider works in hundredths of the factor.
constexpr int kZoomScale = 100;

QTreeView* makeOutline(QWidget* parent)
{
    auto* view = new QTreeView(parent);
    view->setHeaderHidden(true);
    view->setUniformRowHeights(true);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setItemsExpandable(false);
    view->setRootIsDecorated(false);
    view->setIndentation(14);
    return view;
}

QTreeView* makeMessageList(QWidget* parent)
{
    auto* view = new QTreeView(parent);
    view->setHeaderHidden(true);
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true);
    view->setAlternatingRowColors(true);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setTextElideMode(Qt::ElideRight);
    return view;
}

} // namespace

TavrelWindow::TavrelWindow(QWidget* parent)
    : QMainWindow(parent)
    , m_kaigishitsuTable(makeOutline(this))
    , m_hatsugenTitleTable(makeMessageList(this))
    , m_textView(new MessageTextView(this))
    , m_readMidokuButton(new QPushButton(windowText(u"ReadMidokuButtonTitle"), this))
    , m_orderPopUp(new QComboBox(this))
    , m_boardLabel(new QLabel(this))
    , m_countLabel(new QLabel(this))
    , m_zoomSlider(new QSlider(Qt::Horizontal, this))
    , m_colorWell(new ColorWell(this))
    , m_useOriginalColorCheck(new QCheckBox(windowText(u"UseBoardColorTitle"), this))
    , m_mainSplitter(new QSplitter(Qt::Horizontal, this))
    , m_rightSplitter(new QSplitter(Qt::Vertical, this))
{
    setWindowTitle(QStringLiteral("Tavrel"));
    m_hatsugenTitleTable->setObjectName(QStringLiteral("HatsugenTitleTableView"));
    m_kaigishitsuTable->setObjectName(QStringLiteral("DodOvozaKeijibanOutlineView"));

    m_rightSplitter->addWidget(m_hatsugenTitleTable);
    m_rightSplitter->addWidget(m_textView);
    m_rightSplitter->setStretchFactor(1, 1);
    m_rightSplitter->setChildrenCollapsible(false);
    m_mainSplitter->addWidget(m_kaigishitsuTable);
    m_mainSplitter->addWidget(m_rightSplitter);
    m_mainSplitter->setStretchFactor(1, 1);
    m_mainSplitter->setChildrenCollapsible(false);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(makeBar());
    layout->addWidget(m_mainSplitter, 1);
    setCentralWidget(central);

    resize(1100, 740);
    m_mainSplitter->setSizes({260, 840});
    m_rightSplitter->setSizes({260, 420});
}

QWidget* TavrelWindow::makeBar()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    QFont boardFont = m_boardLabel->font();
    boardFont.setBold(true);
    boardFont.setPointSizeF(boardFont.pointSizeF() * 1.15);
    m_boardLabel->setFont(boardFont);
    m_boardLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_countLabel->setForegroundRole(QPalette::PlaceholderText);

    m_orderPopUp->addItem(windowText(u"OrderBangouTitle"));
    m_orderPopUp->addItem(windowText(u"OrderTreeTitle"));
    m_zoomSlider->setRange(kZoomScale / 2, kZoomScale * 3);
    m_zoomSlider->setValue(kZoomScale);
    m_zoomSlider->setFixedWidth(120);
    m_zoomSlider->setToolTip(windowText(u"ZoomTitle"));
    m_colorWell->setToolTip(windowText(u"BackgroundColorTitle"));
    m_readMidokuButton->setDefault(true);

    row->addWidget(m_boardLabel);
    row->addSpacing(12);
    row->addWidget(m_countLabel);
    row->addStretch(1);
    row->addWidget(m_orderPopUp);
    row->addWidget(m_useOriginalColorCheck);
    row->addWidget(new QLabel(windowText(u"ZoomTitle"), bar));
    row->addWidget(m_zoomSlider);
    row->addWidget(m_colorWell);
    row->addWidget(m_readMidokuButton);
    return bar;
}

double TavrelWindow::zoomFactor() const
{
    return double(m_zoomSlider->value()) / kZoomScale;
}

void TavrelWindow::setZoomFactor(double factor)
{
    m_zoomSlider->setValue(qRound(factor * kZoomScale));
}

int TavrelWindow::messageListPaneHeight() const
{
    return m_rightSplitter->sizes().value(0);
}

void TavrelWindow::setMessageListPaneHeight(int height)
{
    const QList<int> sizes = m_rightSplitter->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    m_rightSplitter->setSizes({height, qMax(total - height, 1)});
}

int TavrelWindow::boardPaneWidth() const
{
    return m_mainSplitter->sizes().value(0);
}

void TavrelWindow::setBoardPaneWidth(int width)
{
    const QList<int> sizes = m_mainSplitter->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    m_mainSplitter->setSizes({width, qMax(total - width, 1)});
}

void TavrelWindow::closeEvent(QCloseEvent* event)
{
    // Closing the main window quits; the controller decides and saves first.
    event->ignore();
    emit quitRequested();
}

} // namespace tavrel
