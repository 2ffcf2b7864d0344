#pragma once

// Keychain for tests: items in memory, keyed by service and account; can play a keychain
// that no secret service answers.

#include "platform/Keychain.h"

#include <QMap>
#include <QPair>

namespace tavrel::test {

class FakeKeychain : public Keychain
{
public:
    std::optional<QByteArray> findGenericPassword(const QString& service, const QString& account) override
    {
        ++m_calls;
        if (m_unavailable || !m_items.contains({service, account}))
            return std::nullopt;
        return m_items.value({service, account});
    }
    bool addGenericPassword(const QString& service, const QString& account, const QByteArray& secret) override
    {
        ++m_calls;
        if (m_unavailable)
            return false;
        m_items.insert({service, account}, secret);
        return true;
    }
    bool deleteGenericPassword(const QString& service, const QString& account) override
    {
        ++m_calls;
        if (m_unavailable)
            return false;
        m_items.remove({service, account});
        return true;
    }

    void setUnavailable(bool unavailable) { m_unavailable = unavailable; }
    const QMap<QPair<QString, QString>, QByteArray>& items() const { return m_items; }
    int calls() const { return m_calls; }

private:
    QMap<QPair<QString, QString>, QByteArray> m_items;
    bool m_unavailable = false;
    int m_calls = 0;
};

} // namespace tavrel::test
