#pragma once

// Reading and writing XML property lists (Apple's form).
//
// Reading checks what the XML parser lets through: the bytes are valid UTF-8 with no NUL,
// every "&" starts a well-formed reference, containers nest at most `maxDepth` deep, and the
// root has the expected type. A file that fails any check is refused with a message and
// nothing of it is returned.
//
// Writing gives Apple's form byte for byte: XML header, DOCTYPE, tab indentation, <array/> and
// <dict/> for empty containers, keys in insertion order, only &, < and > escaped, a carriage
// return as &#13;. Files are replaced atomically (written, flushed and synced, then renamed).

#include "store/PlistValue.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <initializer_list>
#include <optional>

namespace tavrel {

class PropertyList
{
public:
    enum class Root
    {
        Any,
        Dictionary,
        Array,
    };

    static constexpr int maxDepth = 512;

    // Parses a whole property list. On failure returns nothing and, when `error` is given,
    // stores a message saying what is wrong (and where, as a byte offset, when known).
    static std::optional<PlistValue> parse(QByteArrayView bytes, QString* error = nullptr,
                                           Root root = Root::Any);
    // Reads and parses a file; the message then starts with the file's path.
    static std::optional<PlistValue> readFile(const QString& path, QString* error = nullptr,
                                              Root root = Root::Any);
    // A file whose root must be a dictionary.
    static std::optional<PlistDict> readDictionaryFile(const QString& path, QString* error = nullptr);

    static QByteArray serialize(const PlistValue& value);
    // Writes the whole file atomically; false (with a message) when it could not be written,
    // in which case the old file is left as it was.
    static bool writeFile(const QString& path, const PlistValue& value, QString* error = nullptr);
    // Writes already serialized bytes the same way.
    static bool writeBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);
    // The same for a file given in consecutive pieces.
    static bool writePieces(const QString& path, std::initializer_list<QByteArrayView> pieces,
                            QString* error = nullptr);
};

} // namespace tavrel
