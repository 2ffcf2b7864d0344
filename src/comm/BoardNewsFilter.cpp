#include "BoardNewsFilter.h"

#include "comm/BoardHeaderSource.h"
#include "store/DateText.h"

namespace tavrel {

QStringList BoardNewsFilter::deleteJushinList(QList<PatrolEntry>& junkaiList,
                                              const QHash<QString, QString>& boardLastDates,
                                              const BoardHeaderSource& headers)
{
    QStringList removed;
    for (qsizetype i = junkaiList.size() - 1; i >= 0; --i) {
        const QString& bbsID = junkaiList.at(i).bbsID;
        const auto lastDate = boardLastDates.constFind(bbsID);
        if (lastDate == boardLastDates.constEnd())
            continue;
        // A top-page date that does not parse tells nothing: the board is received.
        const std::optional<QDateTime> topDate = parseDateText(*lastDate);
        if (!topDate)
            continue;
        const std::optional<QString> stored = headers.dateOfLastMes(bbsID);
        if (!stored)
            continue;
        const std::optional<QDateTime> storedDate = parseDateText(*stored);
        if (storedDate && *topDate <= *storedDate) {
            removed.prepend(bbsID);
            junkaiList.removeAt(i);
        }
    }
    return removed;
}

} // namespace tavrel
