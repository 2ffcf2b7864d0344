#include "store/PlistWriter.h"

#include <QTimeZone>

#include <charconv>
#include <cmath>

namespace tavrel {

namespace {

constexpr QByteArrayView documentStart = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                         "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                                         "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                                         "<plist version=\"1.0\">\n";

// ASCII characters that are not copied as they are.
constexpr bool isSpecial(char16_t c)
{
    return c == u'&' || c == u'<' || c == u'>' || c == u'\r' || c == 0;
}

// Makes room for `extra` more bytes past the current size, growing geometrically.
char* grow(QByteArray& out, qsizetype extra)
{
    const qsizetype size = out.size();
    const qsizetype needed = size + extra;
    if (needed > out.capacity())
        out.reserve(qMax(needed, out.capacity() * 2));
    out.resize(needed);
    return out.data() + size;
}

} // namespace

PlistWriter::PlistWriter(qsizetype sizeHint)
{
    m_out.reserve(qMax<qsizetype>(sizeHint, 1024));
    m_out.append(documentStart);
}

void PlistWriter::appendEscaped(QByteArray& out, QStringView text)
{
    const qsizetype start = out.size();
    // At most five bytes for one UTF-16 unit ("&amp;", "&#13;").
    char* const begin = grow(out, text.size() * 5);
    char* dst = begin;
    const char16_t* src = text.utf16();
    const char16_t* const end = src + text.size();
    while (src < end) {
        const char16_t c = *src++;
        if (c < 0x80) {
            if (!isSpecial(c)) {
                *dst++ = char(c);
                continue;
            }
            switch (c) {
            case u'&':
                std::memcpy(dst, "&amp;", 5);
                dst += 5;
                break;
            case u'<':
                std::memcpy(dst, "&lt;", 4);
                dst += 4;
                break;
            case u'>':
                std::memcpy(dst, "&gt;", 4);
                dst += 4;
                break;
            case u'\r':
                std::memcpy(dst, "&#13;", 5);
                dst += 5;
                break;
            default: // NUL: no XML file can hold it
                break;
            }
        } else if (c < 0x800) {
            *dst++ = char(0xC0 | (c >> 6));
            *dst++ = char(0x80 | (c & 0x3F));
        } else if (c >= 0xD800 && c <= 0xDBFF && src < end && *src >= 0xDC00 && *src <= 0xDFFF) {
            const char32_t u = 0x10000 + ((char32_t(c) - 0xD800) << 10) + (char32_t(*src++) - 0xDC00);
            *dst++ = char(0xF0 | (u >> 18));
            *dst++ = char(0x80 | ((u >> 12) & 0x3F));
            *dst++ = char(0x80 | ((u >> 6) & 0x3F));
            *dst++ = char(0x80 | (u & 0x3F));
        } else {
            // A lone surrogate has no UTF-8 form: it becomes the replacement character.
            const char32_t u = (c >= 0xD800 && c <= 0xDFFF) ? 0xFFFD : c;
            *dst++ = char(0xE0 | (u >> 12));
            *dst++ = char(0x80 | ((u >> 6) & 0x3F));
            *dst++ = char(0x80 | (u & 0x3F));
        }
    }
    out.resize(start + (dst - begin));
}

void PlistWriter::indent()
{
    char* dst = grow(m_out, m_depth);
    std::memset(dst, '\t', size_t(m_depth));
}

void PlistWriter::settlePending()
{
    if (m_pending) {
        m_out.append(">\n", 2);
        m_pending = false;
    }
}

void PlistWriter::openElement(const char* tag, qsizetype length)
{
    settlePending();
    indent();
    m_out.append(tag, length);
    m_pending = true;
    ++m_depth;
}

void PlistWriter::closeContainer(const char* tag, qsizetype length)
{
    --m_depth;
    if (m_pending) {
        m_out.append("/>\n", 3);
        m_pending = false;
        return;
    }
    indent();
    m_out.append(tag, length);
}

void PlistWriter::beginDict()
{
    openElement("<dict", 5);
}

void PlistWriter::endDict()
{
    closeContainer("</dict>\n", 8);
}

void PlistWriter::beginArray()
{
    openElement("<array", 6);
}

void PlistWriter::endArray()
{
    closeContainer("</array>\n", 9);
}

void PlistWriter::leaf(const char* open, qsizetype openLength, QByteArrayView body, const char* close,
                       qsizetype closeLength)
{
    settlePending();
    indent();
    m_out.append(open, openLength);
    m_out.append(body);
    m_out.append(close, closeLength);
}

void PlistWriter::key(QStringView key)
{
    settlePending();
    indent();
    m_out.append("<key>", 5);
    appendEscaped(m_out, key);
    m_out.append("</key>\n", 7);
}

void PlistWriter::plainKey(QLatin1StringView key)
{
    settlePending();
    indent();
    m_out.append("<key>", 5);
    m_out.append(key.data(), key.size());
    m_out.append("</key>\n", 7);
}

void PlistWriter::string(QStringView text)
{
    settlePending();
    indent();
    m_out.append("<string>", 8);
    appendEscaped(m_out, text);
    m_out.append("</string>\n", 10);
}

void PlistWriter::integer(qint64 number)
{
    leaf("<integer>", 9, QByteArray::number(number), "</integer>\n", 11);
}

void PlistWriter::real(double number)
{
    if (std::isnan(number)) {
        leaf("<real>", 6, "nan", "</real>\n", 8);
    } else if (std::isinf(number)) {
        leaf("<real>", 6, number > 0 ? "+infinity" : "-infinity", "</real>\n", 8);
    } else {
        char buffer[32];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
        leaf("<real>", 6, QByteArrayView(buffer, result.ptr - buffer), "</real>\n", 8);
    }
}

void PlistWriter::boolean(bool flag)
{
    settlePending();
    indent();
    if (flag)
        m_out.append("<true/>\n", 8);
    else
        m_out.append("<false/>\n", 9);
}

void PlistWriter::date(const QDateTime& date)
{
    const QDateTime utc = date.toTimeZone(QTimeZone::utc());
    if (!utc.isValid() || utc.date().year() < 1 || utc.date().year() > 9999) {
        // No date element can hold it; an empty text keeps the file readable.
        string(QStringView());
        return;
    }
    const QByteArray text = utc.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ")).toLatin1();
    leaf("<date>", 6, text, "</date>\n", 8);
}

void PlistWriter::data(const QByteArray& bytes)
{
    // Lines of base64 at the element's own indentation, shorter the deeper it stands (a tab
    // counting eight columns), as Apple's writer does.
    settlePending();
    indent();
    m_out.append("<data>\n", 7);
    const qsizetype lineLength = qMax<qsizetype>(16, 76 - 8 * m_depth);
    const qsizetype chunk = lineLength / 4 * 3;
    for (qsizetype at = 0; at < bytes.size(); at += chunk) {
        indent();
        m_out.append(bytes.mid(at, chunk).toBase64());
        m_out.append('\n');
    }
    indent();
    m_out.append("</data>\n", 8);
}

void PlistWriter::value(const PlistValue& value)
{
    switch (value.type()) {
    case PlistValue::Type::Invalid:
        string(QStringView());
        break;
    case PlistValue::Type::String:
        string(value.toString());
        break;
    case PlistValue::Type::Integer:
        integer(value.toInteger());
        break;
    case PlistValue::Type::Real:
        real(value.toReal());
        break;
    case PlistValue::Type::Bool:
        boolean(value.toBool());
        break;
    case PlistValue::Type::Date:
        date(value.toDate());
        break;
    case PlistValue::Type::Data:
        data(value.toData());
        break;
    case PlistValue::Type::Array:
        beginArray();
        for (const PlistValue& item : value.toArray())
            this->value(item);
        endArray();
        break;
    case PlistValue::Type::Dict:
        beginDict();
        for (const auto& [name, item] : value.toDict()) {
            key(name);
            this->value(item);
        }
        endDict();
        break;
    }
}

void PlistWriter::raw(QByteArrayView elements)
{
    settlePending();
    m_out.append(elements);
}

QByteArray PlistWriter::finish()
{
    settlePending();
    m_out.append("</plist>\n", 9);
    return std::move(m_out);
}

} // namespace tavrel
