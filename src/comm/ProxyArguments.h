#pragma once

// The two proxy arguments of a run: each is empty or one client argument "-x" + host, with
// ":" + port when a port is set. A request takes one of them by its URL's scheme, or a fixed
// one by its kind, and carries it in front of all its other arguments.

#include "store/CommunicationSettings.h"
#include "store/ProxySettings.h"

#include <QString>
#include <QStringList>

namespace tavrel {

struct ProxyArguments
{
    QString http;
    QString https;

    // "-x" + host (+ ":" + port when the port is not empty); empty when the host is empty.
    static QString makeArgument(const QString& host, const QString& port);
    static ProxyArguments fromProxies(const ProxySettings& proxies);

    // The proxy half of preparing a run: the settings file's proxies when its "IsUseProxy" is
    // on, else the all-access proxies when "IsUseProxyAllAccess" is on, else none.
    static ProxyArguments forRun(const CommunicationSettings& settings, bool isUseProxyAllAccess,
                                 const ProxySettings& allAccess);
    // The board list download's HTTP proxy argument: the all-access proxy only.
    static QString allAccessHttpArgument(bool isUseProxyAllAccess, const ProxySettings& allAccess);

    // The argument for a request by the scheme of its URL (the last argument): "http:" takes
    // the HTTP one, "https:" the HTTPS one, in any letter case; anything else none.
    QString byScheme(const QString& url) const;

    friend bool operator==(const ProxyArguments&, const ProxyArguments&) = default;
};

// The list with the proxy argument inserted in front, when it is not empty.
QStringList withProxy(QStringList arguments, const QString& proxyArgument);
// The list with the proxy argument chosen by the scheme of its last argument in front.
QStringList withProxyByScheme(QStringList arguments, const ProxyArguments& proxies);

} // namespace tavrel
