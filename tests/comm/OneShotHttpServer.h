#pragma once

// A loopback HTTP server for one request, for transfer tests that need no simulated service:
// it accepts one connection, reads the request (headers and a Content-Length body), keeps it,
// and sends the given answer once released (or never, to let a client time out).

#include <QByteArray>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <mutex>
#include <thread>

namespace tavrel::test {

class OneShotHttpServer
{
public:
    explicit OneShotHttpServer(QByteArray answer)
        : m_answer(std::move(answer))
    {
        m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(m_listener, 1);
        socklen_t length = sizeof address;
        ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length);
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { serve(); });
    }
    ~OneShotHttpServer()
    {
        m_released = true;
        m_stopping = true;
        ::shutdown(m_listener, SHUT_RDWR);
        ::close(m_listener);
        if (m_thread.joinable())
            m_thread.join();
    }

    int port() const { return m_port; }
    bool hasRequest() const { return m_hasRequest; }
    QByteArray request() const
    {
        std::lock_guard lock(m_mutex);
        return m_request;
    }
    // Lets the answer go out.
    void release() { m_released = true; }

private:
    void serve()
    {
        const int connection = ::accept(m_listener, nullptr, nullptr);
        if (connection < 0)
            return;
        QByteArray data;
        char buffer[4096];
        while (!m_stopping) {
            const ssize_t n = ::recv(connection, buffer, sizeof buffer, 0);
            if (n <= 0)
                break;
            data.append(buffer, qsizetype(n));
            const qsizetype headerEnd = data.indexOf("\r\n\r\n");
            if (headerEnd < 0)
                continue;
            qsizetype bodyLength = 0;
            const QByteArray lower = data.left(headerEnd).toLower();
            const qsizetype at = lower.indexOf("content-length:");
            if (at >= 0)
                bodyLength = lower.mid(at + 15, lower.indexOf('\r', at) - at - 15).trimmed().toLongLong();
            if (data.size() >= headerEnd + 4 + bodyLength)
                break;
        }
        {
            std::lock_guard lock(m_mutex);
            m_request = data;
        }
        m_hasRequest = true;
        while (!m_released)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (!m_stopping)
            ::send(connection, m_answer.constData(), size_t(m_answer.size()), MSG_NOSIGNAL);
        ::close(connection);
    }

    QByteArray m_answer;
    int m_listener = -1;
    int m_port = 0;
    std::thread m_thread;
    mutable std::mutex m_mutex;
    QByteArray m_request;
    std::atomic<bool> m_hasRequest = false;
    std::atomic<bool> m_released = false;
    std::atomic<bool> m_stopping = false;
};

} // namespace tavrel::test
