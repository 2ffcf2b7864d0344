#include "HermeticEnvironment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace tavrel::test {

void makeEnvironmentHermetic()
{
    // Lives until the program ends; QTemporaryDir removes it then.
    static QTemporaryDir home(QDir::tempPath() + QStringLiteral("/tavrel-home-XXXXXX"));
    if (!home.isValid())
        qFatal("cannot create a temporary home");
    const QByteArray root = QFile::encodeName(home.path());
    // The keyring's D-Bus session stays reachable: only files move.
    qputenv("HOME", root);
    qputenv("XDG_CONFIG_HOME", root + "/.config");
    qputenv("XDG_DATA_HOME", root + "/.local/share");
    qputenv("XDG_CACHE_HOME", root + "/.cache");
    qputenv("XDG_STATE_HOME", root + "/.local/state");
    for (const char* name : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "ALL_PROXY",
                             "all_proxy", "no_proxy", "NO_PROXY", "CURL_HOME"})
        qunsetenv(name);
}

} // namespace tavrel::test
