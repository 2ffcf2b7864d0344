#include "FolderCleaning.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tavrel {

void emptyFolder(const QString& path)
{
    const QDir folder(path);
    const QFileInfoList entries =
        folder.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QFileInfo& entry : entries) {
        if (entry.isDir() && !entry.isSymLink())
            QDir(entry.absoluteFilePath()).removeRecursively();
        else
            QFile::remove(entry.absoluteFilePath());
    }
}

} // namespace tavrel
