#include "ProxyScope.h"

#include "Preferences.h"

namespace tavrel {

ProxySettings proxiesForRun(const CommunicationSettings& settings, bool isUseProxyAllAccess,
                            const ProxySettings& allAccess)
{
    if (settings.isUseProxy)
        return settings.proxies;
    if (isUseProxyAllAccess)
        return allAccess;
    return {};
}

ProxySettings proxiesForRun(const CommunicationSettings& settings, const Preferences& preferences)
{
    return proxiesForRun(settings, preferences.isUseProxyAllAccess(), preferences.allAccessProxy());
}

} // namespace tavrel
