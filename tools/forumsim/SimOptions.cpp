#include "SimOptions.h"

#include <QCommandLineParser>

namespace tavrel::forumsim {

namespace {

const char kDescription[] =
    "tavrel-forumsim: a simulated @nifty Web Forum on loopback, for Tavrel and its tests.\n"
    "\n"
    "It serves every host of the service's endpoint table (the same table the client uses,\n"
    "hosts under example.com unless overridden with --set) over http and https on\n"
    "127.0.0.1 only: login and logout with domain-wide session cookies, new-style boards\n"
    "(http, https with basic authentication, members-only, password-protected), old-style\n"
    "boards behind the login session, posting, MyDesk messages, forum top pages, the forum\n"
    "list, per-forum board lists and the all-board list, in Shift_JIS (or ISO-2022-JP).\n"
    "\n"
    "At start it makes a throwaway certificate authority and writes a curl config folder;\n"
    "run curl with CURL_HOME set to it and the service's URLs reach the simulator. When\n"
    "ready it prints, one per line, FORUMSIM_HTTP_PORT=, FORUMSIM_HTTPS_PORT=,\n"
    "FORUMSIM_ADMIN_PORT=, FORUMSIM_CA_CERT=, CURL_HOME= and finally FORUMSIM_READY=1.\n"
    "It stops cleanly on SIGTERM or SIGINT.\n"
    "\n"
    "The admin port answers JSON for tests: GET /state, /boards/<id>, /posts, /requests,\n"
    "/mydesk/<member>; POST /boards/<id>/retitle, /restart, /messages, /settings,\n"
    "/behaviour (slow, fail, abort, notfound for a request kind), /sessions/expire, /mydesk.";

std::optional<int> port(const QCommandLineParser& parser, const QString& name, QString* error)
{
    if (!parser.isSet(name))
        return 0;
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok || value < 0 || value > 65535) {
        *error = QStringLiteral("--%1 needs a port number from 0 to 65535").arg(name);
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<SimOptions> SimOptions::parse(const QStringList& arguments, QString* output, QString* error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(kDescription));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(
        {QStringLiteral("scenario"),
         QStringLiteral("Start from the scenario in <file> (JSON) instead of the built-in demo forum."),
         QStringLiteral("file")});
    parser.addOption(
        {QStringLiteral("state-dir"),
         QStringLiteral("Write the curl config (.curlrc) and the CA certificate into <dir>, which then "
                        "serves as CURL_HOME; by default a temporary folder removed at exit."),
         QStringLiteral("dir")});
    parser.addOption({QStringLiteral("http-port"),
                      QStringLiteral("Listen for http on <port> (default: any free port)."),
                      QStringLiteral("port")});
    parser.addOption({QStringLiteral("https-port"),
                      QStringLiteral("Listen for https on <port> (default: any free port)."),
                      QStringLiteral("port")});
    parser.addOption({QStringLiteral("admin-port"),
                      QStringLiteral("Listen for the admin interface on <port> (default: any free port)."),
                      QStringLiteral("port")});
    parser.addOption(
        {QStringLiteral("set"),
         QStringLiteral("Override one entry of the service table, e.g. MemberHost=member.example.org "
                        "(repeatable)."),
         QStringLiteral("key=value")});
    parser.addOption(
        {QStringLiteral("keep-proxies"),
         QStringLiteral("Do not write noproxy into the curl config, so proxies of the environment or of "
                        "-x stay in effect.")});

    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet(help)) {
        *output = parser.helpText();
        return std::nullopt;
    }
    if (parser.isSet(version)) {
        *output = QStringLiteral("tavrel-forumsim " TAVREL_VERSION "\n");
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty()) {
        *error = QStringLiteral("unexpected argument: ") + parser.positionalArguments().constFirst();
        return std::nullopt;
    }

    SimOptions options;
    options.scenarioPath = parser.value(QStringLiteral("scenario"));
    options.stateDir = parser.value(QStringLiteral("state-dir"));
    options.keepProxies = parser.isSet(QStringLiteral("keep-proxies"));
    const auto http = port(parser, QStringLiteral("http-port"), error);
    const auto https = port(parser, QStringLiteral("https-port"), error);
    const auto admin = port(parser, QStringLiteral("admin-port"), error);
    if (!http || !https || !admin)
        return std::nullopt;
    options.httpPort = *http;
    options.httpsPort = *https;
    options.adminPort = *admin;
    for (const QString& entry : parser.values(QStringLiteral("set"))) {
        const qsizetype equals = entry.indexOf(u'=');
        if (equals <= 0) {
            *error = QStringLiteral("--set needs key=value, not ") + entry;
            return std::nullopt;
        }
        options.overrides.insert(entry.left(equals), entry.mid(equals + 1));
    }
    return options;
}

} // namespace tavrel::forumsim
