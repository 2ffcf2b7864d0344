#pragma once

// The data folder: a folder named "TavrelFolder" that holds every downloaded page, board log
// file, communication settings file and outgoing message. This class names its parts and
// checks, creates and repairs it; choosing one interactively is DataFolderChooser's job.

#include <QString>

#include <optional>

namespace tavrel {

class DataFolder
{
public:
    explicit DataFolder(const QString& path);

    QString path() const { return m_path; }

    QString tmpPath() const { return entryPath(u"Tmp"); }
    QString postPath() const { return entryPath(u"Post"); }
    QString accessPath() const { return entryPath(u"Access"); }
    QString warehousePath() const { return entryPath(u"Warehouse"); }
    QString forumListPath() const { return entryPath(u"ForumList"); }
    QString forumTopPath() const { return entryPath(u"ForumTop"); }
    QString freeboardListPath() const { return entryPath(u"cm_freeboardList"); }
    QString draftsPath() const { return entryPath(u"Drafts"); }
    QString sentMessagesPath() const { return entryPath(u"SentMessages"); }
    QString loginCookiesPath() const { return entryPath(u"nifty_Login_cookies.txt"); }
    QString nextCookiesPath() const { return entryPath(u"next_cookies.txt"); }
    QString allBoardListPath() const { return entryPath(u"cm_freeboard_all.html"); }

    // The last path component of every data folder.
    static QString folderName();

    // True when `path` is absolute, names a directory called exactly "TavrelFolder" and that
    // directory holds the directories Tmp, Post, Access and Warehouse.
    static bool isValid(const QString& path);

    // Creates `parent`/TavrelFolder and in it, in order, Tmp, Post, Access, Warehouse,
    // ForumList, ForumTop, cm_freeboardList, Drafts and SentMessages (a failing optional
    // sub-folder is ignored). Returns the new folder's path, or nothing when TavrelFolder
    // cannot be created (it exists already, for one) or the result is not a valid data folder.
    static std::optional<QString> create(const QString& parent);

    // Creates each missing one of ForumList, ForumTop, cm_freeboardList, Drafts and
    // SentMessages; a plain file (or a dangling link) standing under such a name is removed
    // first.
    void repairOptionalFolders() const;

private:
    QString entryPath(QStringView name) const;

    QString m_path;
};

} // namespace tavrel
