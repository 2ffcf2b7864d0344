#pragma once

// Transfer tasks for tests of the run's chain: every start is recorded, and a responder
// decides what the "client" leaves behind (files) and its exit status. The end always comes
// from the event loop, as a real child's does; a responder that answers nothing leaves the
// task running until it is terminated (status -1).

#include "comm/Transfer.h"

#include <QDir>
#include <QList>
#include <QMetaObject>
#include <QStringList>

#include <functional>
#include <optional>

namespace tavrel::test {

struct TransferRequest
{
    QString workingDirectory;
    QStringList arguments;

    QString url() const { return arguments.isEmpty() ? QString() : arguments.constLast(); }
    // The value of the first argument that starts with `option` ("-o", "-dktype=", ...).
    std::optional<QString> value(const QString& option) const
    {
        for (const QString& argument : arguments) {
            if (argument.startsWith(option))
                return argument.mid(option.size());
        }
        return std::nullopt;
    }
    QString outputPath() const
    {
        return QDir(workingDirectory).filePath(value(QStringLiteral("-o")).value_or(QString()));
    }
};

class FakeTransferFactory;

class FakeTransfer : public Transfer
{
public:
    using Responder = std::function<std::optional<int>(const TransferRequest&)>;

    explicit FakeTransfer(Responder responder)
        : m_responder(std::move(responder))
    {}

    void start(const QString& workingDirectory, const QStringList& arguments) override
    {
        m_request = {workingDirectory, arguments};
        m_running = true;
        if (m_onStart)
            m_onStart(m_request);
        if (const std::optional<int> status = m_responder(m_request))
            endLater(*status);
    }
    bool isRunning() const override { return m_running; }
    void terminate() override
    {
        if (m_running)
            endLater(-1);
    }

    std::function<void(const TransferRequest&)> m_onStart;

private:
    void endLater(int status)
    {
        QMetaObject::invokeMethod(
            this,
            [this, status] {
                if (!m_running)
                    return;
                m_running = false;
                emit ended(status);
            },
            Qt::QueuedConnection);
    }

    Responder m_responder;
    TransferRequest m_request;
    bool m_running = false;
};

class FakeTransferFactory : public TransferFactory
{
public:
    // Answers status 0 with nothing written until told otherwise.
    FakeTransferFactory()
        : m_responder([](const TransferRequest&) { return std::optional<int>(0); })
    {}

    void setResponder(FakeTransfer::Responder responder) { m_responder = std::move(responder); }

    std::unique_ptr<Transfer> create() override
    {
        auto transfer = std::make_unique<FakeTransfer>(m_responder);
        transfer->m_onStart = [this](const TransferRequest& request) { m_requests.append(request); };
        return transfer;
    }

    const QList<TransferRequest>& requests() const { return m_requests; }
    // The URLs of every request so far, in order.
    QStringList urls() const
    {
        QStringList urls;
        for (const TransferRequest& request : m_requests)
            urls.append(request.url());
        return urls;
    }

private:
    FakeTransfer::Responder m_responder;
    QList<TransferRequest> m_requests;
};

} // namespace tavrel::test
