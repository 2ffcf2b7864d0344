#include "store/AppendableBoardLog.h"

#include "store/BoardLogReader.h"
#include "store/MappedFile.h"
#include "store/PropertyList.h"

namespace tavrel {

std::optional<AppendableBoardLog> AppendableBoardLog::read(const QString& path, QString* error)
{
    return BoardLogReader::readAppendableFile(path, error);
}

void AppendableBoardLog::dropKeptRecords()
{
    m_keptSource.reset();
    m_keptFrom = 0;
    m_keptSize = 0;
    m_kept.clear();
}

bool AppendableBoardLog::takeKeptRecordsFrom(qsizetype index, QString* error)
{
    if (index >= m_kept.size())
        return true;
    const qsizetype offset = m_kept[index].offset;
    std::optional<BoardLogFile> tail = parseKept(offset, m_keptSize, error);
    if (!tail || tail->body().size() != m_kept.size() - index)
        return false;
    tail->body().append(std::move(m_file.body()));
    m_file.body() = std::move(tail->body());
    m_kept.resize(index);
    m_keptSize = offset;
    if (m_kept.isEmpty())
        dropKeptRecords();
    return true;
}

std::optional<MessageRecord> AppendableBoardLog::keptRecord(qsizetype index) const
{
    const qsizetype end = index + 1 < m_kept.size() ? m_kept[index + 1].offset : m_keptSize;
    std::optional<BoardLogFile> one = parseKept(m_kept[index].offset, end, nullptr);
    if (!one || one->body().size() != 1)
        return std::nullopt;
    return std::move(one->body().first());
}

std::optional<BoardLogFile> AppendableBoardLog::parseKept(qsizetype from, qsizetype to, QString* error) const
{
    // The records, read as the body of a file of their own.
    const QByteArray document =
        BoardLogFile().serializedStart() + keptRecords().sliced(from, to - from) + BoardLogFile::writtenEnd();
    return BoardLogFile::parse(document, error);
}

QByteArrayView AppendableBoardLog::keptRecords() const
{
    if (!m_keptSource)
        return {};
    return m_keptSource->bytes().sliced(m_keptFrom, m_keptSize);
}

std::pair<QByteArray, QByteArray> AppendableBoardLog::around() const
{
    if (m_kept.isEmpty())
        return {m_file.serialize(), QByteArray()};
    // Kept records exist only in a file holding nothing but header and body, so the new
    // records and the end follow the start of the body as the writer gives them.
    QByteArray start = m_file.serializedStart();
    if (m_file.body().isEmpty())
        return {std::move(start), BoardLogFile::writtenEnd().toByteArray()};
    return {std::move(start), m_file.serialize().sliced(start.size())};
}

QByteArray AppendableBoardLog::serialize() const
{
    const auto [start, rest] = around();
    return start + keptRecords() + rest;
}

bool AppendableBoardLog::write(const QString& path, QString* error) const
{
    const auto [start, rest] = around();
    return PropertyList::writePieces(path, {start, keptRecords(), rest}, error);
}

} // namespace tavrel
