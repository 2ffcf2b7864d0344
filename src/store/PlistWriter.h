#pragma once

// Writes a property list in Apple's XML form, one element at a time, into a byte array:
// XML header and DOCTYPE, tab indentation, <dict/> and <array/> for empty containers, only &,
// < and > escaped in texts, a carriage return as &#13; (so that it survives any XML reader).
// NUL characters cannot be held by an XML file and are left out.

#include "store/PlistValue.h"

#include <QByteArray>
#include <QDateTime>
#include <QLatin1StringView>
#include <QString>

namespace tavrel {

class PlistWriter
{
public:
    // Starts the document: XML header, DOCTYPE and <plist>. `sizeHint` reserves room.
    explicit PlistWriter(qsizetype sizeHint = 0);

    void beginDict();
    void endDict();
    void beginArray();
    void endArray();
    void key(QStringView key);
    // A key known to hold only ASCII characters that need no escaping.
    void plainKey(QLatin1StringView key);
    // Shorthand for a key followed by a string.
    void entry(QStringView key, QStringView text)
    {
        this->key(key);
        string(text);
    }
    void string(QStringView text);
    void integer(qint64 number);
    void real(double number);
    void boolean(bool flag);
    void date(const QDateTime& date);
    void data(const QByteArray& bytes);
    // Any value, containers included.
    void value(const PlistValue& value);
    // Elements already in this writer's form at the current depth, copied as they are (an
    // open container counts as not empty from here on).
    void raw(QByteArrayView elements);
    // What has been written so far.
    const QByteArray& bytes() const { return m_out; }

    // Closes <plist> and hands over the bytes.
    QByteArray finish();

    // The escaped UTF-8 form of a text, as written between tags.
    static void appendEscaped(QByteArray& out, QStringView text);

private:
    void openElement(const char* tag, qsizetype length);
    void closeContainer(const char* tag, qsizetype length);
    void leaf(const char* open, qsizetype openLength, QByteArrayView body, const char* close,
              qsizetype closeLength);
    void indent();
    void settlePending();

    QByteArray m_out;
    int m_depth = 0;
    // An opening tag still missing its ">": it becomes "/>" when the container stays empty.
    bool m_pending = false;
};

} // namespace tavrel
