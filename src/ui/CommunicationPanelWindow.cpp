#include "CommunicationPanelWindow.h"

#include "store/UiTexts.h"
#include "ui/ElidedLabel.h"
#include "ui/IDPasswordSheet.h"
#include "ui/ProgressValue.h"
#include "ui/SheetPlacement.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel {

CommunicationPanelWindow::CommunicationPanelWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_settingsPopUp(new QComboBox(this))
    , m_junkaiButton(makeButton(u"TsuushinJunkaiButton", QStringLiteral("tsuushinJunkaiButton")))
    , m_jushinButton(makeButton(u"TsuushinJushinButton", QStringLiteral("tsuushinJushinButton")))
    , m_soushinButton(makeButton(u"TsuushinSoushinButton", QStringLiteral("tsuushinSoushinButton")))
    , m_stopButton(makeButton(u"TsuushinStopButton", QStringLiteral("tsuushinStopAccessButton")))
    , m_progress(new QProgressBar(this))
    , m_statusText(new ElidedLabel(1, this))
    , m_sheet(new IDPasswordSheet(this))
{
    setObjectName(QStringLiteral("tsuushinPanel"));
    setWindowTitle(uiText(u"TsuushinPanelTitle"));

    m_settingsPopUp->setObjectName(QStringLiteral("tsuushinJunkaiSetteiPopUp"));
    m_settingsPopUp->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_settingsPopUp->setMinimumContentsLength(24);
    m_settingsPopUp->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    m_progress->setObjectName(QStringLiteral("tsuushinProgress"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);

    m_statusText->setObjectName(QStringLiteral("tsuushinStatusText"));

    auto* settingsRow = new QFormLayout;
    settingsRow->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    settingsRow->addRow(uiText(u"TsuushinSetteiPopUpLabel"), m_settingsPopUp);

    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(m_progress, 1);
    progressRow->addWidget(m_stopButton);

    auto* commandRow = new QHBoxLayout;
    commandRow->addStretch(1);
    commandRow->addWidget(m_junkaiButton);
    commandRow->addWidget(m_jushinButton);
    commandRow->addWidget(m_soushinButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(settingsRow);
    layout->addSpacing(8);
    layout->addWidget(m_statusText);
    layout->addLayout(progressRow);
    layout->addSpacing(8);
    layout->addLayout(commandRow);

    // Return presses the button that has the focus, the patrol button at first.
    for (QPushButton* button : {m_junkaiButton, m_jushinButton, m_soushinButton, m_stopButton})
        button->setAutoDefault(true);
    setTabOrder(m_settingsPopUp, m_junkaiButton);
    setTabOrder(m_junkaiButton, m_jushinButton);
    setTabOrder(m_jushinButton, m_soushinButton);
    setTabOrder(m_soushinButton, m_stopButton);

    connect(m_junkaiButton, &QPushButton::clicked, this, &CommunicationPanelWindow::junkaiClicked);
    connect(m_jushinButton, &QPushButton::clicked, this, &CommunicationPanelWindow::jushinClicked);
    connect(m_soushinButton, &QPushButton::clicked, this, &CommunicationPanelWindow::soushinClicked);
    connect(m_stopButton, &QPushButton::clicked, this, &CommunicationPanelWindow::stopClicked);
    connect(m_sheet, &IDPasswordSheet::savedInKeychain, this,
            &CommunicationPanelWindow::idPasswordForKeychain);
    connect(m_sheet, &IDPasswordSheet::usedForTemp, this, &CommunicationPanelWindow::idPasswordForTemp);
    connect(m_sheet, &IDPasswordSheet::cancelled, this, &CommunicationPanelWindow::idPasswordCancelled);

    // Wider than tall; only the width may change.
    resize(sizeHint().expandedTo(QSize(420, 0)));
    setFixedHeight(sizeHint().height());
}

QPushButton* CommunicationPanelWindow::makeButton(QStringView textKey, const QString& name)
{
    auto* button = new QPushButton(uiText(textKey), this);
    button->setObjectName(name);
    return button;
}

bool CommunicationPanelWindow::isPanelVisible() const
{
    return isVisible();
}

void CommunicationPanelWindow::placeFirstTime()
{
    // The first time over the upper part of the main window; later where the user left it.
    if (m_placed)
        return;
    if (const QWidget* owner = parentWidget(); owner && owner->isVisible()) {
        placeOver(this, owner, owner->height() / 6);
        m_placed = true;
    }
}

void CommunicationPanelWindow::bringPanelToFront()
{
    placeFirstTime();
    show();
    raise();
    activateWindow();
}

void CommunicationPanelWindow::showPanel()
{
    m_junkaiButton->setFocus();
    placeFirstTime();
    show();
    raise();
    activateWindow();
}

void CommunicationPanelWindow::closePanel()
{
    m_sheet->closeSheet();
    // Hiding, unlike close(), does not pass through closeEvent and so reports no stop.
    hide();
}

void CommunicationPanelWindow::setStatusText(const QString& text)
{
    m_statusText->setText(text);
}

void CommunicationPanelWindow::setProgress(double percent)
{
    m_progress->setValue(progressValue(percent));
}

void CommunicationPanelWindow::setCommandsEnabled(bool enabled)
{
    m_settingsPopUp->setEnabled(enabled);
    m_junkaiButton->setEnabled(enabled);
    m_jushinButton->setEnabled(enabled);
    m_soushinButton->setEnabled(enabled);
    // A disabled button loses the focus; the stop button is the one left to press.
    if (!enabled && isVisible())
        m_stopButton->setFocus();
}

void CommunicationPanelWindow::setSettingsNames(const QStringList& names)
{
    m_settingsPopUp->clear();
    m_settingsPopUp->addItems(names);
}

QString CommunicationPanelWindow::selectedSettingsName() const
{
    return m_settingsPopUp->currentIndex() < 0 ? QString() : m_settingsPopUp->currentText();
}

bool CommunicationPanelWindow::selectSettingsName(const QString& name)
{
    const int index = m_settingsPopUp->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        return false;
    m_settingsPopUp->setCurrentIndex(index);
    return true;
}

void CommunicationPanelWindow::showIDPasswordSheet(const QString& niftyID, const QString& niftyPassword)
{
    m_sheet->showSheet(niftyID, niftyPassword);
}

void CommunicationPanelWindow::closeIDPasswordSheet()
{
    m_sheet->closeSheet();
}

void CommunicationPanelWindow::closeEvent(QCloseEvent* event)
{
    // The commands are disabled from the start of a run until the panel is opened anew:
    // closing the window then stops the run, as the stop button does.
    const bool runActive = !m_junkaiButton->isEnabled();
    m_sheet->closeSheet();
    event->accept();
    if (runActive)
        emit stopClicked();
}

} // namespace tavrel
