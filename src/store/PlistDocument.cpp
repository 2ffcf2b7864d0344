#include "store/PlistDocument.h"

#include "store/Utf8Check.h"

#include <QFile>
#include <QTimeZone>

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace tavrel {

namespace {

// Text that an element holds alone is kept in the element itself (parse_embed_pcdata), which
// halves the nodes of a typical file.
constexpr unsigned parseOptions = pugi::parse_cdata | pugi::parse_ws_pcdata_single | pugi::parse_embed_pcdata;

bool isXmlSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

QByteArrayView trimmed(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isXmlSpace(text[begin]))
        ++begin;
    while (end > begin && isXmlSpace(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

char* putUtf8(char* out, char32_t c)
{
    if (c < 0x80) {
        *out++ = char(c);
    } else if (c < 0x800) {
        *out++ = char(0xC0 | (c >> 6));
        *out++ = char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *out++ = char(0xE0 | (c >> 12));
        *out++ = char(0x80 | ((c >> 6) & 0x3F));
        *out++ = char(0x80 | (c & 0x3F));
    } else {
        *out++ = char(0xF0 | (c >> 18));
        *out++ = char(0x80 | ((c >> 12) & 0x3F));
        *out++ = char(0x80 | ((c >> 6) & 0x3F));
        *out++ = char(0x80 | (c & 0x3F));
    }
    return out;
}

// Reads the reference that starts at `p` (an "&"), writes its character at `out` (never
// longer than the reference) and moves both past. False when the reference is malformed or
// names a character no file may hold.
bool decodeReference(const char*& p, const char* end, char*& out)
{
    const char* semicolon = p + 1;
    while (semicolon < end && *semicolon != ';' && semicolon - p <= 12)
        ++semicolon;
    if (semicolon >= end || *semicolon != ';')
        return false;
    const QByteArrayView name(p + 1, semicolon - p - 1);
    p = semicolon + 1;
    if (name == "amp")
        *out++ = '&';
    else if (name == "lt")
        *out++ = '<';
    else if (name == "gt")
        *out++ = '>';
    else if (name == "quot")
        *out++ = '"';
    else if (name == "apos")
        *out++ = '\'';
    else if (name.size() >= 2 && name[0] == '#') {
        const bool hex = name[1] == 'x';
        const QByteArrayView digits = name.sliced(hex ? 2 : 1);
        if (digits.isEmpty())
            return false;
        quint32 c = 0;
        const auto [last, ec] =
            std::from_chars(digits.data(), digits.data() + digits.size(), c, hex ? 16 : 10);
        if (ec != std::errc() || last != digits.data() + digits.size())
            return false;
        if (c == 0 || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
        out = putUtf8(out, c);
    } else {
        return false;
    }
    return true;
}

// Appends the text of one character-data node with its references decoded.
bool appendDecoded(QByteArrayView text, QByteArray& out)
{
    const qsizetype start = out.size();
    out.resize(start + text.size()); // decoding never lengthens a text
    char* const begin = out.data() + start;
    char* dst = begin;
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        const char* amp = static_cast<const char*>(std::memchr(p, '&', size_t(end - p)));
        if (!amp)
            amp = end;
        std::memcpy(dst, p, size_t(amp - p));
        dst += amp - p;
        p = amp;
        if (p < end && !decodeReference(p, end, dst))
            return false;
    }
    out.resize(start + (dst - begin));
    return true;
}

bool setError(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

QString badByteMessage(QByteArrayView bytes, qsizetype at)
{
    if (bytes.at(at) == 0)
        return QStringLiteral("NUL byte at byte %1").arg(at);
    return QStringLiteral("the file is not valid UTF-8 at byte %1").arg(at);
}

QByteArrayView valueOf(pugi::xml_node node)
{
    const char* value = node.value();
    return QByteArrayView(value, qsizetype(std::strlen(value)));
}

// Small texts that recur in every record share one copy.
QString sharedText(QByteArrayView text)
{
    static const QString yes = QStringLiteral("YES");
    static const QString no = QStringLiteral("NO");
    static const QString del = QStringLiteral("DEL");
    static const QString zero = QStringLiteral("0");
    switch (text.size()) {
    case 0:
        return QString();
    case 1:
        if (text[0] == '0')
            return zero;
        break;
    case 2:
        if (text == "NO")
            return no;
        break;
    case 3:
        if (text == "YES")
            return yes;
        if (text == "DEL")
            return del;
        break;
    default:
        break;
    }
    // The conversion reserves a character for every byte; Japanese text needs a third of
    // that, and the rest would stay allocated for as long as the record lives.
    QString converted = QString::fromUtf8(text);
    if (converted.capacity() - converted.size() > 32)
        converted.squeeze();
    return converted;
}

bool twoDigits(QByteArrayView text, qsizetype at, int& value)
{
    if (at + 2 > text.size() || !std::isdigit(uchar(text[at])) || !std::isdigit(uchar(text[at + 1])))
        return false;
    value = (text[at] - '0') * 10 + (text[at + 1] - '0');
    return true;
}

} // namespace

bool PlistDocument::load(QByteArray bytes, QString* error)
{
    m_bytes.clear();
    const qsizetype bad = Utf8Check::firstBadByte(bytes);
    if (bad >= 0)
        return setError(error, badByteMessage(bytes, bad));
    m_bytes = std::move(bytes);
    return parse(error);
}

bool PlistDocument::loadFile(const QString& path, QString* error)
{
    m_bytes.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return setError(error, path + u": " + file.errorString());
    // Read in pieces, each checked while it is fresh in the cache.
    constexpr qsizetype piece = 1 << 20;
    const qint64 expected = file.size();
    QByteArray bytes;
    Utf8Check check;
    if (expected > 0 && expected < qint64(std::numeric_limits<qsizetype>::max() / 2))
        bytes.resize(qsizetype(expected));
    qsizetype filled = 0;
    while (true) {
        if (filled == bytes.size())
            bytes.resize(filled + piece);
        const qint64 got = file.read(bytes.data() + filled, qMin(piece, bytes.size() - filled));
        if (got < 0)
            return setError(error, path + u": " + file.errorString());
        filled += qsizetype(got);
        const bool final = got == 0;
        if (!check.advance(QByteArrayView(bytes.constData(), filled), final)) {
            bytes.resize(filled);
            return setError(error, path + u": " + badByteMessage(bytes, check.badOffset()));
        }
        if (final)
            break;
    }
    bytes.resize(filled);
    m_bytes = std::move(bytes);
    if (!parse(error)) {
        if (error)
            *error = path + u": " + *error;
        return false;
    }
    return true;
}

bool PlistDocument::parse(QString* error)
{
    auto fail = [error](const QString& message) { return setError(error, message); };
    m_root = pugi::xml_node();
    m_document.reset();
    if (m_bytes.isEmpty())
        return fail(QStringLiteral("the file is empty"));

    char* data = m_bytes.data();
    qsizetype size = m_bytes.size();
    if (m_bytes.startsWith("\xEF\xBB\xBF")) {
        data += 3;
        size -= 3;
    }
    const pugi::xml_parse_result result =
        m_document.load_buffer_inplace(data, size_t(size), parseOptions, pugi::encoding_utf8);
    if (!result) {
        return fail(QStringLiteral("malformed XML at byte %1: %2")
                        .arg(qsizetype(result.offset) + (data - m_bytes.data()))
                        .arg(QString::fromUtf8(result.description())));
    }

    pugi::xml_node top;
    for (pugi::xml_node node : m_document.children()) {
        if (node.type() == pugi::node_element) {
            if (top)
                return fail(failure(node, QStringLiteral("more than one top element")));
            top = node;
        } else if (!isBlank(node)) {
            return fail(failure(node, QStringLiteral("text outside the top element")));
        }
    }
    if (!top)
        return fail(QStringLiteral("no property list in the file"));
    if (std::strcmp(top.name(), "plist") != 0) {
        m_root = top;
        return true;
    }
    if (holdsText(top))
        return fail(failure(top, QStringLiteral("text in <plist>")));
    for (pugi::xml_node node : top.children()) {
        if (node.type() == pugi::node_element) {
            if (m_root)
                return fail(failure(node, QStringLiteral("more than one value in <plist>")));
            m_root = node;
        } else if (!isBlank(node)) {
            return fail(failure(node, QStringLiteral("text in <plist>")));
        }
    }
    if (!m_root)
        return fail(QStringLiteral("the property list is empty"));
    return true;
}

PlistDocument::Element PlistDocument::elementOf(pugi::xml_node node)
{
    if (node.type() != pugi::node_element)
        return Element::Unknown;
    const char* name = node.name();
    switch (name[0]) {
    case 's':
        return std::strcmp(name, "string") == 0 ? Element::String : Element::Unknown;
    case 'k':
        return std::strcmp(name, "key") == 0 ? Element::Key : Element::Unknown;
    case 'd':
        if (std::strcmp(name, "dict") == 0)
            return Element::Dict;
        if (std::strcmp(name, "date") == 0)
            return Element::Date;
        if (std::strcmp(name, "data") == 0)
            return Element::Data;
        return Element::Unknown;
    case 'a':
        return std::strcmp(name, "array") == 0 ? Element::Array : Element::Unknown;
    case 'i':
        return std::strcmp(name, "integer") == 0 ? Element::Integer : Element::Unknown;
    case 'r':
        return std::strcmp(name, "real") == 0 ? Element::Real : Element::Unknown;
    case 't':
        return std::strcmp(name, "true") == 0 ? Element::True : Element::Unknown;
    case 'f':
        return std::strcmp(name, "false") == 0 ? Element::False : Element::Unknown;
    default:
        return Element::Unknown;
    }
}

QString PlistDocument::failure(pugi::xml_node node, const QString& what) const
{
    if (!node)
        return what;
    const ptrdiff_t offset = node.offset_debug();
    if (offset < 0)
        return what;
    const qsizetype bom = m_bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    return QStringLiteral("%1 at byte %2").arg(what).arg(qsizetype(offset) + bom);
}

std::optional<QByteArray> PlistDocument::utf8Text(pugi::xml_node element)
{
    QByteArray out;
    // Text kept in the element comes before any child.
    if (!appendDecoded(valueOf(element), out))
        return std::nullopt;
    for (pugi::xml_node child : element.children()) {
        switch (child.type()) {
        case pugi::node_pcdata:
            if (!appendDecoded(valueOf(child), out))
                return std::nullopt;
            break;
        case pugi::node_cdata:
            out.append(valueOf(child));
            break;
        case pugi::node_element:
            return std::nullopt;
        default:
            break;
        }
    }
    return out;
}

std::optional<QString> PlistDocument::text(pugi::xml_node element)
{
    // The usual case: one run of text kept in the element, most often without any reference.
    if (!element.first_child()) {
        const QByteArrayView value = valueOf(element);
        if (!value.contains('&'))
            return sharedText(value);
    }
    std::optional<QByteArray> bytes = utf8Text(element);
    if (!bytes)
        return std::nullopt;
    return sharedText(*bytes);
}

bool PlistDocument::hasText(pugi::xml_node element)
{
    if (!element.first_child() && !valueOf(element).contains('&'))
        return true;
    return utf8Text(element).has_value();
}

bool PlistDocument::keyBytes(pugi::xml_node key, QByteArrayView& bytes, QByteArray& buffer)
{
    if (!key.first_child()) {
        bytes = valueOf(key);
        if (!bytes.contains('&'))
            return true;
    }
    std::optional<QByteArray> decoded = utf8Text(key);
    if (!decoded)
        return false;
    buffer = std::move(*decoded);
    bytes = buffer;
    return true;
}

std::optional<qint64> PlistDocument::parseInteger(QByteArrayView text)
{
    text = trimmed(text);
    int base = 10;
    if (text.startsWith("0x") || text.startsWith("0X")) {
        base = 16;
        text = text.sliced(2);
    }
    bool negative = false;
    if (base == 10 && !text.isEmpty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text = text.sliced(1);
    }
    if (text.isEmpty())
        return std::nullopt;
    quint64 magnitude = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    constexpr quint64 maxPositive = quint64(std::numeric_limits<qint64>::max());
    if (negative) {
        if (magnitude > maxPositive + 1)
            return std::nullopt;
        return qint64(0 - magnitude);
    }
    if (magnitude > maxPositive)
        return std::nullopt;
    return qint64(magnitude);
}

std::optional<double> PlistDocument::parseReal(QByteArrayView text)
{
    text = trimmed(text);
    if (text.isEmpty())
        return std::nullopt;
    QByteArrayView body = text;
    double sign = 1.0;
    if (body[0] == '+' || body[0] == '-') {
        sign = body[0] == '-' ? -1.0 : 1.0;
        body = body.sliced(1);
    }
    const QByteArray lower = body.toByteArray().toLower();
    if (lower == "nan")
        return std::numeric_limits<double>::quiet_NaN();
    if (lower == "inf" || lower == "infinity")
        return sign * std::numeric_limits<double>::infinity();
    if (body.isEmpty() || body[0] == '+' || body[0] == '-')
        return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(body.data(), body.data() + body.size(), value);
    if (ec != std::errc() || end != body.data() + body.size())
        return std::nullopt;
    return sign * value;
}

std::optional<QDateTime> PlistDocument::parseDate(QByteArrayView text)
{
    // YYYY[-MM[-DD[THH[:MM[:SS]]]]]Z, always in UTC.
    text = trimmed(text);
    if (text.size() < 5 || !text.endsWith('Z'))
        return std::nullopt;
    text.chop(1);
    int year = 0;
    for (qsizetype i = 0; i < 4; ++i) {
        if (!std::isdigit(uchar(text[i])))
            return std::nullopt;
        year = year * 10 + (text[i] - '0');
    }
    int fields[5] = {1, 1, 0, 0, 0};
    const char separators[5] = {'-', '-', 'T', ':', ':'};
    qsizetype at = 4;
    for (int f = 0; f < 5 && at < text.size(); ++f) {
        if (text[at] != separators[f] || !twoDigits(text, at + 1, fields[f]))
            return std::nullopt;
        at += 3;
    }
    if (at != text.size())
        return std::nullopt;
    const QDate date(year, fields[0], fields[1]);
    const QTime time(fields[2], fields[3], fields[4]);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, QTimeZone::utc());
}

std::optional<QByteArray> PlistDocument::parseData(QByteArrayView text)
{
    QByteArray compact;
    compact.reserve(text.size());
    for (char c : text) {
        if (!isXmlSpace(c))
            compact.append(c);
    }
    auto result = QByteArray::fromBase64Encoding(compact, QByteArray::AbortOnBase64DecodingErrors);
    if (!result)
        return std::nullopt;
    return std::move(*result);
}

bool PlistDocument::isBlank(pugi::xml_node node)
{
    if (node.type() != pugi::node_pcdata)
        return node.type() != pugi::node_cdata && node.type() != pugi::node_element;
    return isBlankText(node.value());
}

bool PlistDocument::holdsText(pugi::xml_node element)
{
    return !isBlankText(element.value());
}

bool PlistDocument::isBlankText(const char* text)
{
    for (const char* c = text; *c; ++c) {
        if (!isXmlSpace(*c))
            return false;
    }
    return true;
}

} // namespace tavrel
