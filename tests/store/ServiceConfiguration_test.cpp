#include "store/ServiceConfiguration.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using tavrel::ServiceConfiguration;

TEST(ServiceConfiguration, DefaultsNameEveryRoleUnderTheDocumentationDomain)
{
    const ServiceConfiguration configuration;
    EXPECT_EQ(configuration.serviceDomain(), QStringLiteral("example.com"));
    EXPECT_EQ(ServiceConfiguration::hostKeys().size(), 11);
    for (const QString& key : ServiceConfiguration::hostKeys()) {
        const QString host = configuration.value(key);
        EXPECT_TRUE(ServiceConfiguration::isPlainHostName(host)) << key.toStdString();
        EXPECT_TRUE(host == u"example.com" || host.endsWith(QStringLiteral(".example.com")))
            << key.toStdString();
    }
    // Distinct hosts, or the simulator could not tell the roles apart.
    QStringList hosts;
    for (const QString& key : ServiceConfiguration::hostKeys())
        hosts.append(configuration.value(key));
    hosts.removeDuplicates();
    EXPECT_EQ(hosts.size(), ServiceConfiguration::hostKeys().size());
    for (const QString& key : ServiceConfiguration::textKeys())
        EXPECT_FALSE(configuration.value(key).isEmpty()) << key.toStdString();
    EXPECT_EQ(configuration.keijibanTitleSeparator(), QString(QChar(0xFF1A)));
}

TEST(ServiceConfiguration, OverridesApplyOnlyKnownUsableEntries)
{
    const QVariantMap overrides{
        {QStringLiteral("MemberHost"), QStringLiteral("member.example.org")},
        {QStringLiteral("Maru"), QStringLiteral("o")},
        {QStringLiteral("BoardHostA"), QStringLiteral("evil.example.com/x")},
        {QStringLiteral("BoardHostB"), QStringLiteral("-x.example.com")},
        {QStringLiteral("BoardHostC"), QStringLiteral("")},
        {QStringLiteral("BoardHostD"), 42},
        {QStringLiteral("NoSuchKey"), QStringLiteral("x")},
    };
    const ServiceConfiguration configuration = ServiceConfiguration::withOverrides(overrides);
    EXPECT_EQ(configuration.memberHost(), QStringLiteral("member.example.org"));
    EXPECT_EQ(configuration.maru(), QStringLiteral("o"));
    const ServiceConfiguration defaults;
    for (const char* key : {"BoardHostA", "BoardHostB", "BoardHostC", "BoardHostD"})
        EXPECT_EQ(configuration.value(QLatin1String(key)), defaults.value(QLatin1String(key))) << key;
    QStringList rejected = configuration.rejectedKeys();
    rejected.sort();
    EXPECT_EQ(rejected, (QStringList{QStringLiteral("BoardHostA"), QStringLiteral("BoardHostB"),
                                     QStringLiteral("BoardHostC"), QStringLiteral("BoardHostD"),
                                     QStringLiteral("NoSuchKey")}));
    EXPECT_TRUE(configuration.value(QStringLiteral("NoSuchKey")).isEmpty());
}
