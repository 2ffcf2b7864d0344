#include "comm/CurlConfig.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace tavrel;
using namespace Qt::StringLiterals;

TEST(CurlConfig, WritesOneLongOptionLinePerArgumentWithTheUrlLast)
{
    const auto config = CurlConfig::fromArguments({u"-xproxy:8080"_s, u"-uid:p\"w\\"_s, u"-dktype=%81%9B"_s,
                                                   u"-oname.1"_s, u"-b/d/c.txt"_s, u"-D/d/n.txt"_s, u"-f"_s,
                                                   u"-m1800"_s, u"-Y500"_s, u"-y60"_s, u"http://h/x y"_s});
    ASSERT_TRUE(config);
    EXPECT_EQ(*config, QByteArray("proxy = \"proxy:8080\"\n"
                                  "user = \"id:p\\\"w\\\\\"\n"
                                  "data = \"ktype=%81%9B\"\n"
                                  "output = \"name.1\"\n"
                                  "cookie = \"@/d/c.txt\"\n"
                                  "dump-header = \"/d/n.txt\"\n"
                                  "fail\n"
                                  "max-time = \"1800\"\n"
                                  "speed-limit = \"500\"\n"
                                  "speed-time = \"60\"\n"
                                  "url = \"http://h/x y\"\n"));
}

TEST(CurlConfig, EscapesLineBreaksAndRefusesWhatItCannotCarry)
{
    EXPECT_EQ(CurlConfig::quoted(u"a\nb\rc\td\ve"_s), u"\"a\\nb\\rc\\td\\ve\""_s);
    EXPECT_EQ(*CurlConfig::fromArguments({u"-u\u3042:x"_s}), QByteArray("user = \"\xE3\x81\x82:x\"\n"));
    EXPECT_FALSE(CurlConfig::fromArguments({QStringView(u"-uab\0c", 6).toString()}));
    EXPECT_FALSE(CurlConfig::fromArguments({u"-K/etc/passwd"_s}));
    EXPECT_FALSE(CurlConfig::fromArguments({u"-fx"_s}));
    EXPECT_FALSE(CurlConfig::fromArguments({u"-"_s}));
}
