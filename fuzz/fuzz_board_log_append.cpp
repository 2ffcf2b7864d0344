// Adding to and sorting a board log file through its kept record bytes, on arbitrary files:
// whatever the whole reading accepts, the appending reading accepts too, and both write the
// same contents, before and after sorting and wherever the kept records are split; for a
// file in the form this program writes, the very same bytes.

#include "app/BoardLogSorting.h"
#include "store/AppendableBoardLog.h"
#include "store/BoardLogFile.h"
#include "store/PropertyList.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace tavrel;

namespace {

// Names the line of a failed check, then aborts.
void check(bool condition, int line = __builtin_LINE())
{
    if (!condition) {
        std::fprintf(stderr, "check failed at line %d\n", line);
        std::abort();
    }
}

// Equal bytes for a file in the written form, else the same board log read back.
void checkSame(const QByteArray& written, const QByteArray& expected, bool writtenForm,
               int line = __builtin_LINE())
{
    if (writtenForm) {
        check(written == expected, line);
        return;
    }
    const std::optional<BoardLogFile> a = BoardLogFile::parse(written);
    const std::optional<BoardLogFile> b = BoardLogFile::parse(expected);
    check(a && b && *a == *b, line);
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    check(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("board"));
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    check(PropertyList::writeBytes(path, bytes));

    std::optional<BoardLogFile> whole = BoardLogFile::read(path);
    std::optional<AppendableBoardLog> appending = AppendableBoardLog::read(path);
    check(whole.has_value() == appending.has_value());
    if (!whole)
        return 0;
    check(appending->recordCount() == whole->body().size());
    const bool writtenForm = bytes == whole->serialize();
    checkSame(appending->serialize(), whole->serialize(), writtenForm);

    // Split at a place the input chooses.
    const qsizetype kept = appending->keptRecordList().size();
    const qsizetype at = size > 0 ? qsizetype(data[size - 1]) % (kept + 1) : 0;
    check(appending->takeKeptRecordsFrom(at));
    checkSame(appending->serialize(), whole->serialize(), writtenForm);

    const SortingDefaults defaults{true, 30};
    BoardLogSorting::sort(*whole, defaults);
    if (BoardLogSorting::sortFile(path, defaults) == BoardLogSorting::Outcome::Sorted)
        checkSame(contents(path), whole->serialize(), writtenForm);
    return 0;
}
