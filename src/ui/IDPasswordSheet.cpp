#include "IDPasswordSheet.h"

#include "store/UiTexts.h"
#include "ui/SheetPlacement.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel {

namespace {

enum AnswerCode
{
    Keychain = 0,
    Temp = 1,
    Cancel = 2,
};

} // namespace

IDPasswordSheet::IDPasswordSheet(QWidget* parent)
    : QDialog(parent)
    , m_idText(new QLineEdit(this))
    , m_passwordText(new QLineEdit(this))
{
    setObjectName(QStringLiteral("niftyIDPasswordInputPanel"));
    setWindowTitle(uiText(u"NiftyIDPasswordSheetTitle"));
    setWindowModality(Qt::WindowModal);

    auto* message = new QLabel(uiText(u"NiftyIDPasswordSheetMessage"), this);

    m_idText->setObjectName(QStringLiteral("inputNiftyIDText"));
    m_passwordText->setObjectName(QStringLiteral("inputNiftyPasswordText"));
    m_passwordText->setEchoMode(QLineEdit::Password);
    for (QLineEdit* field : {m_idText, m_passwordText}) {
        field->setMinimumWidth(260);
        // Input methods would turn the ASCII of an ID into full-width characters.
        field->setInputMethodHints(Qt::ImhNoAutoUppercase | Qt::ImhNoPredictiveText | Qt::ImhLatinOnly);
    }
    m_passwordText->setInputMethodHints(m_passwordText->inputMethodHints() | Qt::ImhSensitiveData |
                                        Qt::ImhHiddenText);

    auto* fields = new QFormLayout;
    fields->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    fields->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fields->addRow(uiText(u"NiftyIDLabel"), m_idText);
    fields->addRow(uiText(u"NiftyPasswordLabel"), m_passwordText);

    auto* buttons = new QDialogButtonBox(this);
    m_keychainButton =
        buttons->addButton(uiText(u"NiftyIDPasswordKeychainButton"), QDialogButtonBox::AcceptRole);
    m_tempButton = buttons->addButton(uiText(u"NiftyIDPasswordTempButton"), QDialogButtonBox::ActionRole);
    m_cancelButton = buttons->addButton(uiText(u"CancelButton"), QDialogButtonBox::RejectRole);
    m_keychainButton->setObjectName(QStringLiteral("tsuushinSetNiftyIDPasswordForKeychain"));
    m_tempButton->setObjectName(QStringLiteral("tsuushinSetNiftyIDPasswordForTemp"));
    m_cancelButton->setObjectName(QStringLiteral("tsuushinCancelNiftyIDPassword"));
    m_keychainButton->setDefault(true);
    connect(m_keychainButton, &QPushButton::clicked, this, [this] { answer(Keychain); });
    connect(m_tempButton, &QPushButton::clicked, this, [this] { answer(Temp); });
    connect(m_cancelButton, &QPushButton::clicked, this, [this] { answer(Cancel); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message);
    layout->addSpacing(6);
    layout->addLayout(fields);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void IDPasswordSheet::showSheet(const QString& niftyID, const QString& niftyPassword)
{
    m_idText->setText(niftyID);
    m_passwordText->setText(niftyPassword);
    QLineEdit* first = niftyID.isEmpty() || !niftyPassword.isEmpty() ? m_idText : m_passwordText;
    first->selectAll();
    first->setFocus();
    m_keychainButton->setDefault(true);
    // Down from the top of the panel, as a sheet comes.
    placeOver(this, parentWidget(), 0);
    open();
}

void IDPasswordSheet::closeSheet()
{
    // Hiding ends the sheet without the finished/rejected path that reports a cancel.
    hide();
}

QString IDPasswordSheet::niftyID() const
{
    return m_idText->text();
}

QString IDPasswordSheet::niftyPassword() const
{
    return m_passwordText->text();
}

void IDPasswordSheet::reject()
{
    answer(Cancel);
}

void IDPasswordSheet::answer(int code)
{
    if (!isVisible())
        return;
    const QString id = niftyID();
    const QString password = niftyPassword();
    // The values leave the sheet with the signal; the fields keep no copy of the password.
    m_passwordText->clear();
    closeSheet();
    switch (code) {
    case Keychain:
        emit savedInKeychain(id, password);
        break;
    case Temp:
        emit usedForTemp(id, password);
        break;
    default:
        emit cancelled();
        break;
    }
}

} // namespace tavrel
