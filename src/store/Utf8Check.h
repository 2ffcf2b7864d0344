#pragma once

// Checks that bytes are valid UTF-8 without NUL (no overlong forms, no surrogates, nothing
// past U+10FFFF), in steps as they arrive, so that each piece is checked while it is still in
// the cache.

#include <QByteArrayView>

namespace tavrel {

class Utf8Check
{
public:
    // Checks the bytes of `data` not checked yet. Unless `final`, a character cut by the end of
    // `data` waits for the next call. False at the first bad byte (see `badOffset`).
    bool advance(QByteArrayView data, bool final);
    // Offset of the first bad byte; -1 when none was found.
    qsizetype badOffset() const { return m_bad; }

    // The whole check at once: the offset of the first bad byte, or -1.
    static qsizetype firstBadByte(QByteArrayView data);

private:
    qsizetype m_checked = 0;
    qsizetype m_bad = -1;
};

} // namespace tavrel
