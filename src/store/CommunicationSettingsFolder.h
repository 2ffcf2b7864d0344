#pragma once

// The communication settings files of a data folder's Access folder, by name: listing,
// reading for a run or for editing, writing, and the file operations of the settings editors.
// Names beginning with "." are never listed; names holding "/" or NUL, or beginning with "."
// (so also "." and ".."), are refused for new and renamed files.

#include "platform/AlertPanel.h"
#include "store/CommunicationSettings.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tavrel {

class CommunicationSettingsFolder
{
public:
    explicit CommunicationSettingsFolder(const QString& accessPath);

    QString path() const { return m_path; }
    QString filePath(const QString& name) const;

    // Every settings name, sorted; names beginning with "." left out.
    QStringList names() const;
    // True when the name can be the name of a settings file.
    static bool isUsableName(const QString& name);

    // Reads a file for a run. When it is not a readable property-list dictionary, shows the
    // alert "CouldNotReadTsushinSetteiFileErrorTitle" with the message "<text> (<name>)" and
    // returns nothing.
    std::optional<CommunicationSettings> readForRun(const QString& name, AlertPanel& alerts) const;
    // Reads a file for editing; an unreadable one reads as empty settings.
    CommunicationSettings readForEditing(const QString& name) const;
    // Writes all ten keys atomically; false when writing failed (the old file then stays).
    bool write(const QString& name, const CommunicationSettings& settings) const;

    // "untitled", else the first free "untitled N" for N = 1 … 999, else "".
    QString proposeNewName() const;
    // Creates a file holding an empty array. Refused when anything exists under the name or
    // the name is not usable: alert "CouldNotCreateAlertTitle" /
    // "CouldNotCreateTsushinSetteiFileAlertMessage".
    bool create(const QString& name, AlertPanel& alerts) const;
    // Copies the file to the first free "<name>_N" (N = 1 … 999); the new name, or nothing.
    std::optional<QString> duplicate(const QString& name) const;
    // Moves the file to a new name. Refused when the new name exists or is not usable: alert
    // "TsushinSetteiNameChangeErrorTitle" / "TsushinSetteiNameChangeErrorMessage". Renaming
    // to the same name changes nothing and succeeds.
    bool rename(const QString& oldName, const QString& newName, AlertPanel& alerts) const;
    // Removes the file; true when it is gone.
    bool remove(const QString& name) const;

private:
    bool exists(const QString& name) const;
    std::optional<CommunicationSettings> read(const QString& name) const;

    QString m_path;
};

} // namespace tavrel
