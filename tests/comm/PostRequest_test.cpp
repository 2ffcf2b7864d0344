#include "QueuedFiles.h"
#include "comm/MyURLEncoder.h"
#include "comm/PostRequest.h"
#include "store/ServiceConfiguration.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace tavrel;
using namespace tavrel::test;
using namespace Qt::StringLiterals;

namespace {

const MyURLEncoder kEncoder;
const ServiceConfiguration kConfig;

PostRequestContext context()
{
    return {u"/d/nifty_Login_cookies.txt"_s,
            u"/d/next_cookies.txt"_s,
            u"TAV00001"_s,
            u"p w"_s,
            kConfig.maru(),
            kConfig.hatsugenSuru(),
            kConfig.serviceDomain(),
            kConfig.memberHost()};
}

PlistDict dict(const Fields& fields)
{
    PlistDict d;
    for (const auto& [key, value] : fields)
        d.insert(key, value);
    return d;
}

QString maru()
{
    return u"-dktype=" + kEncoder.urlEncodeWithString(kConfig.maru());
}

} // namespace

TEST(PostRequest, BoardPostsTakeTheFieldsOfTheirStyleInOrder)
{
    const QString oldComment = u"http://mes-e.example.com/mes/cf_wrent_do?bid=neko03&wr_psq=12"_s;
    const QString oldNoPsq = u"http://mes-e.example.com/mes/cf_wrent_do?bid=neko03&wr_type=M"_s;
    const QString newHttps = u"HTTPS://nbbs-a.example.com/nbbin/nb_wrent_do?bid=neko02&wr_psq=3"_s;
    const QString newHttp = u"http://nbbs-a.example.com/nbbin/nb_wrent_do?bid=neko01"_s;
    const Fields all = {
        {u"wr_spname"_s, u"ta ro"_s}, {u"wr_email"_s, u"t@x.jp"_s},   {u"wr_title"_s, u"Re:1"_s},
        {u"wr_con1"_s, u"body"_s},    {u"wr_lurl"_s, u"http://l/"_s}, {u"wr_sppasswd"_s, u"pw"_s},
        {u"wr_delkw"_s, u"dk"_s},     {u"tstamp"_s, u"123"_s},        {u"wr_location"_s, u"/x/y"_s}};
    const QString exec = u"-dexec=" + kEncoder.urlEncodeWithString(kConfig.hatsugenSuru());
    const QString cookies = u"-b/d/nifty_Login_cookies.txt"_s;
    const QString next = u"-D/d/next_cookies.txt"_s;
    const struct
    {
        const char* name;
        QString url;
        Fields fields;
        QStringList expected;
    } cases[] = {
        {"old-style comment: cookies, -f, e-mail after the title, fixed tstamp, location, exec",
         oldComment,
         all,
         {u"-o_neko.1211-0102030405.html"_s, cookies, next, u"-f"_s, maru(), u"-dwr_spname=ta+ro"_s,
          u"-dwr_title=Re%3A1"_s, u"-dwr_email=t%40x%2Ejp"_s, u"-dwr_con1=body"_s, u"-dwr_sppasswd=pw"_s,
          u"-dwr_delkw=dk"_s, u"-dtstamp=940590220"_s, u"-dwr_location=%2Fmes%2Fcf%5Fwrent%2Fneko03"_s, exec,
          oldComment}},
        {"old-style without wr_psq: no location",
         oldNoPsq,
         {{u"wr_spname"_s, u"a"_s}, {u"wr_con1"_s, u"b"_s}},
         {u"-o_neko.1211-0102030405.html"_s, cookies, next, u"-f"_s, maru(), u"-dwr_spname=a"_s,
          u"-dwr_con1=b"_s, u"-dtstamp=940590220"_s, exec, oldNoPsq}},
        {"new-style https: basic authentication, e-mail before the title, link, file's tstamp and location",
         newHttps,
         all,
         {u"-o_neko.1211-0102030405.html"_s, u"-uTAV00001:p w"_s, maru(), u"-dwr_spname=ta+ro"_s,
          u"-dwr_email=t%40x%2Ejp"_s, u"-dwr_title=Re%3A1"_s, u"-dwr_con1=body"_s,
          u"-dwr_lurl=http%3A%2F%2Fl%2F"_s, u"-dwr_sppasswd=pw"_s, u"-dwr_delkw=dk"_s, u"-dtstamp=123"_s,
          u"-dwr_location=%2Fx%2Fy"_s, newHttps}},
        {"new-style http: neither cookies nor authentication; empty fields left out",
         newHttp,
         {{u"wr_spname"_s, u"a"_s}, {u"wr_title"_s, QString()}, {u"wr_con1"_s, u"b"_s}},
         {u"-o_neko.1211-0102030405.html"_s, maru(), u"-dwr_spname=a"_s, u"-dwr_con1=b"_s, newHttp}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fields fields = c.fields;
        fields.append({u"PostURL"_s, c.url});
        EXPECT_EQ(
            PostRequest::boardPostArguments(u"neko.1211-0102030405"_s, dict(fields), context(), kEncoder),
            std::optional<QStringList>(c.expected));
    }
}

TEST(PostRequest, FilesLackingARequiredValueGiveNoRequest)
{
    const Fields board = {{u"wr_spname"_s, u"a"_s},
                          {u"wr_con1"_s, u"b"_s},
                          {u"PostURL"_s, u"http://nbbs-a.example.com/nbbin/nb_wrent_do?bid=x"_s}};
    for (const QString& key : {u"wr_spname"_s, u"wr_con1"_s, u"PostURL"_s}) {
        SCOPED_TRACE(key.toStdString());
        Fields fields;
        for (const auto& field : board) {
            if (field.first == key)
                fields.append({key, QString()});
            else
                fields.append(field);
        }
        EXPECT_FALSE(PostRequest::boardPostArguments(u"f.1"_s, dict(fields), context(), kEncoder));
        fields.removeIf([&key](const auto& field) { return field.first == key; });
        EXPECT_FALSE(PostRequest::boardPostArguments(u"f.1"_s, dict(fields), context(), kEncoder));
    }
    // A post URL that is not http or https is not handed to the client.
    EXPECT_FALSE(PostRequest::boardPostArguments(
        u"f.1"_s,
        dict({{u"wr_spname"_s, u"a"_s}, {u"wr_con1"_s, u"b"_s}, {u"PostURL"_s, u"file:///etc/passwd"_s}}),
        context(), kEncoder));

    EXPECT_FALSE(PostRequest::myDeskSendArguments(u"message.1"_s, dict({{u"message"_s, u"hi"_s}}), context(),
                                                  kEncoder));
    EXPECT_FALSE(
        PostRequest::myDeskSendArguments(u"message.1"_s, dict({{u"toid"_s, u"T1"_s}}), context(), kEncoder));
    EXPECT_EQ(PostRequest::myDeskSendArguments(
                  u"message.1"_s, dict({{u"toid"_s, u"T1"_s}, {u"message"_s, u"hi"_s}}), context(), kEncoder),
              std::optional<QStringList>({u"-o_message.1.html"_s, u"-b/d/nifty_Login_cookies.txt"_s,
                                          u"-D/d/next_cookies.txt"_s, u"-f"_s, u"-dtarget=secondok"_s,
                                          u"-dtoid=T1"_s, u"-dmessage=hi"_s,
                                          u"http://member.example.com/forum/message/send.go"_s}));
}

TEST(PostRequest, OldStyleLocationNeedsDomainScriptBoardAndSequence)
{
    const struct
    {
        QString url;
        std::optional<QString> location;
    } cases[] = {
        {u"http://mes-e.EXAMPLE.com/mes/cf_wrent_do?BID=neko03&wr_psq=1"_s, u"/mes/cf_wrent/neko03"_s},
        {u"http://mes-d.example.com/mes_s/cf_wrent_do?x=1&bid=t2&wr_add=a&wr_psq=9"_s,
         u"/mes_s/cf_wrent/t2"_s},
        {u"http://mes-e.example.com/mes/cf_wrent_do?bid=neko03"_s, std::nullopt},
        {u"http://mes-e.example.com/mes/cf_wrent_do?bid=neko03&wr_type=M"_s, std::nullopt},
        {u"http://mes-e.other.net/mes/cf_wrent_do?bid=neko03&wr_psq=1"_s, std::nullopt},
        {u"http://mes-e.example.com/mes/cf_wrent?bid=neko03&wr_psq=1"_s, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.url.toStdString());
        EXPECT_EQ(PostRequest::oldStyleLocation(c.url, kConfig.serviceDomain()), c.location);
    }
}
