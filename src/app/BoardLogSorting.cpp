#include "app/BoardLogSorting.h"

#include "store/BoardLogFile.h"
#include "store/Comparisons.h"
#include "text/IntegerValue.h"

#include <QFileInfo>

namespace tavrel {

BoardLogSorting::Outcome BoardLogSorting::sortFile(const QString& path, const SortingDefaults& defaults,
                                                   QString* error)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        if (error)
            *error = path + QStringLiteral(": no such file");
        return Outcome::Missing;
    }
    std::optional<BoardLogFile> log = BoardLogFile::read(path, error);
    if (!log)
        return Outcome::Unreadable;
    sort(*log, defaults);
    return log->write(path, error) ? Outcome::Sorted : Outcome::NotWritten;
}

void BoardLogSorting::sort(BoardLogFile& log, const SortingDefaults& defaults)
{
    BoardLogHeader& header = log.header();
    QList<MessageRecord>& body = log.body();
    // A file read without a "Body" is written with an empty one.
    log.setHasBody(true);

    header.setMidokuSu(QString::number(log.unreadCount()));
    sortByMessageNumber(body);

    if (header.contains(BoardLogHeader::Delete) && header.deleteFlag().isEmpty())
        header.setDeleteFlag(defaults.isSakujo ? QStringLiteral("YES") : QStringLiteral("NO"));
    if (header.contains(BoardLogHeader::DeleteDay) && header.deleteDay().isEmpty())
        header.setDeleteDay(QString::asprintf("%.0f", defaults.sakujoDay));

    if (header.contains(BoardLogHeader::NumberOfLastMes) && !body.isEmpty()) {
        const MessageRecord& last = body.last();
        if (integerValue(header.numberOfLastMes()) < last.numberValue()) {
            header.setNumberOfLastMes(last.number());
            header.setDateOfLastMes(last.date());
        }
    }
}

} // namespace tavrel
