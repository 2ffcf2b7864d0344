#pragma once

// The one table of the service's endpoints and of the texts the service's pages and forms
// use. The client builds its URLs and looks for its markers here; the simulated service
// builds its pages from the same table, so both agree by construction. Compiled-in defaults
// name hosts under example.com; a dictionary (from the preferences) may override entries.

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace tavrel {

class ServiceConfiguration
{
public:
    // The compiled-in defaults.
    ServiceConfiguration();

    // The defaults with every known entry of `overrides` applied. An entry is taken only
    // when its value is a non-empty text and, for a host role, a plain host name; other
    // entries (unknown keys, wrong types, unsafe host names) are listed in rejectedKeys().
    static ServiceConfiguration withOverrides(const QVariantMap& overrides);

    // Endpoint roles: BoardHostA ... ServiceDomain.
    static const QStringList& hostKeys();
    // Service-expected texts: "Maru", "HatsugenSuru", ...
    static const QStringList& textKeys();
    static bool isKnownKey(const QString& key);
    // A host name we accept as a URL part: letters, digits, "-" and ".", not starting with
    // "-" or ".", at most 253 characters.
    static bool isPlainHostName(const QString& host);

    // The value of a key of either table; empty for an unknown key.
    QString value(const QString& key) const { return m_values.value(key); }
    // Every entry, for showing or storing.
    QVariantMap toVariantMap() const;
    // Override keys that were not applied, in the order given.
    const QStringList& rejectedKeys() const { return m_rejected; }

    QString boardHostA() const { return value(QStringLiteral("BoardHostA")); }
    QString boardHostB() const { return value(QStringLiteral("BoardHostB")); }
    QString boardHostC() const { return value(QStringLiteral("BoardHostC")); }
    QString boardHostD() const { return value(QStringLiteral("BoardHostD")); }
    QString boardHostE() const { return value(QStringLiteral("BoardHostE")); }
    QString boardHostELegacy() const { return value(QStringLiteral("BoardHostELegacy")); }
    QString forumHost() const { return value(QStringLiteral("ForumHost")); }
    QString portalHost() const { return value(QStringLiteral("PortalHost")); }
    QString memberHost() const { return value(QStringLiteral("MemberHost")); }
    QString memberHostLegacy() const { return value(QStringLiteral("MemberHostLegacy")); }
    QString serviceDomain() const { return value(QStringLiteral("ServiceDomain")); }

    // ktype value of protected boards and posts; exec value of old-style posts.
    QString maru() const { return value(QStringLiteral("Maru")); }
    QString hatsugenSuru() const { return value(QStringLiteral("HatsugenSuru")); }
    // Markers of unread and read messages on a MyDesk inbox page.
    QString messageInboxMidokuIMGTag() const { return value(QStringLiteral("MessageInboxMidokuIMGTag")); }
    QString messageInboxKidokuIMGTag() const { return value(QStringLiteral("MessageInboxKidokuIMGTag")); }
    // The per-board block of a forum top page and its last-message date label.
    QString toolBetsuTsuikaJouhouStart() const { return value(QStringLiteral("ToolBetsuTsuikaJouhouStart")); }
    QString toolBetsuTsuikaJouhouEnd() const { return value(QStringLiteral("ToolBetsuTsuikaJouhouEnd")); }
    QString saisyuuHatsugenNichiji() const { return value(QStringLiteral("SaisyuuHatsugenNichiji")); }
    // The markers around a board's explanation on its pages.
    QString toolMeiToSetsumeiBunStart() const { return value(QStringLiteral("ToolMeiToSetsumeiBunStart")); }
    QString toolMeiToSetsumeiBunEnd() const { return value(QStringLiteral("ToolMeiToSetsumeiBunEnd")); }
    // The label that begins the per-user action block of a message.
    QString actionToThisUser() const { return value(QStringLiteral("ActionToThisUser")); }
    QString konoUserHenoAction() const { return value(QStringLiteral("KonoUserHenoAction")); }
    // The part separator of a board's page title.
    QString keijibanTitleSeparator() const { return value(QStringLiteral("KeijibanTitleSeparator")); }

private:
    QHash<QString, QString> m_values;
    QStringList m_rejected;
};

} // namespace tavrel
