#include "TextEncoding.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>

namespace tavrel::encoding {
namespace {

// One iconv conversion descriptor, closed on scope exit.
class Converter
{
public:
    Converter(const char* to, const char* from)
        : m_cd(iconv_open(to, from))
    {}
    ~Converter()
    {
        if (valid())
            iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t handle() const { return m_cd; }
    void reset() { iconv(m_cd, nullptr, nullptr, nullptr, nullptr); }

private:
    iconv_t m_cd;
};

// QString's code units in iconv's name for them.
constexpr const char* nativeUtf16 = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? "UTF-16LE" : "UTF-16BE";

enum class OnError
{
    Fail,
    SkipByte,
};

// Decodes to UTF-16 (native order) through iconv.
std::optional<QString> decodeWith(const char* from, QByteArrayView bytes, OnError onError)
{
    Converter cd(nativeUtf16, from);
    if (!cd.valid())
        return std::nullopt;
    QString out;
    out.resize(bytes.size() + 16);
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = size_t(bytes.size());
    char* outPtr = reinterpret_cast<char*>(out.data());
    size_t outLeft = size_t(out.size()) * 2;
    const auto used = [&] { return qsizetype((reinterpret_cast<QChar*>(outPtr) - out.data())); };
    while (true) {
        const size_t rc = in ? iconv(cd.handle(), &in, &inLeft, &outPtr, &outLeft)
                             : iconv(cd.handle(), nullptr, nullptr, &outPtr, &outLeft);
        if (rc != size_t(-1)) {
            if (!in)
                break;
            in = nullptr; // flush the shift state
            continue;
        }
        if (errno == E2BIG) {
            const qsizetype done = used();
            out.resize(out.size() * 2);
            outPtr = reinterpret_cast<char*>(out.data() + done);
            outLeft = size_t(out.size() - done) * 2;
            continue;
        }
        // EILSEQ or EINVAL: an invalid or truncated sequence.
        if (onError == OnError::Fail || !in)
            return std::nullopt;
        ++in;
        --inLeft;
        if (inLeft == 0)
            in = nullptr;
    }
    out.truncate(used());
    return out;
}

std::optional<QByteArray> encodeWith(const char* to, QStringView text, bool lossy)
{
    Converter cd(to, nativeUtf16);
    if (!cd.valid())
        return std::nullopt;
    QByteArray out;
    out.resize(text.size() * 2 + 16);
    char* in = reinterpret_cast<char*>(const_cast<QChar*>(text.data()));
    size_t inLeft = size_t(text.size()) * 2;
    char* outPtr = out.data();
    size_t outLeft = size_t(out.size());
    while (true) {
        const size_t rc = in ? iconv(cd.handle(), &in, &inLeft, &outPtr, &outLeft)
                             : iconv(cd.handle(), nullptr, nullptr, &outPtr, &outLeft);
        if (rc != size_t(-1)) {
            if (!in)
                break;
            in = nullptr;
            continue;
        }
        if (errno == E2BIG) {
            const qsizetype done = outPtr - out.data();
            out.resize(out.size() * 2);
            outPtr = out.data() + done;
            outLeft = size_t(out.size() - done);
            continue;
        }
        if (!lossy || !in || inLeft < 2)
            return std::nullopt;
        // Replace the character (both halves of a surrogate pair, a lone half alone) by "?".
        char16_t units[2] = {};
        std::memcpy(units, in, inLeft >= 4 ? 4 : 2);
        const bool pair = inLeft >= 4 && QChar::isHighSurrogate(units[0]) && QChar::isLowSurrogate(units[1]);
        const size_t width = pair ? 4 : 2;
        if (outLeft < 1) {
            const qsizetype done = outPtr - out.data();
            out.resize(out.size() * 2);
            outPtr = out.data() + done;
            outLeft = size_t(out.size() - done);
        }
        *outPtr++ = '?';
        --outLeft;
        in += width;
        inLeft -= width;
        if (inLeft == 0)
            in = nullptr;
    }
    out.truncate(outPtr - out.data());
    return out;
}

} // namespace

std::optional<QString> decodeCp932(QByteArrayView bytes)
{
    return decodeWith("CP932", bytes, OnError::Fail);
}

std::optional<QString> decodeShiftJisX0213(QByteArrayView bytes)
{
    auto text = decodeWith("SHIFT_JISX0213", bytes, OnError::Fail);
    // iconv reads the single bytes 0x5C and 0x7E as the yen sign and the overline, which
    // this form gives no other byte sequence; the service's pages mean ASCII there (markup,
    // URLs with "~"), as CP932 reads them.
    if (text) {
        text->replace(QChar(0x00A5), u'\\');
        text->replace(QChar(0x203E), u'~');
    }
    return text;
}

std::optional<QString> decodeIso2022Jp(QByteArrayView bytes)
{
    return decodeWith("ISO-2022-JP", bytes, OnError::Fail);
}

std::optional<QString> decodeShiftJis(QByteArrayView bytes)
{
    if (auto text = decodeCp932(bytes))
        return text;
    return decodeShiftJisX0213(bytes);
}

std::optional<QString> decode(QByteArrayView bytes, Charset charset)
{
    return charset == Charset::ISO2022JP ? decodeIso2022Jp(bytes) : decodeShiftJis(bytes);
}

QString decodeIso2022JpLenient(QByteArrayView bytes)
{
    return decodeWith("ISO-2022-JP", bytes, OnError::SkipByte).value_or(QString());
}

QByteArray encodeCp932Lossy(QStringView text)
{
    return encodeWith("CP932", text, true).value_or(QByteArray());
}

std::optional<QByteArray> encodeIso2022Jp(QStringView text)
{
    return encodeWith("ISO-2022-JP", text, false);
}

std::optional<QByteArray> encodeCp932(QStringView text)
{
    return encodeWith("CP932", text, false);
}

qsizetype cp932ByteLength(QStringView text)
{
    // ASCII and half-width katakana are one byte each without asking iconv; the rest is
    // measured by encoding it.
    qsizetype length = 0;
    bool allSimple = true;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xFF61 && u <= 0xFF9F)) {
            ++length;
        } else {
            allSimple = false;
            break;
        }
    }
    if (allSimple)
        return length;
    return encodeCp932Lossy(text).size();
}

} // namespace tavrel::encoding
