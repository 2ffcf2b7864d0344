#pragma once

// The proxies of one scope: a host and a port (as typed) for http and for https. An empty
// host means no proxy for that scheme; an empty port means the proxy without a port.

#include <QString>

namespace tavrel {

struct ProxySettings
{
    QString httpProxy;
    QString httpProxyPort;
    QString httpsProxy;
    QString httpsProxyPort;

    bool isEmpty() const { return httpProxy.isEmpty() && httpsProxy.isEmpty(); }
    friend bool operator==(const ProxySettings&, const ProxySettings&) = default;
};

} // namespace tavrel
