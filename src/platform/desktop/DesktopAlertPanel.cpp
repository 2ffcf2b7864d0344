#include "platform/desktop/DesktopAlertPanel.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace tavrel {

DesktopAlertPanel::DesktopAlertPanel(QWidget* parent)
    : m_parent(parent)
{}

AlertAnswer DesktopAlertPanel::runAlert(const AlertRequest& request)
{
    QMessageBox box(m_parent);
    box.setIcon(QMessageBox::Warning);
    box.setWindowTitle(request.title);
    box.setText(request.title);
    box.setInformativeText(request.message);

    // The first button is the default, the second the alternate (also Escape when there is
    // no third), the third the other.
    const AlertAnswer answers[] = {AlertAnswer::Default, AlertAnswer::Alternate, AlertAnswer::Other};
    const QMessageBox::ButtonRole roles[] = {QMessageBox::AcceptRole, QMessageBox::RejectRole,
                                             QMessageBox::DestructiveRole};
    QList<QAbstractButton*> buttons;
    const QStringList texts = request.buttons.isEmpty() ? QStringList{QStringLiteral("OK")} : request.buttons;
    for (qsizetype i = 0; i < texts.size() && i < 3; ++i)
        buttons.append(box.addButton(texts.at(i), roles[i]));
    box.setDefaultButton(qobject_cast<QPushButton*>(buttons.first()));
    box.setEscapeButton(buttons.size() > 1 ? buttons.at(1) : buttons.first());
    box.exec();

    const qsizetype pressed = buttons.indexOf(box.clickedButton());
    return pressed > 0 ? answers[pressed] : AlertAnswer::Default;
}

void DesktopAlertPanel::beep()
{
    QApplication::beep();
}

} // namespace tavrel
