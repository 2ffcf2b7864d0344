#pragma once

// A board log file read for adding records. When the file is laid out exactly as this
// program writes it (header, then the body, nothing else), its records are not turned into
// objects: their bytes are kept as they are, with their "Number" texts, and written back
// around the new header and after them the new records. The result is byte for byte what
// reading and writing the whole file would give, at little more than the cost of copying it.
// Any other file is read whole into `file`.

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

    // The "Number" texts of the records kept as bytes.
    const QList<QString>& keptNumbers() const { return m_keptNumbers; }
    qsizetype recordCount() const { return m_keptNumbers.size() + m_file.body().size(); }
    // Drops the kept records (the board starts afresh).
    void dropKeptRecords();

    QByteArray serialize() const;
    // Writes the file atomically, the kept records straight from where they were read.
    bool write(const QString& path, QString* error = nullptr) const;

private:
    friend class BoardLogReader;

    QByteArrayView keptRecords() const;
    // The written form around the kept records: up to them, and after them.
    std::pair<QByteArray, QByteArray> around() const;

    BoardLogFile m_file;
    // The file read; the records are the part at m_keptFrom.
    std::shared_ptr<const MappedFile> m_keptSource;
    qsizetype m_keptFrom = 0;
    qsizetype m_keptSize = 0;
    QList<QString> m_keptNumbers;
};

} // namespace tavrel
