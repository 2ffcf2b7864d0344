#include "CookieRotation.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>

#include <cstdio>

namespace tavrel {

namespace {

// The header name found after the first byte of the dump, in any letter case.
bool holdsSetCookieHeader(const QByteArray& dump)
{
    static constexpr QByteArrayView name("set-cookie:");
    const QByteArray lower = dump.toLower();
    return lower.indexOf(name, 1) > 0;
}

} // namespace

bool checkAndExchangeCookieFile(const QString& cookiePath, const QString& nextCookiePath)
{
    QFile next(nextCookiePath);
    if (!next.open(QIODevice::ReadOnly))
        return false;
    const QByteArray dump = next.readAll();
    next.close();
    if (!holdsSetCookieHeader(dump))
        return false;
    // rename(2) replaces the old cookie file in one step, so a cookie file is always there.
    return std::rename(QFile::encodeName(nextCookiePath).constData(),
                       QFile::encodeName(cookiePath).constData()) == 0;
}

void deleteCookieFiles(const QString& cookiePath, const QString& nextCookiePath)
{
    QFile::remove(cookiePath);
    QFile::remove(nextCookiePath);
}

} // namespace tavrel
