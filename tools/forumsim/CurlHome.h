#pragma once

// The curl configuration that leads a client to the simulator: a folder to use as CURL_HOME
// holding ".curlrc" (connect-to for ports 80 and 443, the throwaway authority as cacert)
// and the authority's certificate. Only curl's environment learns about the simulator.

#include <QByteArray>
#include <QString>

namespace tavrel::forumsim {

class CurlHome
{
public:
    struct Ports
    {
        int http = 0;
        int https = 0;
    };

    // Writes both files into `folder` (created when missing), each atomically. With
    // `bypassProxies`, the config also tells curl to reach the simulator directly even
    // when the environment names a proxy.
    static bool write(const QString& folder, const Ports& ports, const QByteArray& authorityPem,
                      bool bypassProxies, QString* error);
    // The text of ".curlrc".
    static QByteArray configText(const Ports& ports, const QString& authorityPath, bool bypassProxies);
    // A value in curl's config syntax: in double quotes, with "\" and the double quote escaped.
    static QString quoted(const QString& value);
};

} // namespace tavrel::forumsim
