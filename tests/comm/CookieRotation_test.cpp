#include "comm/CookieRotation.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace tavrel;

TEST(CookieRotation, ReplacesTheCookieFileOnlyWhenTheDumpSetsCookies)
{
    const struct
    {
        const char* name;
        const char* next; // nullptr: no next file
        bool replaced;
    } cases[] = {
        {"cookie header", "HTTP/1.1 200 OK\r\nSet-Cookie: s=1; Domain=.example.com\r\n\r\n", true},
        {"lower-case header name", "HTTP/1.1 200 OK\r\nset-cookie: s=2\r\n\r\n", true},
        {"upper-case header name", "HTTP/1.1 200 OK\r\nSET-COOKIE: s=3\r\n\r\n", true},
        {"no cookie line", "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n", false},
        {"header name only at the very start", "Set-Cookie: s=4\r\n", false},
        {"empty dump", "", false},
        {"no next file", nullptr, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        const QString cookie = dir.writeFile(QStringLiteral("nifty_Login_cookies.txt"), "old");
        const QString next = dir.filePath(QStringLiteral("next_cookies.txt"));
        if (c.next)
            dir.writeFile(QStringLiteral("next_cookies.txt"), c.next);

        EXPECT_EQ(checkAndExchangeCookieFile(cookie, next), c.replaced);
        if (c.replaced) {
            EXPECT_EQ(test::readFile(cookie), QByteArray(c.next));
            EXPECT_FALSE(QFile::exists(next));
        } else {
            EXPECT_EQ(test::readFile(cookie), QByteArray("old"));
            EXPECT_EQ(QFile::exists(next), c.next != nullptr);
        }
    }
}

TEST(CookieRotation, CreatesTheCookieFileWhenThereWasNone)
{
    test::TempDir dir;
    const QString cookie = dir.filePath(QStringLiteral("nifty_Login_cookies.txt"));
    const QString next =
        dir.writeFile(QStringLiteral("next_cookies.txt"), "HTTP/1.1 200 OK\r\nSet-Cookie: a=b\r\n");
    EXPECT_TRUE(checkAndExchangeCookieFile(cookie, next));
    EXPECT_TRUE(QFile::exists(cookie));

    deleteCookieFiles(cookie, next);
    EXPECT_FALSE(QFile::exists(cookie));
}
