#pragma once

// Conversions between Unicode and the service's encodings, through iconv. "Shift_JIS" is
// CP932 (what the service's pages really use) with JIS X 0213 as the decoding fallback.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace tavrel {

enum class Charset
{
    ShiftJIS,
    ISO2022JP,
};

namespace encoding {

// Strict decoders: nothing when any byte sequence is invalid.
std::optional<QString> decodeCp932(QByteArrayView bytes);
// The bytes below 0x80 read as ASCII, as in CP932 (0x5C a backslash, 0x7E a tilde).
std::optional<QString> decodeShiftJisX0213(QByteArrayView bytes);
std::optional<QString> decodeIso2022Jp(QByteArrayView bytes);

// CP932, then the JIS X 0213 form when CP932 fails.
std::optional<QString> decodeShiftJis(QByteArrayView bytes);
// Decodes with the given charset (Shift_JIS with its fallback).
std::optional<QString> decode(QByteArrayView bytes, Charset charset);

// Lenient ISO-2022-JP: every byte that does not decode is dropped, so the ASCII of any
// page survives (used only to find a charset declaration).
QString decodeIso2022JpLenient(QByteArrayView bytes);

// CP932 with "?" for every character it cannot hold.
QByteArray encodeCp932Lossy(QStringView text);
// Strict ISO-2022-JP: nothing when a character cannot be encoded.
std::optional<QByteArray> encodeIso2022Jp(QStringView text);
// Strict CP932: nothing when a character cannot be encoded.
std::optional<QByteArray> encodeCp932(QStringView text);

// Length of the text in CP932 bytes ("C-string form"): two for full-width characters,
// one for ASCII and half-width katakana; characters CP932 cannot hold count as "?".
qsizetype cp932ByteLength(QStringView text);

} // namespace encoding
} // namespace tavrel
