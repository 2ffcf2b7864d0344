#include "LogCutSheet.h"

#include "store/UiTexts.h"
#include "ui/ElidedLabel.h"
#include "ui/ProgressValue.h"
#include "ui/SheetPlacement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel {

namespace {

int menuBarHeight(const QWidget* window)
{
    const auto* main = qobject_cast<const QMainWindow*>(window);
    return main && main->menuBar() && main->menuBar()->isVisible() ? main->menuBar()->height() : 0;
}

} // namespace

LogCutSheet::LogCutSheet(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_cuttingFileText(new ElidedLabel(2, this))
    , m_progress(new QProgressBar(this))
    , m_stopButton(new QPushButton(uiText(u"LogCutStopButton"), this))
{
    setObjectName(QStringLiteral("logCutPanel"));
    setWindowTitle(uiText(u"LogCutSheetTitle"));
    setWindowModality(Qt::WindowModal);

    auto* message = new QLabel(uiText(u"LogCutSheetMessage"), this);
    QFont bold = message->font();
    bold.setBold(true);
    message->setFont(bold);

    m_cuttingFileText->setObjectName(QStringLiteral("logCutCuttingFileText"));
    // Two lines: the sorting pass shows its message above the file name.

    m_progress->setObjectName(QStringLiteral("logCutProgress"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);

    m_stopButton->setObjectName(QStringLiteral("stopLogCut"));
    m_stopButton->setAutoDefault(false);
    connect(m_stopButton, &QPushButton::clicked, this, &LogCutSheet::requestStop);

    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(m_progress, 1);
    progressRow->addWidget(m_stopButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message);
    layout->addWidget(m_cuttingFileText);
    layout->addLayout(progressRow);

    resize(sizeHint().expandedTo(QSize(440, 0)));
    setFixedHeight(sizeHint().height());
}

void LogCutSheet::showLogCutPanel()
{
    m_cuttingFileText->clear();
    m_progress->setValue(0);
    m_stopButton->setEnabled(true);
    // Down from the top of the main window's contents, below its menu bar.
    if (const QWidget* owner = parentWidget())
        placeOver(this, owner, owner->contentsRect().top() + menuBarHeight(owner));
    open();
}

void LogCutSheet::closeLogCutPanel()
{
    hide();
}

void LogCutSheet::setCuttingFileText(const QString& text)
{
    m_cuttingFileText->setText(text);
}

void LogCutSheet::setProgress(double percent)
{
    m_progress->setValue(progressValue(percent));
}

void LogCutSheet::reject()
{
    requestStop();
}

void LogCutSheet::requestStop()
{
    if (!m_stopButton->isEnabled())
        return;
    // Once asked, the stop takes its course; the button shows that it was taken.
    m_stopButton->setEnabled(false);
    emit stopClicked();
}

} // namespace tavrel
