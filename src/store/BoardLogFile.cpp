#include "store/BoardLogFile.h"

#include "store/BoardLogReader.h"
#include "store/PlistWriter.h"
#include "store/PropertyList.h"

#include <QFile>

namespace tavrel {

namespace {

bool setError(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

template<typename Fields>
void writeFields(PlistWriter& writer, const Fields& fields)
{
    writer.beginDict();
    for (int i = 0; i < Fields::keyCount; ++i) {
        const auto key = typename Fields::Key(i);
        if (fields.contains(key)) {
            writer.plainKey(Fields::keyName(key));
            writer.string(fields.value(key));
        }
    }
    for (const auto& [key, value] : fields.otherKeys()) {
        writer.key(key);
        writer.value(value);
    }
    writer.endDict();
}

// Room for the whole file: every text at up to three bytes a character, plus the tags.
qsizetype estimatedSize(const QList<MessageRecord>& body)
{
    qsizetype size = 4096;
    for (const MessageRecord& record : body) {
        size += 512;
        for (int i = 0; i < MessageRecord::keyCount; ++i)
            size += record.value(MessageRecord::Key(i)).size();
    }
    return size + size / 2;
}

} // namespace

std::optional<BoardLogFile> BoardLogFile::parse(QByteArrayView bytes, QString* error)
{
    return BoardLogReader::read(bytes.toByteArray(), error);
}

std::optional<BoardLogFile> BoardLogFile::read(const QString& path, QString* error)
{
    return BoardLogReader::readFile(path, error);
}

std::optional<BoardLogHeader> BoardLogFile::readHeader(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, path + u": " + file.errorString());
        return std::nullopt;
    }
    QByteArray start;
    qsizetype chunk = 16 * 1024;
    while (true) {
        start.append(file.read(chunk));
        if (file.error() != QFileDevice::NoError) {
            setError(error, path + u": " + file.errorString());
            return std::nullopt;
        }
        bool needMore = false;
        const qsizetype end = BoardLogReader::headerEnd(start, &needMore);
        if (end >= 0) {
            // A header-first file: check that it is complete, then read the header alone.
            const qint64 size = file.size();
            if (size >= start.size() && file.seek(qMax<qint64>(0, size - 64))) {
                const QByteArray tail = file.read(64);
                if (BoardLogReader::endsComplete(tail)) {
                    if (std::optional<BoardLogHeader> header =
                            BoardLogReader::readHeaderPrefix(start.left(end), nullptr))
                        return header;
                }
            }
            break; // something is odd: the whole reading tells what
        }
        if (!needMore || file.atEnd())
            break;
        chunk *= 2;
    }
    std::optional<BoardLogFile> log = read(path, error);
    if (!log)
        return std::nullopt;
    return std::move(log->header());
}

void BoardLogFile::writeStart(PlistWriter& writer) const
{
    writer.beginDict();
    writer.plainKey(QLatin1StringView("Header"));
    writeFields(writer, m_header);
    writer.plainKey(QLatin1StringView("Body"));
    writer.beginArray();
}

QByteArray BoardLogFile::serializedStart() const
{
    PlistWriter writer;
    writeStart(writer);
    writer.raw({});
    return writer.bytes();
}

QByteArray BoardLogFile::serialize(QByteArrayView keptRecords) const
{
    PlistWriter writer(estimatedSize(m_body) + keptRecords.size());
    writeStart(writer);
    if (!keptRecords.isEmpty())
        writer.raw(keptRecords);
    for (const MessageRecord& record : m_body)
        writeFields(writer, record);
    writer.endArray();
    for (const auto& [key, value] : m_otherRootKeys) {
        if (key == u"Header" || key == u"Body")
            continue;
        writer.key(key);
        writer.value(value);
    }
    writer.endDict();
    return writer.finish();
}

bool BoardLogFile::write(const QString& path, QString* error) const
{
    return PropertyList::writeBytes(path, serialize(), error);
}

int BoardLogFile::unreadCount() const
{
    int count = 0;
    for (const MessageRecord& record : m_body)
        count += record.isUnread();
    return count;
}

} // namespace tavrel
