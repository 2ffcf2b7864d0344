#include "comm/ServiceAccount.h"
#include "platform/FakeKeychain.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace tavrel;
using namespace Qt::StringLiterals;

namespace {

QByteArray item(const test::FakeKeychain& keychain, const QString& service, const QString& account)
{
    return keychain.items().value({service, account});
}

} // namespace

TEST(ServiceAccount, ReadsBothItemsAndLeavesMissingOrOversizedOnesAlone)
{
    test::FakeKeychain keychain;
    keychain.addGenericPassword(ServiceAccount::idServiceName(), ServiceAccount::idAccountName(),
                                "user.\xE3\x81\x82@x");
    keychain.addGenericPassword(ServiceAccount::passwordServiceName(), ServiceAccount::passwordAccountName(),
                                QByteArray(2001, 'p'));
    ServiceAccount account(keychain);
    account.setNiftyIDAndPasswordForTemp(u"old"_s, u"kept"_s);
    account.readFromKeychain();
    EXPECT_EQ(account.niftyID(), u"user.\u3042@x"_s);
    EXPECT_EQ(account.niftyPassword(), u"kept"_s);

    keychain.addGenericPassword(ServiceAccount::passwordServiceName(), ServiceAccount::passwordAccountName(),
                                QByteArray(2000, 'p'));
    account.readFromKeychain();
    EXPECT_EQ(account.niftyPassword(), QString(2000, u'p'));
}

TEST(ServiceAccount, KeychainButtonStoresOneItemEachAndTemporaryButtonStoresNone)
{
    test::FakeKeychain keychain;
    ServiceAccount account(keychain);
    account.setNiftyIDAndPassword(u"first"_s, u"pw 1"_s);
    account.setNiftyIDAndPassword(u"second"_s, u"pw 2"_s);
    EXPECT_EQ(keychain.items().size(), 2);
    EXPECT_EQ(item(keychain, ServiceAccount::idServiceName(), ServiceAccount::idAccountName()), "second");
    EXPECT_EQ(item(keychain, ServiceAccount::passwordServiceName(), ServiceAccount::passwordAccountName()),
              "pw 2");

    const int callsBefore = keychain.calls();
    account.setNiftyIDAndPasswordForTemp(u"temp"_s, u"tpw"_s);
    EXPECT_EQ(keychain.calls(), callsBefore);
    EXPECT_EQ(account.niftyID(), u"temp"_s);
    EXPECT_EQ(item(keychain, ServiceAccount::idServiceName(), ServiceAccount::idAccountName()), "second");

    // A fresh start finds what the keychain button stored, not the temporary values.
    ServiceAccount restarted(keychain);
    restarted.readFromKeychain();
    EXPECT_EQ(restarted.niftyID(), u"second"_s);
}

TEST(ServiceAccount, WithoutAKeychainTheValuesLastForTheRun)
{
    test::FakeKeychain keychain;
    keychain.setUnavailable(true);
    ServiceAccount account(keychain);
    account.readFromKeychain();
    EXPECT_FALSE(account.hasIDAndPassword());
    account.setNiftyIDAndPassword(u"id"_s, u"pw"_s);
    EXPECT_EQ(account.niftyID(), u"id"_s);
    EXPECT_EQ(account.niftyPassword(), u"pw"_s);
    EXPECT_TRUE(account.hasIDAndPassword());
    account.setNiftyIDAndPasswordForTemp(u"id"_s, QString());
    EXPECT_FALSE(account.hasIDAndPassword());
}
