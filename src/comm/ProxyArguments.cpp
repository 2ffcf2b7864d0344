#include "ProxyArguments.h"

#include "store/ProxyScope.h"

namespace tavrel {

QString ProxyArguments::makeArgument(const QString& host, const QString& port)
{
    if (host.isEmpty())
        return {};
    QString argument = u"-x" + host;
    if (!port.isEmpty())
        argument += u':' + port;
    return argument;
}

ProxyArguments ProxyArguments::fromProxies(const ProxySettings& proxies)
{
    return {makeArgument(proxies.httpProxy, proxies.httpProxyPort),
            makeArgument(proxies.httpsProxy, proxies.httpsProxyPort)};
}

ProxyArguments ProxyArguments::forRun(const CommunicationSettings& settings, bool isUseProxyAllAccess,
                                      const ProxySettings& allAccess)
{
    return fromProxies(proxiesForRun(settings, isUseProxyAllAccess, allAccess));
}

QString ProxyArguments::allAccessHttpArgument(bool isUseProxyAllAccess, const ProxySettings& allAccess)
{
    if (!isUseProxyAllAccess)
        return {};
    return makeArgument(allAccess.httpProxy, allAccess.httpProxyPort);
}

QString ProxyArguments::byScheme(const QString& url) const
{
    const QString lower = url.toLower();
    if (lower.startsWith(u"http:"))
        return http;
    if (lower.startsWith(u"https:"))
        return https;
    return {};
}

QStringList withProxy(QStringList arguments, const QString& proxyArgument)
{
    if (!proxyArgument.isEmpty())
        arguments.prepend(proxyArgument);
    return arguments;
}

QStringList withProxyByScheme(QStringList arguments, const ProxyArguments& proxies)
{
    const QString url = arguments.isEmpty() ? QString() : arguments.constLast();
    return withProxy(std::move(arguments), proxies.byScheme(url));
}

} // namespace tavrel
