#pragma once

// Runs tavrel-forumsim for a test: starts the built binary, waits for its ready lines, gives
// the CURL_HOME (and an environment holding it) for curl, talks to its admin port, and stops
// it with SIGTERM. Everything is inline so that any test program can include it.

#include "support/TempDir.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace tavrel::test {

class ForumSimProcess
{
public:
    ForumSimProcess() = default;
    ~ForumSimProcess() { stop(); }
    ForumSimProcess(const ForumSimProcess&) = delete;
    ForumSimProcess& operator=(const ForumSimProcess&) = delete;

    static QString binaryPath() { return binaryDir() + QStringLiteral("/tavrel-forumsim"); }

    // Starts the simulator with extra arguments (e.g. --scenario FILE) and waits until it
    // is ready; false (see errorText()) when it exits or stays silent for `timeoutMs`.
    bool start(const QStringList& arguments = {}, int timeoutMs = 20000)
    {
        m_process.setProgram(binaryPath());
        m_process.setArguments(arguments);
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start();
        if (!m_process.waitForStarted(timeoutMs)) {
            m_error = QStringLiteral("cannot start %1: %2").arg(binaryPath(), m_process.errorString());
            return false;
        }
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < timeoutMs) {
            while (m_process.canReadLine()) {
                const QString line = QString::fromLocal8Bit(m_process.readLine()).trimmed();
                const qsizetype equals = line.indexOf(u'=');
                if (equals > 0)
                    m_values.insert(line.left(equals), line.mid(equals + 1));
                if (line == u"FORUMSIM_READY=1")
                    return true;
            }
            if (m_process.state() == QProcess::NotRunning) {
                m_error = QStringLiteral("the simulator exited: ") +
                          QString::fromLocal8Bit(m_process.readAllStandardError());
                return false;
            }
            m_process.waitForReadyRead(100);
        }
        m_error = QStringLiteral("the simulator did not get ready");
        return false;
    }

    // Sends SIGTERM and waits; the exit code, or -1 when it crashed or did not stop.
    int stop(int timeoutMs = 10000)
    {
        if (m_process.state() == QProcess::NotRunning)
            return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
        m_process.terminate();
        if (!m_process.waitForFinished(timeoutMs)) {
            m_process.kill();
            m_process.waitForFinished(timeoutMs);
            return -1;
        }
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    }

    const QString& errorText() const { return m_error; }
    qint64 pid() const { return m_process.processId(); }
    QString curlHome() const { return m_values.value(QStringLiteral("CURL_HOME")); }
    int httpPort() const { return m_values.value(QStringLiteral("FORUMSIM_HTTP_PORT")).toInt(); }
    int httpsPort() const { return m_values.value(QStringLiteral("FORUMSIM_HTTPS_PORT")).toInt(); }
    int adminPort() const { return m_values.value(QStringLiteral("FORUMSIM_ADMIN_PORT")).toInt(); }

    // The environment for curl: this process's own, with CURL_HOME leading to the simulator.
    QProcessEnvironment curlEnvironment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("CURL_HOME"), curlHome());
        return environment;
    }

    // Admin requests; an object with "error" when the request fails.
    QJsonObject adminGet(const QString& path) const { return admin(path, {}); }
    QJsonObject adminPost(const QString& path, const QJsonObject& body = QJsonObject()) const
    {
        return admin(path, QJsonDocument(body).toJson(QJsonDocument::Compact));
    }

private:
    QJsonObject admin(const QString& path, const QByteArray& body) const
    {
        // -q: no .curlrc; the admin port is reached directly on loopback.
        QStringList arguments{QStringLiteral("-q"), QStringLiteral("-s"), QStringLiteral("--noproxy"),
                              QStringLiteral("*")};
        if (!body.isNull())
            arguments << QStringLiteral("--data-binary") << QStringLiteral("@-");
        arguments << QStringLiteral("http://127.0.0.1:%1%2").arg(QString::number(adminPort()), path);
        QProcess curl;
        curl.start(QStringLiteral("/usr/bin/curl"), arguments);
        if (!body.isNull())
            curl.write(body);
        curl.closeWriteChannel();
        if (!curl.waitForFinished(30000) || curl.exitCode() != 0)
            return QJsonObject{
                {QStringLiteral("error"), QString(QStringLiteral("admin request failed: ") + path)}};
        return QJsonDocument::fromJson(curl.readAllStandardOutput()).object();
    }

    QProcess m_process;
    QHash<QString, QString> m_values;
    QString m_error;
};

} // namespace tavrel::test
