#include "platform/desktop/DesktopFolderPanel.h"

#include <QFileDialog>

namespace tavrel {

DesktopFolderPanel::DesktopFolderPanel(QWidget* parent)
    : m_parent(parent)
{}

std::optional<QString> DesktopFolderPanel::chooseFolder(const FolderPanelRequest& request)
{
    QFileDialog dialog(m_parent, request.title, request.startFolder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    if (!request.confirmButton.isEmpty())
        dialog.setLabelText(QFileDialog::Accept, request.confirmButton);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

} // namespace tavrel
