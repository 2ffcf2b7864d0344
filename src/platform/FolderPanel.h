#pragma once

// Folder choosers: the user picks one existing folder.

#include <QString>

#include <optional>

namespace tavrel {

struct FolderPanelRequest
{
    QString title;
    // Folder the chooser opens at.
    QString startFolder;
    // Text of the confirm button; empty for the desktop's own.
    QString confirmButton;
};

class FolderPanel
{
public:
    virtual ~FolderPanel() = default;

    // The chosen folder's path, or nothing when the user cancels.
    virtual std::optional<QString> chooseFolder(const FolderPanelRequest& request) = 0;
};

} // namespace tavrel
