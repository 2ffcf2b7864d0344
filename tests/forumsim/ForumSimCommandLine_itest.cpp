// The simulator as a program: its help, where it listens, and its clean stop.

#include "ForumSimProcess.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>

#include <gtest/gtest.h>

#include <unistd.h>

using tavrel::test::ForumSimProcess;

namespace {

struct ProgramRun
{
    int exitCode = -1;
    QString output;
    QString errors;
};

ProgramRun runSimulator(const QStringList& arguments)
{
    QProcess process;
    process.start(ForumSimProcess::binaryPath(), arguments);
    ProgramRun run;
    if (process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    run.output = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.errors = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

// Listening TCP sockets of a process: "address:port" in /proc's hexadecimal form.
QStringList listeningSockets(qint64 pid)
{
    QSet<QString> inodes;
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QString& fd : fds.entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System)) {
        char target[128] = {};
        const ssize_t length =
            ::readlink(QFile::encodeName(fds.filePath(fd)).constData(), target, sizeof target - 1);
        const QString link = QString::fromLatin1(target, length > 0 ? length : 0);
        if (link.startsWith(QStringLiteral("socket:[")))
            inodes.insert(link.mid(8).chopped(1));
    }
    QStringList sockets;
    for (const QString& table : {QStringLiteral("tcp"), QStringLiteral("tcp6")}) {
        QFile file(QStringLiteral("/proc/%1/net/%2").arg(QString::number(pid), table));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> lines = file.readAll().split('\n');
        for (const QByteArray& line : lines.mid(1)) {
            const QList<QByteArray> fields = line.simplified().split(' ');
            if (fields.size() > 9 && fields.at(3) == "0A" &&
                inodes.contains(QString::fromLatin1(fields.at(9))))
                sockets.append(QString::fromLatin1(fields.at(1)));
        }
    }
    return sockets;
}

} // namespace

TEST(ForumSimCommandLine, HelpExplainsTheOptionsAndBadOptionsAreRefused)
{
    const ProgramRun help = runSimulator({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* expected : {"--scenario", "--state-dir", "--http-port", "--https-port", "--admin-port",
                                 "--set", "CURL_HOME", "FORUMSIM_READY", "127.0.0.1", "SIGTERM"})
        EXPECT_TRUE(help.output.contains(QLatin1String(expected))) << expected;

    const ProgramRun wrongOption = runSimulator({QStringLiteral("--no-such-option")});
    EXPECT_NE(wrongOption.exitCode, 0);
    EXPECT_TRUE(wrongOption.errors.contains(QStringLiteral("no-such-option")))
        << wrongOption.errors.toStdString();

    const ProgramRun unsafeHost =
        runSimulator({QStringLiteral("--set"), QStringLiteral("MemberHost=evil/host")});
    EXPECT_NE(unsafeHost.exitCode, 0);
    EXPECT_TRUE(unsafeHost.errors.contains(QStringLiteral("MemberHost")));

    const ProgramRun badScenario =
        runSimulator({QStringLiteral("--scenario"), QStringLiteral("/nonexistent/x.json")});
    EXPECT_NE(badScenario.exitCode, 0);
    EXPECT_TRUE(badScenario.errors.contains(QStringLiteral("/nonexistent/x.json")));
}

TEST(ForumSimCommandLine, ListensOnlyOnLoopbackWritesTheCurlConfigAndStopsOnSigterm)
{
    ForumSimProcess sim;
    ASSERT_TRUE(sim.start()) << sim.errorText().toStdString();

    const QStringList sockets = listeningSockets(sim.pid());
    ASSERT_EQ(sockets.size(), 3) << sockets.join(u' ').toStdString();
    QSet<int> ports;
    for (const QString& socket : sockets) {
        EXPECT_TRUE(socket.startsWith(QStringLiteral("0100007F:"))) << socket.toStdString();
        ports.insert(socket.section(u':', 1).toInt(nullptr, 16));
    }
    EXPECT_EQ(ports, (QSet<int>{sim.httpPort(), sim.httpsPort(), sim.adminPort()}));

    QFile curlrc(sim.curlHome() + QStringLiteral("/.curlrc"));
    ASSERT_TRUE(curlrc.open(QIODevice::ReadOnly));
    const QString config = QString::fromUtf8(curlrc.readAll());
    EXPECT_TRUE(config.contains(QStringLiteral("connect-to = \":80:127.0.0.1:%1\"").arg(sim.httpPort())));
    EXPECT_TRUE(config.contains(QStringLiteral("connect-to = \":443:127.0.0.1:%1\"").arg(sim.httpsPort())));
    EXPECT_TRUE(config.contains(QStringLiteral("cacert = \"%1/forumsim-ca.pem\"").arg(sim.curlHome())));
    EXPECT_TRUE(QFileInfo::exists(sim.curlHome() + QStringLiteral("/forumsim-ca.pem")));

    const QString curlHome = sim.curlHome();
    EXPECT_EQ(sim.stop(), 0);
    // The temporary config folder goes with the simulator.
    EXPECT_FALSE(QFileInfo::exists(curlHome));
}
