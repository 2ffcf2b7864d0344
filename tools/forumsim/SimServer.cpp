#include "SimServer.h"

#include <chrono>

namespace tavrel::forumsim {

namespace {

// Binds to loopback on `port`, or on any free port for 0; the bound port, or -1.
int bindLoopback(httplib::Server& server, int port)
{
    if (port == 0)
        return server.bind_to_any_port(SimServer::listenAddress());
    return server.bind_to_port(SimServer::listenAddress(), port) ? port : -1;
}

} // namespace

SimServer::SimServer(SimContext& context, const TlsIdentity& identity)
    : m_dispatcher(context)
    , m_admin(context)
    , m_https(identity.serverCertificate(), identity.serverKey())
{
    const auto serve = [this](bool secure) {
        return [this, secure](const httplib::Request& request, httplib::Response& response) {
            m_dispatcher.handle(request, response, secure);
        };
    };
    for (httplib::Server* server :
         {static_cast<httplib::Server*>(&m_http), static_cast<httplib::Server*>(&m_https)}) {
        const bool secure = server == &m_https;
        server->Get(".*", serve(secure));
        server->Post(".*", serve(secure));
        server->set_payload_max_length(1 << 20);
    }
    m_admin.install(m_adminServer);
}

SimServer::~SimServer()
{
    stop();
}

bool SimServer::start(const Ports& requested, QString* error)
{
    if (!m_https.is_valid()) {
        *error = QStringLiteral("the https server cannot use its certificate");
        return false;
    }
    const struct
    {
        httplib::Server* server;
        int requested;
        int* bound;
        const char* name;
    } plan[] = {{&m_http, requested.http, &m_ports.http, "http"},
                {&m_https, requested.https, &m_ports.https, "https"},
                {&m_adminServer, requested.admin, &m_ports.admin, "admin"}};
    for (const auto& entry : plan) {
        *entry.bound = bindLoopback(*entry.server, entry.requested);
        if (*entry.bound <= 0) {
            *error = QStringLiteral("cannot listen for %1 on %2:%3")
                         .arg(QLatin1String(entry.name), QLatin1String(listenAddress()),
                              QString::number(entry.requested));
            return false;
        }
    }
    for (const auto& entry : plan)
        m_threads.emplace_back([server = entry.server] { server->listen_after_bind(); });
    // Ready means accepting: wait until every server runs (and so can also be stopped).
    for (int waited = 0; waited < 5000; ++waited) {
        if (m_http.is_running() && m_https.is_running() && m_adminServer.is_running())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    *error = QStringLiteral("the servers did not start");
    return false;
}

void SimServer::stop()
{
    m_http.stop();
    m_https.stop();
    m_adminServer.stop();
    for (std::thread& thread : m_threads) {
        if (thread.joinable())
            thread.join();
    }
    m_threads.clear();
}

} // namespace tavrel::forumsim
