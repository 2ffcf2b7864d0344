#include "OutgoingMessagePaths.h"

#include "OutgoingMessageFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tavrel {

bool isSameFile(const QString& a, const QString& b)
{
    if (QDir::cleanPath(QFileInfo(a).absoluteFilePath()) == QDir::cleanPath(QFileInfo(b).absoluteFilePath()))
        return true;
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}

OutgoingMessagePaths OutgoingMessagePaths::forNew(const QString& postFolder, const QString& name)
{
    return {QDir(postFolder).filePath(name), QString()};
}

OutgoingMessagePaths OutgoingMessagePaths::forOpened(const QString& pickedPath, const PlistDict& dict)
{
    const QString saved = dict.string(u"savedPostFilePath");
    return {saved.isEmpty() ? pickedPath : saved, pickedPath};
}

bool OutgoingMessagePaths::save(const PlistDict& dict) const
{
    if (!OutgoingMessageFile::write(target, dict))
        return false;
    if (!source.isEmpty() && !isSameFile(source, target))
        QFile::remove(source);
    return true;
}

bool OutgoingMessagePaths::saveAsDraft(const QString& chosenPath, PlistDict dict) const
{
    dict.insert(QStringLiteral("savedPostFilePath"), target);
    if (!OutgoingMessageFile::write(chosenPath, dict))
        return false;
    if (!isSameFile(chosenPath, target))
        QFile::remove(target);
    return true;
}

} // namespace tavrel
