#include "app/BoardLogSorting.h"

#include "store/AppendableBoardLog.h"
#include "store/BoardLogFile.h"
#include "store/Comparisons.h"
#include "text/IntegerValue.h"

#include <QFileInfo>

#include <algorithm>
#include <climits>
#include <vector>

namespace tavrel {

namespace {

// How many of the kept records stay where they are when the board is sorted: a run from the
// start in strictly rising numbers, every later record numbered above its last. Only the
// records after it need reading.
qsizetype settledPrefix(const QList<AppendableBoardLog::KeptRecord>& kept)
{
    const qsizetype count = kept.size();
    std::vector<int> numbers(static_cast<size_t>(count));
    for (qsizetype i = 0; i < count; ++i)
        numbers[size_t(i)] = integerValue(kept[i].number);
    qsizetype rising = count > 0 ? 1 : 0;
    while (rising < count && numbers[size_t(rising)] > numbers[size_t(rising - 1)])
        ++rising;
    // The lowest number from each position on.
    std::vector<int> lowest(size_t(count) + 1, INT_MAX);
    for (qsizetype i = count - 1; i >= 0; --i)
        lowest[size_t(i)] = qMin(lowest[size_t(i) + 1], numbers[size_t(i)]);
    qsizetype prefix = rising;
    while (prefix > 0 && lowest[size_t(prefix)] <= numbers[size_t(prefix - 1)])
        --prefix;
    return prefix;
}

} // namespace

BoardLogSorting::Outcome BoardLogSorting::sortFile(const QString& path, const SortingDefaults& defaults,
                                                   QString* error)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        if (error)
            *error = path + QStringLiteral(": no such file");
        return Outcome::Missing;
    }
    std::optional<AppendableBoardLog> log = AppendableBoardLog::read(path, error);
    if (!log)
        return Outcome::Unreadable;
    if (!log->takeKeptRecordsFrom(settledPrefix(log->keptRecordList()))) {
        // Kept bytes that do not read alone: the whole file then.
        std::optional<BoardLogFile> whole = BoardLogFile::read(path, error);
        if (!whole)
            return Outcome::Unreadable;
        log.emplace(std::move(*whole));
    }
    sort(*log, defaults);
    return log->write(path, error) ? Outcome::Sorted : Outcome::NotWritten;
}

void BoardLogSorting::sort(BoardLogFile& log, const SortingDefaults& defaults)
{
    AppendableBoardLog whole(std::move(log));
    sort(whole, defaults);
    log = std::move(whole.file());
}

void BoardLogSorting::sort(AppendableBoardLog& log, const SortingDefaults& defaults)
{
    BoardLogHeader& header = log.file().header();
    QList<MessageRecord>& body = log.file().body();
    const QList<AppendableBoardLog::KeptRecord>& kept = log.keptRecordList();
    // A file read without a "Body" is written with an empty one.
    log.file().setHasBody(true);

    const auto keptUnread = std::count_if(kept.begin(), kept.end(), [](const auto& r) { return r.unread; });
    header.setMidokuSu(QString::number(qsizetype(keptUnread) + log.file().unreadCount()));
    // The kept records all come before the others in number order.
    sortByMessageNumber(body);

    if (header.contains(BoardLogHeader::Delete) && header.deleteFlag().isEmpty())
        header.setDeleteFlag(defaults.isSakujo ? QStringLiteral("YES") : QStringLiteral("NO"));
    if (header.contains(BoardLogHeader::DeleteDay) && header.deleteDay().isEmpty())
        header.setDeleteDay(QString::asprintf("%.0f", defaults.sakujoDay));

    if (header.contains(BoardLogHeader::NumberOfLastMes) && log.recordCount() > 0) {
        const QString& number = body.isEmpty() ? kept.last().number : body.last().number();
        const QString& date = body.isEmpty() ? kept.last().date : body.last().date();
        if (integerValue(header.numberOfLastMes()) < integerValue(number)) {
            header.setNumberOfLastMes(number);
            header.setDateOfLastMes(date);
        }
    }
}

} // namespace tavrel
