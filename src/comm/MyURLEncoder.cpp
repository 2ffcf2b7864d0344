#include "MyURLEncoder.h"

#include "text/TextEncoding.h"

#include <QByteArray>

namespace tavrel {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr char kLineEnd[] = "%0D%0A";

} // namespace

MyURLEncoder::MyURLEncoder()
{
    init();
}

void MyURLEncoder::init()
{
    m_table.fill(0);
    for (int c = 'a'; c <= 'z'; ++c)
        m_table[c] = 1;
    for (int c = 'A'; c <= 'Z'; ++c)
        m_table[c] = 1;
    for (int c = '0'; c <= '9'; ++c)
        m_table[c] = 1;
    m_table[' '] = 1;
    m_table['\n'] = 1;
    m_table['\r'] = 1;
}

std::size_t MyURLEncoder::MyURLEncode(const unsigned char* src, std::size_t srclen, char* dst,
                                      std::size_t dstlimit) const
{
    std::size_t written = 0;
    const auto put = [&](const char* text) {
        for (; *text; ++text)
            dst[written++] = *text;
    };
    for (std::size_t i = 0; i < srclen; ++i) {
        const unsigned char b = src[i];
        if (b >= 0x80 || !m_table[b]) {
            dst[written++] = '%';
            dst[written++] = kHexDigits[b >> 4];
            dst[written++] = kHexDigits[b & 0x0F];
        } else if (b == ' ') {
            dst[written++] = '+';
        } else if (b == '\r') {
            put(kLineEnd);
            if (i + 1 < srclen && src[i + 1] == '\n')
                ++i;
        } else if (b == '\n') {
            put(kLineEnd);
        } else {
            dst[written++] = char(b);
        }
        // Compared without subtracting, so a limit below 10 stops after the first byte.
        if (written + 10 >= dstlimit)
            break;
    }
    dst[written] = '\0';
    return written;
}

QString MyURLEncoder::urlEncodeWithString(QStringView text) const
{
    QString copy = text.toString();
    copy.replace(QChar(0x00A5), QChar(u'\\'));
    QByteArray bytes = encoding::encodeCp932Lossy(copy);
    const qsizetype zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    if (bytes.isEmpty())
        return QString::fromLatin1(kLineEnd);

    const std::size_t n = std::size_t(bytes.size());
    QByteArray buffer(qsizetype(20 * n + 1), Qt::Uninitialized);
    const std::size_t length =
        MyURLEncode(reinterpret_cast<const unsigned char*>(bytes.constData()), n, buffer.data(), 10 * n);
    return QString::fromLatin1(buffer.constData(), qsizetype(length));
}

} // namespace tavrel
