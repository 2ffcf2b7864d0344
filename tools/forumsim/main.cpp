// tavrel-forumsim: the simulated service. See SimOptions.cpp for what it does.

#include "CurlHome.h"
#include "JapanTime.h"
#include "ScenarioReader.h"
#include "SimOptions.h"
#include "SimServer.h"
#include "TlsIdentity.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <pthread.h>

#include <csignal>
#include <cstdio>

using namespace tavrel;
using namespace tavrel::forumsim;

namespace {

int failWith(const QString& message)
{
    std::fprintf(stderr, "tavrel-forumsim: %s\n", qPrintable(message));
    return 1;
}

// The host names the server certificate must cover: the domain, everything under it, and
// every configured host (which may lie elsewhere).
QStringList certificateNames(const ServiceConfiguration& configuration)
{
    QStringList names{QStringLiteral("*.") + configuration.serviceDomain(), configuration.serviceDomain()};
    for (const QString& key : ServiceConfiguration::hostKeys()) {
        if (!names.contains(configuration.value(key)))
            names.append(configuration.value(key));
    }
    return names;
}

bool loadScenario(const QString& path, const ServiceConfiguration& configuration, ForumState& state,
                  SessionStore& sessions, QString* error)
{
    QFile file(path.isEmpty() ? QStringLiteral(":/forumsim/scenarios/demo.json") : path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read the scenario %1: %2").arg(file.fileName(), file.errorString());
        return false;
    }
    if (!ScenarioReader(configuration, JapanTime::now()).read(file.readAll(), state, sessions, error)) {
        *error = QStringLiteral("bad scenario %1: %2").arg(file.fileName(), *error);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // Signals are taken by sigwait below; every thread started later inherits the mask.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tavrel-forumsim"));
    QString output;
    QString error;
    const std::optional<SimOptions> options =
        SimOptions::parse(QCoreApplication::arguments(), &output, &error);
    if (!options) {
        if (!error.isEmpty())
            return failWith(error + QStringLiteral(" (see --help)"));
        std::fputs(output.toLocal8Bit().constData(), stdout);
        return 0;
    }

    const ServiceConfiguration configuration = ServiceConfiguration::withOverrides(options->overrides);
    if (!configuration.rejectedKeys().isEmpty())
        return failWith(QStringLiteral("unusable --set entries: ") +
                        configuration.rejectedKeys().join(QStringLiteral(", ")));

    ForumState state;
    SessionStore sessions;
    Behaviours behaviours;
    RequestLog requestLog;
    std::atomic_bool stopping{false};
    if (!loadScenario(options->scenarioPath, configuration, state, sessions, &error))
        return failWith(error);

    const auto identity = TlsIdentity::generate(certificateNames(configuration), &error);
    if (!identity)
        return failWith(error);

    QTemporaryDir temporary(QDir::tempPath() + QStringLiteral("/tavrel-forumsim-XXXXXX"));
    const QString stateDir =
        options->stateDir.isEmpty() ? temporary.path() : QDir(options->stateDir).absolutePath();
    if (options->stateDir.isEmpty() && !temporary.isValid())
        return failWith(QStringLiteral("cannot create a temporary folder"));

    SimContext context{configuration, state, sessions, behaviours, requestLog, stopping};
    SimServer server(context, *identity);
    if (!server.start({options->httpPort, options->httpsPort, options->adminPort}, &error))
        return failWith(error);
    const SimServer::Ports& ports = server.ports();
    if (!CurlHome::write(stateDir, {ports.http, ports.https}, identity->authorityPem(), !options->keepProxies,
                         &error)) {
        stopping = true;
        server.stop();
        return failWith(error);
    }

    std::printf("FORUMSIM_HTTP_PORT=%d\nFORUMSIM_HTTPS_PORT=%d\nFORUMSIM_ADMIN_PORT=%d\n", ports.http,
                ports.https, ports.admin);
    std::printf("FORUMSIM_CA_CERT=%s\n",
                qPrintable(QDir(stateDir).absoluteFilePath(QStringLiteral("forumsim-ca.pem"))));
    std::printf("CURL_HOME=%s\nFORUMSIM_READY=1\n", qPrintable(stateDir));
    std::fflush(stdout);

    int received = 0;
    sigwait(&stopSignals, &received);
    stopping = true;
    server.stop();
    return 0;
}
