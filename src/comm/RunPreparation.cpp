#include "RunPreparation.h"

#include "store/SafeName.h"

#include <QDir>

#include <algorithm>

namespace tavrel {

RunData RunPreparation::runData(const CommunicationSettings& settings, const ProxyArguments& proxies,
                                QStringList& skipped)
{
    RunData data;
    data.beforePath = settings.beforeProcedure;
    data.afterPath = settings.afterProcedure;
    data.isMyDeskMessageAccess = settings.isMyDeskMessageAccess;
    data.proxies = proxies;
    for (const PatrolEntry& entry : settings.junkaiArray) {
        if (isSafeFileName(entry.bbsID) && isAcceptableUrl(entry.urlFormat))
            data.junkaiList.append(entry);
        else
            skipped.append(u"Skipped board \"" + entry.bbsID + u"\": unsafe board ID or URL");
    }
    for (const ForumTopEntry& entry : settings.forumTopDownloadArray) {
        if (isSafeFileName(entry.forumID) && isAcceptableUrl(entry.forumTopURL))
            data.forumTopList.append(entry);
        else
            skipped.append(u"Skipped forum top \"" + entry.forumID + u"\": unsafe forum ID or URL");
    }
    return data;
}

QStringList RunPreparation::postList(const QString& postFolder)
{
    const QDir folder(postFolder);
    QStringList paths;
    const QStringList names =
        folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::NoSort);
    for (const QString& name : names) {
        if (name.startsWith(u'.') || name.startsWith(u'_') ||
            name.left(7).compare(u"message", Qt::CaseInsensitive) == 0)
            continue;
        paths.append(folder.filePath(name));
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

} // namespace tavrel
