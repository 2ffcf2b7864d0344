#include "DataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tavrel {

namespace {

constexpr QStringView kRequiredFolders[] = {u"Tmp", u"Post", u"Access", u"Warehouse"};
constexpr QStringView kOptionalFolders[] = {u"ForumList", u"ForumTop", u"cm_freeboardList", u"Drafts",
                                            u"SentMessages"};

bool isDirectory(const QString& path)
{
    return QFileInfo(path).isDir();
}

} // namespace

DataFolder::DataFolder(const QString& path)
    : m_path(QDir::cleanPath(path))
{}

QString DataFolder::entryPath(QStringView name) const
{
    return m_path + u'/' + name;
}

QString DataFolder::folderName()
{
    return QStringLiteral("TavrelFolder");
}

bool DataFolder::isValid(const QString& path)
{
    if (path.isEmpty() || !QDir::isAbsolutePath(path))
        return false;
    const QString clean = QDir::cleanPath(path);
    if (QFileInfo(clean).fileName() != folderName() || !isDirectory(clean))
        return false;
    for (QStringView name : kRequiredFolders) {
        if (!isDirectory(clean + u'/' + name))
            return false;
    }
    return true;
}

std::optional<QString> DataFolder::create(const QString& parent)
{
    if (parent.isEmpty() || !QDir::isAbsolutePath(parent))
        return std::nullopt;
    QDir parentDir(QDir::cleanPath(parent));
    // mkdir fails when anything already stands under the name.
    if (!parentDir.mkdir(folderName()))
        return std::nullopt;
    const QString path = parentDir.filePath(folderName());
    QDir folder(path);
    for (QStringView name : kRequiredFolders)
        folder.mkdir(name.toString());
    for (QStringView name : kOptionalFolders)
        folder.mkdir(name.toString());
    if (!isValid(path))
        return std::nullopt;
    return path;
}

void DataFolder::repairOptionalFolders() const
{
    QDir folder(m_path);
    for (QStringView name : kOptionalFolders) {
        const QString path = entryPath(name);
        const QFileInfo info(path);
        if (info.isDir())
            continue;
        if (info.exists() || info.isSymLink())
            QFile::remove(path);
        folder.mkdir(name.toString());
    }
}

} // namespace tavrel
