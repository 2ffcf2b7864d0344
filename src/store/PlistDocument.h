#pragma once

// A property-list file parsed by pugixml, with the checks the XML parser leaves out.
//
// `load` takes the bytes and parses them in place after checking that they are valid UTF-8
// without NUL bytes. The texts of elements are decoded here too: every "&" must start one of
// the five named references or a character reference to a character other than NUL or a
// surrogate. Readers that build values (the generic reader, the board log file reader) walk
// the elements from `rootValue` and decode texts through these helpers.

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <pugixml.hpp>

#include <optional>

namespace tavrel {

class PlistDocument
{
public:
    // The kinds of value element.
    enum class Element
    {
        Unknown,
        String,
        Integer,
        Real,
        True,
        False,
        Date,
        Data,
        Array,
        Dict,
        Key,
    };

    // Parses `bytes` (kept and changed in place). False with a message when broken.
    bool load(QByteArray bytes, QString* error);
    // Reads and parses a file; the message then starts with the file's path.
    bool loadFile(const QString& path, QString* error);
    // Where `node`'s tag starts in the bytes loaded (at its "<"), for elements.
    qsizetype offsetOf(pugi::xml_node element) const { return element.name() - 1 - m_bytes.constData(); }
    // The value element of the document: the one child of <plist>, or a bare top element.
    pugi::xml_node rootValue() const { return m_root; }

    static Element elementOf(pugi::xml_node node);
    // A message that names what is wrong and where it is.
    QString failure(pugi::xml_node node, const QString& what) const;
    QString failure(const QString& what) const { return failure(pugi::xml_node(), what); }

    // The text of a leaf element (string, key, integer, ...); nothing when a reference in it
    // is malformed or the element holds elements.
    static std::optional<QString> text(pugi::xml_node element);
    // Whether text() would give a text, without building it.
    static bool hasText(pugi::xml_node element);
    // The same, straight to UTF-8 (for the number, date and data elements).
    static std::optional<QByteArray> utf8Text(pugi::xml_node element);

    // Texts of the scalar elements.
    static std::optional<qint64> parseInteger(QByteArrayView text);
    static std::optional<double> parseReal(QByteArrayView text);
    static std::optional<QDateTime> parseDate(QByteArrayView text);
    static std::optional<QByteArray> parseData(QByteArrayView text);

    // True for a child that only holds white space between elements (skipped in containers).
    static bool isBlank(pugi::xml_node node);
    // True for a container that holds text of its own, other than white space (the parser
    // keeps the text an element holds before any child in the element itself).
    static bool holdsText(pugi::xml_node element);

    // Walks the key and value pairs of a <dict> element: `entry(key, valueNode)` gets the key
    // as UTF-8 with its references decoded. Stops at the first malformed pair, or when `entry`
    // returns false (having set `error` itself), and returns false.
    template<typename Entry>
    bool forEachEntry(pugi::xml_node dict, Entry&& entry, QString* error) const;

private:
    bool parse(QString* error);
    static bool isBlankText(const char* text);
    static bool keyBytes(pugi::xml_node key, QByteArrayView& bytes, QByteArray& buffer);

    QByteArray m_bytes;
    pugi::xml_document m_document;
    pugi::xml_node m_root;
};

template<typename Entry>
bool PlistDocument::forEachEntry(pugi::xml_node dict, Entry&& entry, QString* error) const
{
    pugi::xml_node key;
    QByteArray buffer;
    if (holdsText(dict)) {
        *error = failure(dict, QStringLiteral("text in <dict>"));
        return false;
    }
    for (pugi::xml_node child = dict.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element) {
            if (isBlank(child))
                continue;
            *error = failure(child, QStringLiteral("text in <dict>"));
            return false;
        }
        if (!key) {
            if (elementOf(child) != Element::Key) {
                *error = failure(child, QStringLiteral("a value without its <key> in <dict>"));
                return false;
            }
            key = child;
            continue;
        }
        QByteArrayView name;
        if (!keyBytes(key, name, buffer)) {
            *error = failure(key, QStringLiteral("a bare \"&\", a bad reference or an element in <key>"));
            return false;
        }
        if (!entry(name, child))
            return false;
        key = pugi::xml_node();
    }
    if (key) {
        *error = failure(key, QStringLiteral("a <key> without its value in <dict>"));
        return false;
    }
    return true;
}

} // namespace tavrel
