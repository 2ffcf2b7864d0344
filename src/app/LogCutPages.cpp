#include "app/LogCutPages.h"

#include "store/DataFolder.h"

#include <QDir>

namespace tavrel {

LogCutPages LogCutPages::fromDataFolder(const DataFolder& dataFolder)
{
    LogCutPages result;
    const QDir tmp(dataFolder.tmpPath());
    const QDir warehouse(dataFolder.warehousePath());
    const QStringList names = tmp.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& name : names) {
        if (name.startsWith(u'.') || name.startsWith(u'_'))
            continue;
        const QString target = warehouse.filePath(boardIdentifierOf(name));
        result.pages.append(tmp.filePath(name));
        result.targets.append(target);
        if (!result.boards.contains(target))
            result.boards.append(target);
    }
    return result;
}

QString LogCutPages::boardIdentifierOf(const QString& pageName)
{
    const qsizetype dot = pageName.lastIndexOf(u'.');
    return dot > 0 ? pageName.left(dot) : pageName;
}

QStringList LogCutPages::boardsBefore(qsizetype end) const
{
    QStringList result;
    for (qsizetype i = 0; i < qMin(end, targets.size()); ++i) {
        if (!result.contains(targets[i]))
            result.append(targets[i]);
    }
    return result;
}

void LogCutPages::clear()
{
    pages.clear();
    targets.clear();
    boards.clear();
}

} // namespace tavrel
