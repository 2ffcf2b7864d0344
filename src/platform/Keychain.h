#pragma once

// The user's keychain: generic-password items named by a service and an account name, each
// holding secret bytes. Logic asks through this interface, so it runs against a fake in tests.

#include <QByteArray>
#include <QString>

#include <optional>

namespace tavrel {

class Keychain
{
public:
    virtual ~Keychain() = default;

    // The secret of the item, or nothing when there is no such item or the keychain cannot
    // be reached.
    virtual std::optional<QByteArray> findGenericPassword(const QString& service, const QString& account) = 0;
    // Adds an item (replacing one of the same names); false when that failed.
    virtual bool addGenericPassword(const QString& service, const QString& account,
                                    const QByteArray& secret) = 0;
    // Removes the item when there is one; false when removing failed.
    virtual bool deleteGenericPassword(const QString& service, const QString& account) = 0;
};

} // namespace tavrel
