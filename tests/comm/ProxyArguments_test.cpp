#include "comm/ProxyArguments.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace tavrel;
using namespace Qt::StringLiterals;

namespace {

ProxySettings proxies(const QString& http, const QString& httpPort, const QString& https,
                      const QString& httpsPort)
{
    return {http, httpPort, https, httpsPort};
}

} // namespace

TEST(ProxyArguments, ChoosesTheScopeAndWritesHostAndPort)
{
    const ProxySettings fileProxies = proxies(u"fp"_s, u"8080"_s, u"fsp"_s, u""_s);
    const ProxySettings allAccess = proxies(u"ap"_s, u"3128"_s, u"asp"_s, u"443"_s);
    const struct
    {
        const char* name;
        bool isUseProxy;
        ProxySettings fileProxies;
        bool isUseProxyAllAccess;
        ProxyArguments expected;
    } cases[] = {
        {"file proxies; empty port means no colon", true, fileProxies, true, {u"-xfp:8080"_s, u"-xfsp"_s}},
        {"file flag on with empty hosts beats the all-access proxy", true, {}, true, {}},
        {"file flag off: all-access", false, fileProxies, true, {u"-xap:3128"_s, u"-xasp:443"_s}},
        {"neither flag", false, fileProxies, false, {}},
        {"only an http proxy", true, proxies(u"h"_s, u"1"_s, u""_s, u"9"_s), false, {u"-xh:1"_s, u""_s}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CommunicationSettings settings;
        settings.isUseProxy = c.isUseProxy;
        settings.proxies = c.fileProxies;
        EXPECT_EQ(ProxyArguments::forRun(settings, c.isUseProxyAllAccess, allAccess), c.expected);
    }
}

TEST(ProxyArguments, BoardListTakesOnlyTheAllAccessHttpProxy)
{
    const ProxySettings allAccess = proxies(u"ap"_s, u""_s, u"asp"_s, u"443"_s);
    EXPECT_EQ(ProxyArguments::allAccessHttpArgument(true, allAccess), u"-xap"_s);
    EXPECT_EQ(ProxyArguments::allAccessHttpArgument(false, allAccess), QString());
}

TEST(ProxyArguments, PicksByTheUrlSchemeInAnyCaseAndGoesInFront)
{
    const ProxyArguments args{u"-xh:1"_s, u"-xs:2"_s};
    const struct
    {
        QString url;
        QString expected;
    } cases[] = {
        {u"http://a.example.com/x"_s, u"-xh:1"_s},  {u"HTTP://A.EXAMPLE.COM/X"_s, u"-xh:1"_s},
        {u"https://a.example.com/x"_s, u"-xs:2"_s}, {u"HtTpS://a.example.com/x"_s, u"-xs:2"_s},
        {u"ftp://a.example.com/x"_s, QString()},    {u""_s, QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.url.toStdString());
        EXPECT_EQ(args.byScheme(c.url), c.expected);
        const QStringList list = withProxyByScheme({u"-oname"_s, c.url}, args);
        if (c.expected.isEmpty())
            EXPECT_EQ(list, QStringList({u"-oname"_s, c.url}));
        else
            EXPECT_EQ(list, QStringList({c.expected, u"-oname"_s, c.url}));
    }
    // Login always takes the HTTPS argument: with only an HTTP proxy, it goes without one.
    const ProxyArguments onlyHttp{u"-xh:1"_s, QString()};
    EXPECT_EQ(withProxy({u"x"_s}, onlyHttp.https), QStringList({u"x"_s}));
}
