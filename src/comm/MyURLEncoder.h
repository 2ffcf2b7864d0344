#pragma once

// Percent-encoding of form and query values as the service expects them: the text in
// Shift_JIS, every byte except ASCII letters and digits written as "%" and two upper-case
// hexadecimal digits, a space as "+", and every line end (CR, LF or CR LF) as "%0D%0A".

#include <QString>
#include <QStringView>

#include <array>
#include <cstddef>

namespace tavrel {

class MyURLEncoder
{
public:
    // Initialized at once: the table lets pass letters, digits, space, LF and CR.
    MyURLEncoder();

    // Clears the table and sets the flags of the bytes that pass unencoded.
    void init();

    // Encodes a text: YEN SIGN becomes a backslash, the text becomes Shift_JIS bytes (lossy),
    // the bytes end at the first NUL. An empty result (empty text, or a text that begins with
    // NUL) gives "%0D%0A". Never fails.
    QString urlEncodeWithString(QStringView text) const;

    // Encodes `srclen` bytes of `src` into `dst`, stopping once at least `dstlimit` - 10
    // characters are written, and ends `dst` with a zero byte. `dst` must hold at least
    // `dstlimit` + 7 bytes (one source byte writes at most six characters after the last
    // limit check). Returns the number of characters written, without the zero.
    std::size_t MyURLEncode(const unsigned char* src, std::size_t srclen, char* dst,
                            std::size_t dstlimit) const;

    // True when the byte passes without percent-encoding.
    bool passes(unsigned char byte) const { return m_table[byte] != 0; }

private:
    std::array<unsigned char, 256> m_table{};
};

} // namespace tavrel
