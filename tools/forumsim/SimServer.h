#pragma once

// The listening side: an http and an https server for the service's hosts and an admin
// server for tests, each on 127.0.0.1 only, each on its own thread.

#include "AdminService.h"
#include "Dispatcher.h"
#include "SimContext.h"
#include "TlsIdentity.h"

#include <QString>

#include <httplib.h>

#include <memory>
#include <thread>
#include <vector>

namespace tavrel::forumsim {

class SimServer
{
public:
    struct Ports
    {
        int http = 0;
        int https = 0;
        int admin = 0;
    };

    static const char* listenAddress() { return "127.0.0.1"; }

    SimServer(SimContext& context, const TlsIdentity& identity);
    ~SimServer();

    // Binds the three ports (0 = any free port) and starts serving; false with `error` set
    // when a port cannot be bound.
    bool start(const Ports& requested, QString* error);
    const Ports& ports() const { return m_ports; }
    // Stops serving and waits for the server threads.
    void stop();

private:
    Dispatcher m_dispatcher;
    AdminService m_admin;
    httplib::Server m_http;
    httplib::SSLServer m_https;
    httplib::Server m_adminServer;
    std::vector<std::thread> m_threads;
    Ports m_ports;
};

} // namespace tavrel::forumsim
