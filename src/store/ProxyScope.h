#pragma once

// Which proxies a run uses: the settings file's own when its "IsUseProxy" is on; otherwise the
// all-access proxies of the preferences when "IsUseProxyAllAccess" is on; otherwise none.

#include "store/CommunicationSettings.h"
#include "store/ProxySettings.h"

namespace tavrel {

class Preferences;

ProxySettings proxiesForRun(const CommunicationSettings& settings, bool isUseProxyAllAccess,
                            const ProxySettings& allAccess);
ProxySettings proxiesForRun(const CommunicationSettings& settings, const Preferences& preferences);

} // namespace tavrel
