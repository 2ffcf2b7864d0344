#include "ui/KobetsuSetteiSheet.h"

#include "ui/WindowTexts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace tavrel {

KobetsuSetteiSheet::KobetsuSetteiSheet(QWidget* parent)
    : QDialog(parent)
    , m_sakujoCheck(new QCheckBox(windowText(u"KobetsuSakujoCheckTitle"), this))
    , m_daysText(new QLineEdit(this))
    , m_daysStepper(new QSpinBox(this))
    , m_lastMesNoText(new QLineEdit(this))
    , m_forumNameText(new QLineEdit(this))
    , m_boardNameText(new QLineEdit(this))
{
    setWindowTitle(windowText(u"KobetsuKaigishitsuSetteiMenuTitle"));
    setWindowModality(Qt::WindowModal);
    m_daysText->setMaximumWidth(80);
    // The stepper only steps the typed days; the text is what is stored.
    m_daysStepper->setRange(0, 99999);
    m_daysStepper->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    m_daysStepper->setMaximumWidth(22);
    connect(m_daysText, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_daysStepper->setValue(KobetsuKaigishitsuSettei::stepperValue(text));
    });
    connect(m_daysStepper, &QSpinBox::valueChanged, this, [this](int value) {
        if (KobetsuKaigishitsuSettei::stepperValue(m_daysText->text()) != value)
            m_daysText->setText(QString::number(value));
    });

    auto* days = new QHBoxLayout;
    days->addWidget(m_sakujoCheck);
    days->addWidget(m_daysText);
    days->addWidget(m_daysStepper);
    days->addWidget(new QLabel(windowText(u"KobetsuSakujoDaysTitle"), this));
    days->addStretch(1);

    auto* form = new QFormLayout(this);
    form->addRow(days);
    form->addRow(windowText(u"KobetsuLastMesNoTitle"), m_lastMesNoText);
    form->addRow(windowText(u"KobetsuForumNameTitle"), m_forumNameText);
    form->addRow(windowText(u"KobetsuBoardNameTitle"), m_boardNameText);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

void KobetsuSetteiSheet::setValues(const KobetsuKaigishitsuSettei::Values& values)
{
    m_sakujoCheck->setChecked(values.sakujo);
    m_daysText->setText(values.sakujoDays);
    m_daysStepper->setValue(KobetsuKaigishitsuSettei::stepperValue(values.sakujoDays));
    m_lastMesNoText->setText(values.lastMesNo);
    m_forumNameText->setText(values.forumName);
    m_boardNameText->setText(values.boardName);
}

KobetsuKaigishitsuSettei::Values KobetsuSetteiSheet::values() const
{
    return {m_sakujoCheck->isChecked(), m_daysText->text(), m_lastMesNoText->text(), m_forumNameText->text(),
            m_boardNameText->text()};
}

} // namespace tavrel
