#pragma once

// The cookies of a login session. They are set for the service's whole domain (Domain=),
// so that curl sends them from a header dump to every host of the service; one extra
// host-only cookie shows that only domain cookies travel that way.

#include "Exchange.h"
#include "store/ServiceConfiguration.h"

#include <QString>

namespace tavrel::forumsim {

class SessionCookies
{
public:
    static QString sessionCookieName() { return QStringLiteral("NFSESSION"); }
    static QString memberCookieName() { return QStringLiteral("NFMEMBER"); }

    // Sets the session's cookies on the response (again on every answer of a session, so
    // the client's header dump always holds them).
    static void set(Exchange& exchange, const ServiceConfiguration& configuration, const QString& token,
                    const QString& memberId);
    // Tells the client to forget them.
    static void clear(Exchange& exchange, const ServiceConfiguration& configuration);
};

} // namespace tavrel::forumsim
