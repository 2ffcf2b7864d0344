#pragma once

// The ID and password sheet: a window-modal dialog over the communication panel with the
// service ID field, the password field and three buttons: save in the keyring, use without
// saving, cancel. Each button closes the sheet first and then reports the typed values, so
// whoever answers may close or reopen windows freely. Return presses the save button;
// Escape and the title bar's close button count as cancel.

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace tavrel {

class IDPasswordSheet : public QDialog
{
    Q_OBJECT

public:
    explicit IDPasswordSheet(QWidget* parent);

    // Fills the fields and shows the sheet over its parent, the cursor in the first empty
    // field.
    void showSheet(const QString& niftyID, const QString& niftyPassword);
    // Closes the sheet without reporting anything.
    void closeSheet();

    QString niftyID() const;
    QString niftyPassword() const;

signals:
    void savedInKeychain(const QString& niftyID, const QString& niftyPassword);
    void usedForTemp(const QString& niftyID, const QString& niftyPassword);
    void cancelled();

public slots:
    void reject() override;

private:
    void answer(int code);

    QLineEdit* m_idText;
    QLineEdit* m_passwordText;
    QPushButton* m_keychainButton;
    QPushButton* m_tempButton;
    QPushButton* m_cancelButton;
};

} // namespace tavrel
