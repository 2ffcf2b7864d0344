#include "ShiftJisX0213Encoder.h"

#include <iconv.h>

#include <cerrno>

namespace tavrel::encoding {

std::optional<QByteArray> encodeShiftJisX0213(QStringView text)
{
    constexpr const char* nativeUtf16 = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? "UTF-16LE" : "UTF-16BE";
    const iconv_t cd = iconv_open("SHIFT_JISX0213", nativeUtf16);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;

    QByteArray out(text.size() * 2 + 16, Qt::Uninitialized);
    char* in = reinterpret_cast<char*>(const_cast<QChar*>(text.data()));
    size_t inLeft = size_t(text.size()) * 2;
    char* outPtr = out.data();
    size_t outLeft = size_t(out.size());
    bool ok = true;
    bool flushing = false;
    while (true) {
        const size_t rc = flushing ? iconv(cd, nullptr, nullptr, &outPtr, &outLeft)
                                   : iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        if (rc != size_t(-1)) {
            if (flushing)
                break;
            flushing = true;
            continue;
        }
        if (errno != E2BIG) {
            ok = false;
            break;
        }
        const qsizetype done = outPtr - out.data();
        out.resize(out.size() * 2);
        outPtr = out.data() + done;
        outLeft = size_t(out.size() - done);
    }
    iconv_close(cd);
    if (!ok)
        return std::nullopt;
    out.truncate(outPtr - out.data());
    return out;
}

} // namespace tavrel::encoding
