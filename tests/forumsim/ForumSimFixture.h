#pragma once

// A running simulator, a data folder laid out as the client's (root, Tmp, ForumTop), and
// the real /usr/bin/curl run in it with an argument list, as the client runs it.

#include "ForumSimProcess.h"
#include "PageReading.h"
#include "store/ServiceConfiguration.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace tavrel::test {

struct CurlRun
{
    int exitCode = -1;
    QString errorOutput;
};

class ForumSimFixture : public ::testing::Test
{
protected:
    // The demo scenario's member with MyDesk mail and access to every board.
    static QString memberId() { return QStringLiteral("TAV00001"); }
    static QString memberPassword() { return QStringLiteral("neko-pass1"); }

    void SetUp() override
    {
        ASSERT_TRUE(m_sim.start()) << m_sim.errorText().toStdString();
        m_data.makeDir(QStringLiteral("Tmp"));
        m_data.makeDir(QStringLiteral("ForumTop"));
    }

    QString dataPath(const QString& relative = QString()) const
    {
        return relative.isEmpty() ? m_data.path() : m_data.filePath(relative);
    }
    QString cookiePath() const { return dataPath(QStringLiteral("nifty_Login_cookies.txt")); }
    QString nextPath() const { return dataPath(QStringLiteral("next_cookies.txt")); }

    // Runs /usr/bin/curl in `folder` (relative to the data folder) with the simulator's
    // curl config; the arguments are passed as they are.
    CurlRun curl(const QStringList& arguments, const QString& folder = QString(),
                 int timeoutMs = 120000) const
    {
        QProcess process;
        process.setProcessEnvironment(m_sim.curlEnvironment());
        process.setWorkingDirectory(dataPath(folder));
        process.start(QStringLiteral("/usr/bin/curl"), arguments);
        CurlRun run;
        if (!process.waitForFinished(timeoutMs)) {
            process.kill();
            process.waitForFinished();
            return run;
        }
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.errorOutput = QString::fromLocal8Bit(process.readAllStandardError());
        return run;
    }

    // The login request with its form body, leaving the headers in the cookie file.
    CurlRun login(const QString& id, const QString& password) const
    {
        const QString body = QStringLiteral("RETURL=http%3A%2F%2F") + configuration().memberHost() +
                             QStringLiteral("%2Fforum%2F&method_type=GET&attest_id=") + urlEncode(id) +
                             QStringLiteral("&attest_pass=") + urlEncode(password);
        return curl(
            {QStringLiteral("-onifty_Login.html"), QStringLiteral("-Dnifty_Login_cookies.txt"),
             QStringLiteral("-d") + body,
             QStringLiteral("https://") + configuration().memberHost() + QStringLiteral("/forum/login")});
    }

    // A page saved under `relative` in the data folder, decoded.
    QString page(const QString& relative) const { return decodePage(readFile(dataPath(relative))); }

    static const ServiceConfiguration& configuration()
    {
        static const ServiceConfiguration defaults;
        return defaults;
    }

    // A board page URL as the client builds it from the board server base URL.
    static QString pageUrl(const QString& base, const QString& board, int page)
    {
        return base + board + QStringLiteral("/wr_page=%1/wr_type=M").arg(page);
    }

    ForumSimProcess m_sim;
    TempDir m_data;
};

} // namespace tavrel::test
