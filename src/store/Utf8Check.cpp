#include "store/Utf8Check.h"

#include <cstring>

namespace tavrel {

bool Utf8Check::advance(QByteArrayView data, bool final)
{
    if (m_bad >= 0)
        return false;
    const auto* const begin = reinterpret_cast<const uchar*>(data.data());
    const uchar* const end = begin + data.size();
    // No character may start at or past `limit`: it could be cut by the end of `data`.
    const uchar* const limit = final ? end : end - qMin<qsizetype>(3, data.size());
    const uchar* s = begin + m_checked;
    constexpr quint64 ones = 0x0101010101010101ULL;
    constexpr quint64 highs = 0x8080808080808080ULL;
    const auto continuation = [&](const uchar* at, uchar low, uchar high) {
        return at < end && *at >= low && *at <= high;
    };
    const auto fail = [&] {
        m_bad = s - begin;
        return false;
    };
    while (s < limit) {
        if (end - s >= 8) {
            quint64 word;
            std::memcpy(&word, s, 8);
            // All ASCII and no zero byte.
            if (!(word & highs) && !((word - ones) & ~word & highs)) {
                s += 8;
                continue;
            }
        }
        const uchar c = *s;
        if (c < 0x80) {
            if (c == 0)
                return fail();
            ++s;
            continue;
        }
        // Three bytes, the usual length of Japanese text.
        if ((c & 0xF0) == 0xE0 && end - s >= 3) {
            const uchar b1 = s[1];
            if ((b1 & 0xC0) != 0x80 || (s[2] & 0xC0) != 0x80 || (c == 0xE0 && b1 < 0xA0) ||
                (c == 0xED && b1 > 0x9F))
                return fail();
            s += 3;
            continue;
        }
        int length = 0;
        uchar low = 0x80;
        uchar high = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            if (c == 0xE0)
                low = 0xA0;
            else if (c == 0xED)
                high = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            if (c == 0xF0)
                low = 0x90;
            else if (c == 0xF4)
                high = 0x8F;
        } else {
            return fail();
        }
        if (!continuation(s + 1, low, high))
            return fail();
        for (int i = 2; i < length; ++i) {
            if (!continuation(s + i, 0x80, 0xBF))
                return fail();
        }
        s += length;
    }
    m_checked = s - begin;
    return true;
}

qsizetype Utf8Check::firstBadByte(QByteArrayView data)
{
    Utf8Check check;
    check.advance(data, true);
    return check.badOffset();
}

} // namespace tavrel
