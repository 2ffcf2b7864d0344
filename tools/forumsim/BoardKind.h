#pragma once

// The kinds of board the service has, named by the prefix its board lists use ("OPEN",
// "CLOSE", "NS2", ...). A kind decides the board server, the scheme, the script folder and
// whether the board is new-style (nb_wrent) or old-style (cf_wrent).

#include "store/ServiceConfiguration.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tavrel::forumsim {

class BoardKind
{
public:
    // The kind of a board-list prefix (without its colon, any case); nothing when unknown.
    static std::optional<BoardKind> fromPrefix(const QString& prefix);
    static QStringList prefixes();
    // The plain open board on BoardHostA.
    static BoardKind open() { return *fromPrefix(QStringLiteral("OPEN")); }

    const QString& prefix() const { return m_prefix; }
    // "BoardHostA" ... "BoardHostE": the role whose host serves the board.
    const QString& hostRole() const { return m_hostRole; }
    bool isSecure() const { return m_secure; }
    bool isOldStyle() const { return m_oldStyle; }
    // Members-only: the script folder ends in "_s" ("nbbin_s", "mes_s").
    bool isLimited() const { return m_scriptFolder.endsWith(QStringLiteral("_s")); }
    // "nbbin", "nbbin_s", "mes" or "mes_s".
    const QString& scriptFolder() const { return m_scriptFolder; }
    // "nb_" for new-style boards, "cf_" for old-style ones.
    QString scriptPrefix() const { return m_oldStyle ? QStringLiteral("cf_") : QStringLiteral("nb_"); }
    // The board server base URL, e.g. "http://nbbs-a.example.com/nbbin/nb_wrent/".
    QString baseUrl(const ServiceConfiguration& configuration) const;
    // Scheme and host, e.g. "https://nbbs-a.example.com".
    QString origin(const ServiceConfiguration& configuration) const;

private:
    BoardKind(QString prefix, QString hostRole, bool secure, QString scriptFolder, bool oldStyle);

    QString m_prefix;
    QString m_hostRole;
    bool m_secure;
    QString m_scriptFolder;
    bool m_oldStyle;
};

} // namespace tavrel::forumsim
