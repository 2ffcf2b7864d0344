#pragma once

// Turns a loaded property-list document into a board log file, straight from the elements
// (no intermediate dictionaries), and finds where the header of a header-first file ends.

#include "store/AppendableBoardLog.h"
#include "store/BoardLogFile.h"
#include "store/PlistDocument.h"

#include <QByteArrayView>
#include <QString>

#include <memory>
#include <optional>

namespace tavrel {

class MappedFile;

class BoardLogReader
{
public:
    // The board log file held by `bytes`; nothing with a message when broken.
    static std::optional<BoardLogFile> read(QByteArray bytes, QString* error);
    // The same for a file; the message then starts with the file's path.
    static std::optional<BoardLogFile> readFile(const QString& path, QString* error);

    // A board log file read for adding records (see AppendableBoardLog); nothing with a
    // message starting with the file's path when broken.
    static std::optional<AppendableBoardLog> readAppendableFile(const QString& path, QString* error);

    // Given the start of a file, the length of the part that ends with the header's closing
    // tag, when the file is written header first; -1 when it is not (or not yet known: more
    // bytes may be needed, `needMore` then says so).
    static qsizetype headerEnd(QByteArrayView start, bool* needMore);
    // Parses such a prefix (closed here to a complete document) into a header.
    static std::optional<BoardLogHeader> readHeaderPrefix(QByteArrayView prefix, QString* error);
    // True when the end of a file looks like the end of a complete board log file.
    static bool endsComplete(QByteArrayView tail);

private:
    // Keeps the records of a file in the written form as bytes of `source` (the file the
    // document was parsed from); nothing when the file is in any other form or has a fault.
    static std::optional<AppendableBoardLog> keepRecords(const PlistDocument& document,
                                                         const std::shared_ptr<const MappedFile>& source);
    static std::optional<BoardLogFile> fromDocument(const PlistDocument& document, QString* error);
    template<typename Fields>
    static bool readFields(const PlistDocument& document, pugi::xml_node dict, int depth, Fields& fields,
                           QString* error);
};

} // namespace tavrel
