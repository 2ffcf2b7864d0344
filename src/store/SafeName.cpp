#include "SafeName.h"

namespace tavrel {

namespace {

bool hasControlCharacter(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return true;
    }
    return false;
}

} // namespace

bool isSafeFileName(QStringView name)
{
    if (name.isEmpty() || name == u"." || name == u".." || name.startsWith(u'-'))
        return false;
    return !name.contains(u'/') && !hasControlCharacter(name);
}

bool isAcceptableUrl(QStringView url)
{
    const bool schemeOk =
        url.startsWith(u"http://", Qt::CaseInsensitive) || url.startsWith(u"https://", Qt::CaseInsensitive);
    return schemeOk && !hasControlCharacter(url);
}

} // namespace tavrel
