#pragma once

// The command line of tavrel-forumsim.

#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <optional>

namespace tavrel::forumsim {

struct SimOptions
{
    // Empty for the built-in demo scenario.
    QString scenarioPath;
    // Empty for a temporary folder removed at exit.
    QString stateDir;
    int httpPort = 0;
    int httpsPort = 0;
    int adminPort = 0;
    // Endpoint and text overrides, as the client's preferences would give them.
    QVariantMap overrides;
    bool keepProxies = false;

    // The options of `arguments` (the program name first). On --help or --version the text
    // to print is in `output` and nothing is returned; on a bad command line `error` is set.
    static std::optional<SimOptions> parse(const QStringList& arguments, QString* output, QString* error);
};

} // namespace tavrel::forumsim
