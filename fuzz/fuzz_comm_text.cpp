// Arbitrary bytes, read as UTF-8, as a forum top page, as a text to URL-encode and as a curl
// config value; checks what must hold for any input.

#include "comm/CurlConfig.h"
#include "comm/ForumTopPage.h"
#include "comm/MyURLEncoder.h"
#include "store/DateText.h"
#include "store/SafeName.h"

#include <QDateTime>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace {

using namespace tavrel;

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

bool isUpperHex(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));

    static const QDateTime now(QDate(2010, 3, 4), QTime(5, 6), japanTime());
    static const ForumTopPage::Markers markers{QStringLiteral("[i]"), QStringLiteral("[/i]"),
                                               QStringLiteral("L")};
    QHash<QString, QString> dates;
    ForumTopPage::huriwakeForumTopData(text, markers, now, dates);
    for (auto it = dates.cbegin(); it != dates.cend(); ++it) {
        check(isSafeFileName(it.key()));
        check(it.value().isEmpty() || parseDateText(it.value()).has_value());
    }

    // Only letters, digits, "+" and "%XX" with upper-case hexadecimal digits.
    static const MyURLEncoder encoder;
    const QString encoded = encoder.urlEncodeWithString(text);
    check(!encoded.isEmpty());
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        const QChar c = encoded.at(i);
        if (c == u'%') {
            check(i + 2 < encoded.size() && isUpperHex(encoded.at(i + 1)) && isUpperHex(encoded.at(i + 2)));
            i += 2;
        } else {
            check(c.unicode() < 0x80 && (c.isLetterOrNumber() || c == u'+'));
        }
    }

    // A value stays on its one config line.
    if (const std::optional<QByteArray> config =
            CurlConfig::fromArguments({QStringLiteral("-u") + text, text}))
        check(config->count('\n') == 2);
    return 0;
}
