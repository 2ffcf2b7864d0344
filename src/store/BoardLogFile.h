#pragma once

// A board log file: a property list whose root dictionary holds "Header" (a dictionary) and
// "Body" (an array of message records). Written with "Header" before "Body" so that the header
// can be read without parsing the body; any other root keys a file held are kept and written
// after them.

#include "store/BoardLogHeader.h"
#include "store/MessageRecord.h"
#include "store/PlistDict.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

namespace tavrel {

class PlistWriter;

class BoardLogFile
{
public:
    BoardLogFile() = default;

    // Reads a whole file; nothing, with a message naming the file and the fault, when it is
    // not a readable property-list dictionary with a dictionary "Header" and an array "Body"
    // of dictionaries (either may be absent).
    static std::optional<BoardLogFile> read(const QString& path, QString* error = nullptr);
    static std::optional<BoardLogFile> parse(QByteArrayView bytes, QString* error = nullptr);

    // Reads only the header. A file that begins with its header is read up to the end of the
    // header, and checked to end as a complete property list does; any other file is read
    // whole. Damage inside the body of a header-first file shows only at a full read.
    static std::optional<BoardLogHeader> readHeader(const QString& path, QString* error = nullptr);

    // `keptRecords`: records already in the written form, taken from a file written by this
    // program, which go before those of body().
    QByteArray serialize(QByteArrayView keptRecords = {}) const;
    // The written form up to and including the opening of a non-empty body, and after the
    // last record of a file without other root keys.
    QByteArray serializedStart() const;
    static QByteArrayView writtenEnd() { return "\t</array>\n</dict>\n</plist>\n"; }
    // Writes the whole file atomically; false with a message when it could not be written.
    bool write(const QString& path, QString* error = nullptr) const;

    const BoardLogHeader& header() const { return m_header; }
    BoardLogHeader& header() { return m_header; }
    const QList<MessageRecord>& body() const { return m_body; }
    QList<MessageRecord>& body() { return m_body; }
    // Root keys other than "Header" and "Body".
    const PlistDict& otherRootKeys() const { return m_otherRootKeys; }
    PlistDict& otherRootKeys() { return m_otherRootKeys; }

    // Whether the file read had a "Body" (a new or written file always has one).
    bool hasBody() const { return m_hasBody; }
    void setHasBody(bool has) { m_hasBody = has; }

    // The number of records whose "DontRead" is "YES".
    int unreadCount() const;

    friend bool operator==(const BoardLogFile& a, const BoardLogFile& b)
    {
        return a.m_header == b.m_header && a.m_body == b.m_body && a.m_otherRootKeys == b.m_otherRootKeys;
    }

private:
    friend class BoardLogReader;
    void writeStart(PlistWriter& writer) const;

    BoardLogHeader m_header;
    QList<MessageRecord> m_body;
    PlistDict m_otherRootKeys;
    bool m_hasBody = true;
};

} // namespace tavrel
