#pragma once

// The interactive ways to a data folder: create one in a chosen parent folder, choose an
// existing one, type its path, and the start-up that insists on a valid one. Each returns the
// accepted path; the caller then stores it ("TVLFolderPath") and rebuilds what depends on it.
// A refusal shows its alert and returns nothing; so does a cancelled chooser, silently.

#include "platform/AlertPanel.h"
#include "platform/FolderPanel.h"

#include <QString>

#include <optional>

namespace tavrel {

class DataFolderChooser
{
public:
    DataFolderChooser(AlertPanel& alerts, FolderPanel& folders);

    // Asks for a parent folder (starting at the home folder) and creates TavrelFolder in it.
    // Failure: alert "CouldNotCreateAlertTitle" / "CouldNotCreateTVLFolderAlertMessage".
    std::optional<QString> createDataFolder();

    // Asks for an existing data folder, starting next to `currentPath` (or at home).
    // A folder that fails the check: alert "CouldNotSelectAlertTitle" /
    // "CouldNotSelectTVLFolderAlertMessage".
    std::optional<QString> chooseDataFolder(const QString& currentPath);

    // A path typed into the preferences panel; refused like a chosen folder.
    std::optional<QString> acceptTypedPath(const QString& typed);

    // At start-up: the stored path counts only when it names an existing directory; while
    // the path is not a valid data folder, creation runs again (its failures alert and ask
    // once more). Returns the valid path with its optional sub-folders repaired, or nothing
    // when the user cancels the chooser, in which case the application should quit.
    std::optional<QString> ensureAtStartup(const QString& storedPath);

private:
    std::optional<QString> createInChosenParent(bool& cancelled);
    std::optional<QString> acceptExisting(const QString& path);

    AlertPanel& m_alerts;
    FolderPanel& m_folders;
};

} // namespace tavrel
