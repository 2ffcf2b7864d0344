#include "OutgoingMessageName.h"

#include "SafeName.h"

#include <QDir>

#include <algorithm>

namespace tavrel {

namespace {

std::optional<QString> boardName(const QString& forumID, const QString& name)
{
    if (forumID.isEmpty() || !isSafeFileName(name) || !isPostableFileName(name) ||
        isMyDeskMessageFileName(name))
        return std::nullopt;
    return name;
}

QStringList postList(const QString& postFolder, bool myDesk)
{
    const QDir folder(postFolder);
    QStringList paths;
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden, QDir::NoSort)) {
        if (isPostableFileName(name) && isMyDeskMessageFileName(name) == myDesk)
            paths.append(folder.filePath(name));
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

} // namespace

QString outgoingTimeStamp(const QDateTime& localTime)
{
    return localTime.toString(QStringLiteral("MMddHHmmss"));
}

std::optional<QString> boardMessageFileName(const QString& forumID, const QString& stamp)
{
    return boardName(forumID, forumID + u'.' + stamp);
}

std::optional<QString> commentFileName(const QString& forumID, const QString& number, const QString& stamp)
{
    return boardName(forumID, forumID + u'.' + number + u'-' + stamp);
}

QString myDeskMessageFileName(const QString& stamp)
{
    return QStringLiteral("message.") + stamp;
}

bool isPostableFileName(QStringView name)
{
    return !name.startsWith(u'.') && !name.startsWith(u'_');
}

bool isMyDeskMessageFileName(QStringView name)
{
    return name.size() >= 7 && name.first(7).compare(u"message", Qt::CaseInsensitive) == 0;
}

QString fileNameWithoutExtension(QStringView name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return (dot <= 0 ? name : name.first(dot)).toString();
}

QStringList boardPostList(const QString& postFolder)
{
    return postList(postFolder, false);
}

QStringList myDeskPostList(const QString& postFolder)
{
    return postList(postFolder, true);
}

} // namespace tavrel
