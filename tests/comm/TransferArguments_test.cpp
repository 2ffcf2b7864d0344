#include "comm/MyURLEncoder.h"
#include "comm/ProxyArguments.h"
#include "comm/TransferArguments.h"
#include "store/PatrolEntry.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace tavrel;
using namespace Qt::StringLiterals;

namespace {

const MyURLEncoder kEncoder;

PatrolEntry board(const QString& base, const QString& hogoPassword = {})
{
    PatrolEntry entry;
    entry.bbsID = u"bd01"_s;
    entry.jushinURL = base;
    entry.urlFormat = PatrolEntry::makeUrlFormat(base, entry.bbsID);
    if (!hogoPassword.isEmpty())
        entry.hogoPassword = hogoPassword;
    return entry;
}

transfer::BoardPageContext context()
{
    return {u"/d/TavrelFolder/nifty_Login_cookies.txt"_s, u"/d/TavrelFolder/next_cookies.txt"_s, u"me@x.y"_s,
            u"p w"_s, u"\u25CB"_s};
}

// The option letters of a list ("-o", "-dktype", ..., "URL"), to compare with the tables.
QStringList shape(const QStringList& arguments)
{
    QStringList out;
    for (const QString& a : arguments) {
        if (a.startsWith(u"-d"))
            out.append(a.left(a.indexOf(u'=')));
        else if (a.startsWith(u'-'))
            out.append(a.left(2));
        else
            out.append(u"URL"_s);
    }
    return out;
}

} // namespace

TEST(TransferArguments, BoardPageOrdersFollowTheBoardKind)
{
    const struct
    {
        const char* kind;
        PatrolEntry entry;
        QStringList shape;
    } cases[] = {
        {"new-style http",
         board(u"http://a.example.com/nbbin/nb_wrent/"_s),
         {u"-o"_s, u"-m"_s, u"-Y"_s, u"-y"_s, u"URL"_s}},
        {"new-style https",
         board(u"https://a.example.com/nbbin/nb_wrent/"_s),
         {u"-u"_s, u"-o"_s, u"-m"_s, u"-Y"_s, u"-y"_s, u"URL"_s}},
        {"old-style",
         board(u"http://e.example.com/mes/cf_wrent/"_s),
         {u"-o"_s, u"-b"_s, u"-D"_s, u"-m"_s, u"-Y"_s, u"-y"_s, u"URL"_s}},
        {"new-style http, protected",
         board(u"http://a.example.com/nbbin/nb_wrent/"_s, u"k"_s),
         {u"-o"_s, u"-dktype"_s, u"-db_passwd"_s, u"-m"_s, u"-Y"_s, u"-y"_s, u"URL"_s}},
        {"new-style https, protected",
         board(u"https://a.example.com/nbbin_s/nb_wrent/"_s, u"k"_s),
         {u"-u"_s, u"-dktype"_s, u"-db_passwd"_s, u"-o"_s, u"-m"_s, u"-Y"_s, u"-y"_s, u"URL"_s}},
        {"old-style, protected",
         board(u"http://d.example.com/mes_s/cf_wrent/"_s, u"k"_s),
         {u"-o"_s, u"-dktype"_s, u"-db_passwd"_s, u"-b"_s, u"-D"_s, u"-m"_s, u"-Y"_s, u"-y"_s, u"URL"_s}},
        {"old-style written in capitals",
         board(u"HTTP://E.EXAMPLE.COM/MES/CF_WRENT/"_s),
         {u"-o"_s, u"-b"_s, u"-D"_s, u"-m"_s, u"-Y"_s, u"-y"_s, u"URL"_s}},
        {"https in capitals",
         board(u"HTTPS://A.EXAMPLE.COM/nbbin/nb_wrent/"_s),
         {u"-u"_s, u"-o"_s, u"-m"_s, u"-Y"_s, u"-y"_s, u"URL"_s}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(shape(transfer::boardPageArguments(c.entry, 3, context(), kEncoder)), c.shape);
    }
}

TEST(TransferArguments, BoardPageValuesAreWrittenAsOneArgumentEach)
{
    const PatrolEntry entry = board(u"https://a.example.com/nbbin_s/nb_wrent/"_s, u"s3 cr.t"_s);
    EXPECT_EQ(transfer::boardPageArguments(entry, 2, context(), kEncoder),
              QStringList({u"-ume@x.y:p w"_s, u"-dktype=%81%9B"_s, u"-db_passwd=s3+cr%2Et"_s, u"-obd01.2"_s,
                           u"-m1800"_s, u"-Y500"_s, u"-y60"_s,
                           u"https://a.example.com/nbbin_s/nb_wrent/bd01/wr_page=2/wr_type=M"_s}));

    const PatrolEntry old = board(u"http://e.example.com/mes/cf_wrent/"_s);
    EXPECT_EQ(transfer::boardPageArguments(old, 1, context(), kEncoder),
              QStringList({u"-obd01.1"_s, u"-b/d/TavrelFolder/nifty_Login_cookies.txt"_s,
                           u"-D/d/TavrelFolder/next_cookies.txt"_s, u"-m1800"_s, u"-Y500"_s, u"-y60"_s,
                           u"http://e.example.com/mes/cf_wrent/bd01/wr_page=1/wr_type=M"_s}));
}

TEST(TransferArguments, PageUrlReplacesOnlyThePlaceholderAsText)
{
    EXPECT_EQ(transfer::boardPageUrl(u"http://h/b%2Fx%s/wr_page=%d/wr_type=M"_s, 12),
              u"http://h/b%2Fx%s/wr_page=12/wr_type=M"_s);
    EXPECT_EQ(transfer::boardPageUrl(u"http://h/%d/wr_page=%d/wr_type=M"_s, 4),
              u"http://h/%d/wr_page=4/wr_type=M"_s);
    EXPECT_EQ(transfer::boardPageUrl(u"http://h/none"_s, 4), u"http://h/none"_s);
    EXPECT_EQ(transfer::boardPageOutputName(u"bd01"_s, 10), u"bd01.10"_s);
}

TEST(TransferArguments, LoginAndLogoutRows)
{
    const QString body = transfer::loginFormBody(u"member.example.com"_s, u"ab.c@d"_s, u"pa ss"_s, kEncoder);
    EXPECT_EQ(body, u"RETURL=http%3A%2F%2Fmember.example.com%2Fforum%2F&method_type=GET&attest_id=ab%2Ec%40d"
                    u"&attest_pass=pa+ss"_s);
    EXPECT_EQ(transfer::loginArguments(body, u"member.example.com"_s),
              QStringList({u"-onifty_Login.html"_s, u"-Dnifty_Login_cookies.txt"_s, u"-d" + body,
                           u"https://member.example.com/forum/login"_s}));
    EXPECT_EQ(transfer::logoutArguments(u"member.example.com"_s),
              QStringList({u"-onifty_Logout.html"_s, u"-bnifty_Login_cookies.txt"_s,
                           u"http://member.example.com/forum/logout.go"_s}));
}

TEST(TransferArguments, ForumTopBoardListAndMyDeskRows)
{
    EXPECT_EQ(transfer::forumTopArguments(u"fcook"_s, u"http://f.example.com/fcook/"_s),
              QStringList({u"-ofcook"_s, u"http://f.example.com/fcook/"_s}));
    EXPECT_EQ(transfer::boardListArguments(u"http://p.example.com/all.html"_s),
              QStringList({u"-ocm_freeboard_all.html"_s, u"http://p.example.com/all.html"_s}));
    EXPECT_EQ(transfer::myDeskInboxArguments(2, u"/c"_s, u"/n"_s, u"m.example.com"_s),
              QStringList({u"-omessage.2"_s, u"-b/c"_s, u"-D/n"_s, u"-dsort=3"_s, u"-dpage=2"_s,
                           u"http://m.example.com/forum/message/inbox.go"_s}));
    EXPECT_EQ(
        transfer::myDeskMessageArguments(0, u"http://m.example.com/forum/message/v?i=1"_s, u"/c"_s, u"/n"_s),
        QStringList({u"-omessage.0"_s, u"-b/c"_s, u"-D/n"_s, u"http://m.example.com/forum/message/v?i=1"_s}));
    EXPECT_EQ(transfer::myDeskSendArguments(u"message1"_s, u"to.id"_s, QString(), u"hi there"_s, u"/c"_s,
                                            u"/n"_s, u"m.example.com"_s, kEncoder),
              QStringList({u"-o_message1.html"_s, u"-b/c"_s, u"-D/n"_s, u"-f"_s, u"-dtarget=secondok"_s,
                           u"-dtoid=to%2Eid"_s, u"-dmessage=hi+there"_s,
                           u"http://m.example.com/forum/message/send.go"_s}));
    EXPECT_TRUE(
        transfer::myDeskSendArguments(u"m"_s, u"t"_s, u"N"_s, u"x"_s, u"/c"_s, u"/n"_s, u"h"_s, kEncoder)
            .contains(u"-dtoname=N"_s));
}
