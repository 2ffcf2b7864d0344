#pragma once

// A board log file read for adding records. When the file is laid out as this program writes
// it (header, then the body, nothing else, in the writer's form around the records), its
// records are not turned into objects: their bytes are kept as they are, with what sorting
// and merging need, and written back around the new header and before the new records. For
// a file this program wrote, the result is byte for byte what reading and writing the whole
// file would give, at little more than the cost of copying it; for any other file it holds
// the same contents. Any other layout is read whole into `file`.

#include "store/BoardLogFile.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <optional>
#include <utility>

namespace tavrel {

class MappedFile;

class AppendableBoardLog
{
public:
    AppendableBoardLog() = default;
    explicit AppendableBoardLog(BoardLogFile file)
        : m_file(std::move(file))
    {}

    // Nothing, with a message naming the file and the fault, when the file is not a readable
    // board log file (the same files BoardLogFile::read refuses).
    static std::optional<AppendableBoardLog> read(const QString& path, QString* error = nullptr);

    // The header and the records added (or, for a file read whole, all records).
    BoardLogFile& file() { return m_file; }
    const BoardLogFile& file() const { return m_file; }

    // What is known of a record kept as bytes.
    struct KeptRecord
    {
        QString number;
        QString date;
        // "DontRead" is exactly "YES".
        bool unread = false;
        // Where its bytes start among the kept records'.
        qsizetype offset = 0;
    };
    // The records kept as bytes, which come before those of file().body().
    const QList<KeptRecord>& keptRecordList() const { return m_kept; }
    qsizetype recordCount() const { return m_kept.size() + m_file.body().size(); }
    // Drops the kept records (the board starts afresh).
    void dropKeptRecords();
    // The kept record at `index`, read alone; nothing when it cannot be read.
    std::optional<MessageRecord> keptRecord(qsizetype index) const;
    // Reads the kept records from `index` on into file().body(), in front of the records
    // there; false (and nothing changed) when they cannot be read.
    bool takeKeptRecordsFrom(qsizetype index, QString* error = nullptr);

    QByteArray serialize() const;
    // Writes the file atomically, the kept records straight from where they were read.
    bool write(const QString& path, QString* error = nullptr) const;

private:
    friend class BoardLogReader;

    QByteArrayView keptRecords() const;
    // The kept records between two offsets, as the body of a file of their own.
    std::optional<BoardLogFile> parseKept(qsizetype from, qsizetype to, QString* error) const;
    // The written form around the kept records: up to them, and after them.
    std::pair<QByteArray, QByteArray> around() const;

    BoardLogFile m_file;
    // The file read; the records are the part at m_keptFrom.
    std::shared_ptr<const MappedFile> m_keptSource;
    qsizetype m_keptFrom = 0;
    qsizetype m_keptSize = 0;
    QList<KeptRecord> m_kept;
};

} // namespace tavrel
