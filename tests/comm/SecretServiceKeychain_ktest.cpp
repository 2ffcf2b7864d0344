#include "comm/ServiceAccount.h"
#include "platform/FakeSystemLog.h"
#include "platform/SecretServiceKeychain.h"
#include "support/QtPrinters.h"

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

using namespace tavrel;
using namespace Qt::StringLiterals;

namespace {

constexpr char kChildVariable[] = "TAVREL_KEYCHAIN_CHILD_WITHOUT_SERVICE";

void checkWithoutSecretService()
{
    test::FakeSystemLog log;
    SecretServiceKeychain keychain(log);
    ServiceAccount account(keychain);
    account.readFromKeychain();
    EXPECT_FALSE(account.hasIDAndPassword());
    account.setNiftyIDAndPassword(u"id"_s, u"pw"_s);
    EXPECT_EQ(account.niftyID(), u"id"_s);
    account.readFromKeychain();
    EXPECT_EQ(account.niftyPassword(), u"pw"_s);
    ASSERT_EQ(log.lines().size(), 1) << log.lines().join(u'\n').toStdString();
    EXPECT_TRUE(log.lines().first().startsWith(u"Keychain not available"_s));
}

} // namespace

TEST(SecretServiceKeychain, StoresFindsReplacesAndDeletesItems)
{
    test::FakeSystemLog log;
    SecretServiceKeychain keychain(log);
    const QString service = u"Tavrel test item"_s;
    const QString account = u"test account"_s;
    keychain.deleteGenericPassword(service, account);

    ASSERT_TRUE(keychain.addGenericPassword(service, account, "first \xE3\x81\x82"));
    EXPECT_EQ(keychain.findGenericPassword(service, account), QByteArray("first \xE3\x81\x82"));
    ASSERT_TRUE(keychain.addGenericPassword(service, account, "second"));
    EXPECT_EQ(keychain.findGenericPassword(service, account), QByteArray("second"));
    EXPECT_TRUE(keychain.deleteGenericPassword(service, account));
    EXPECT_EQ(keychain.findGenericPassword(service, account), std::nullopt);
    EXPECT_TRUE(log.lines().isEmpty()) << log.lines().join(u'\n').toStdString();
}

TEST(SecretServiceKeychain, ServiceIDSurvivesARestartOnlyThroughTheKeychainButton)
{
    test::FakeSystemLog log;
    SecretServiceKeychain keychain(log);
    {
        ServiceAccount account(keychain);
        account.setNiftyIDAndPassword(u"member@example"_s, u"pass word"_s);
        account.setNiftyIDAndPassword(u"member.2@example"_s, u"pass word 2"_s);
        account.setNiftyIDAndPasswordForTemp(u"temporary"_s, u"tmp"_s);
    }
    ServiceAccount restarted(keychain);
    restarted.readFromKeychain();
    EXPECT_EQ(restarted.niftyID(), u"member.2@example"_s);
    EXPECT_EQ(restarted.niftyPassword(), u"pass word 2"_s);

    keychain.deleteGenericPassword(ServiceAccount::idServiceName(), ServiceAccount::idAccountName());
    keychain.deleteGenericPassword(ServiceAccount::passwordServiceName(),
                                   ServiceAccount::passwordAccountName());
    ServiceAccount empty(keychain);
    empty.readFromKeychain();
    EXPECT_FALSE(empty.hasIDAndPassword());
}

// The test runs itself again in a child process whose session bus leads nowhere; the child
// does the checks.
TEST(SecretServiceKeychain, WithoutSecretServiceLookupsFailQuietly)
{
    if (!qEnvironmentVariableIsEmpty(kChildVariable)) {
        checkWithoutSecretService();
        return;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kChildVariable), u"1"_s);
    environment.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, u"unix:path=/nonexistent/tavrel-bus"_s);
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {u"--gtest_filter=SecretServiceKeychain.WithoutSecretServiceLookupsFailQuietly"_s});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QByteArray output = child.readAll();
    EXPECT_EQ(child.exitCode(), 0) << output.constData();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.constData();
}
