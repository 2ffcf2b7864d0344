#pragma once

// The desktop's folder chooser: a QFileDialog that picks one existing directory.

#include "platform/FolderPanel.h"

class QWidget;

namespace tavrel {

class DesktopFolderPanel : public FolderPanel
{
public:
    explicit DesktopFolderPanel(QWidget* parent = nullptr);

    void setParentWidget(QWidget* parent) { m_parent = parent; }

    std::optional<QString> chooseFolder(const FolderPanelRequest& request) override;

private:
    QWidget* m_parent;
};

} // namespace tavrel
