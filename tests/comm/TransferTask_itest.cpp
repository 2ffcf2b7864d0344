#include "OneShotHttpServer.h"
#include "comm/CurlConfig.h"
#include "comm/TransferTask.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace tavrel;
using namespace Qt::StringLiterals;

namespace {

const QByteArray kAnswer = "HTTP/1.1 200 OK\r\nContent-Length: 5\r\nSet-Cookie: s=1; Domain=.example.com\r\n"
                           "Connection: close\r\n\r\nhello";

QByteArray commandLineOf(qint64 pid)
{
    QFile file(u"/proc/%1/cmdline"_s.arg(pid));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray basicAuthorization(const QByteArray& credentials)
{
    return QByteArray("Authorization: Basic ").append(credentials.toBase64());
}

int endOf(TransferTask& task, int timeoutMs = 20000)
{
    QSignalSpy spy(&task, &TransferTask::ended);
    if (spy.isEmpty() && !spy.wait(timeoutMs))
        return -1000;
    return spy.at(0).at(0).toInt();
}

} // namespace

TEST(TransferTask, SecretsTravelOnStandardInputNotOnTheCommandLine)
{
    test::TempDir dir;
    test::OneShotHttpServer server(kAnswer);
    const QString url = u"http://127.0.0.1:%1/forum/login"_s.arg(server.port());
    TransferTask task;
    QSignalSpy ended(&task, &TransferTask::ended);
    task.start(dir.path(), {u"-uthe-id:basic-secret"_s, u"-dktype=%81%9B"_s, u"-db_passwd=hogo+secret"_s,
                            u"-oanswer.html"_s, u"-Dheaders.txt"_s, url});

    ASSERT_TRUE(QTest::qWaitFor([&] { return server.hasRequest(); }, 20000));
    ASSERT_TRUE(task.isRunning());
    const QByteArray commandLine = commandLineOf(task.processId());
    EXPECT_EQ(commandLine, QByteArray("/usr/bin/curl\0-K\0-\0", 19));
    EXPECT_FALSE(commandLine.contains("secret"));

    server.release();
    ASSERT_TRUE(ended.wait(20000));
    EXPECT_EQ(ended.at(0).at(0).toInt(), 0);

    // The request went out as the arguments said: a form POST with the fields in order and
    // basic authentication.
    const QByteArray request = server.request();
    EXPECT_TRUE(request.startsWith("POST /forum/login HTTP/1.1\r\n")) << request.constData();
    EXPECT_TRUE(request.endsWith("\r\n\r\nktype=%81%9B&b_passwd=hogo+secret")) << request.constData();
    EXPECT_TRUE(request.contains(basicAuthorization("the-id:basic-secret")));
    EXPECT_EQ(test::readFile(dir.filePath(u"answer.html"_s)), QByteArray("hello"));
    EXPECT_TRUE(test::readFile(dir.filePath(u"headers.txt"_s)).contains("Set-Cookie: s=1"));
}

TEST(TransferTask, ValuesWithQuotesBackslashesAndLineBreaksArriveIntact)
{
    test::TempDir dir;
    test::OneShotHttpServer server(kAnswer);
    server.release();
    const QString odd = u"a\"b\\c d\te\u3042"_s;
    TransferTask task;
    task.start(dir.path(), {u"-u"_s + odd + u":p\"w"_s, u"-oout file.html"_s,
                            u"http://127.0.0.1:%1/x"_s.arg(server.port())});
    EXPECT_EQ(endOf(task), 0);
    EXPECT_TRUE(server.request().contains(basicAuthorization((odd + u":p\"w"_s).toUtf8())));
    EXPECT_TRUE(QFile::exists(dir.filePath(u"out file.html"_s)));
}

TEST(TransferTask, ExitStatusesOfTheClientComeThrough)
{
    test::TempDir dir;
    {
        // "-f" turns an HTTP error into status 22.
        test::OneShotHttpServer server(
            "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        server.release();
        TransferTask task;
        task.start(dir.path(), {u"-oa"_s, u"-f"_s, u"http://127.0.0.1:%1/x"_s.arg(server.port())});
        EXPECT_EQ(endOf(task), 22);
    }
    {
        // A time limit gives 28.
        test::OneShotHttpServer server(kAnswer);
        TransferTask task;
        task.start(dir.path(), {u"-oa"_s, u"-m1"_s, u"http://127.0.0.1:%1/x"_s.arg(server.port())});
        EXPECT_EQ(endOf(task), 28);
    }
    {
        // Terminated while running: no exit status of its own.
        test::OneShotHttpServer server(kAnswer);
        TransferTask task;
        QSignalSpy ended(&task, &TransferTask::ended);
        task.start(dir.path(), {u"-oa"_s, u"http://127.0.0.1:%1/x"_s.arg(server.port())});
        ASSERT_TRUE(QTest::qWaitFor([&] { return server.hasRequest(); }, 20000));
        task.terminate();
        ASSERT_TRUE(ended.wait(20000));
        EXPECT_EQ(ended.at(0).at(0).toInt(), -1);
    }
    {
        TransferTask task;
        task.setProgram(dir.filePath(u"no-such-client"_s));
        task.start(dir.path(), {u"-oa"_s, u"http://127.0.0.1:1/x"_s});
        EXPECT_EQ(endOf(task), -1);
    }
    {
        // An argument no config line can carry never reaches the client.
        TransferTask task;
        QSignalSpy ended(&task, &TransferTask::ended);
        task.start(dir.path(), {u"-oa"_s, QStringView(u"http://h/\0x", 10).toString()});
        EXPECT_TRUE(ended.isEmpty()); // the end comes from the event loop, not from start()
        EXPECT_EQ(endOf(task), -1);
    }
}

TEST(TransferTask, CookieFileInAFolderWhoseNameHoldsAnEqualsSign)
{
    test::TempDir dir;
    const QString folder = dir.makeDir(u"a=b"_s);
    const QString cookies =
        dir.writeFile(u"a=b/cookies.txt"_s, "HTTP/1.1 200 OK\r\nSet-Cookie: sess=xyz; Path=/\r\n\r\n");
    test::OneShotHttpServer server(kAnswer);
    server.release();
    TransferTask task;
    task.start(folder, {u"-oa"_s, u"-b"_s + cookies, u"http://127.0.0.1:%1/x"_s.arg(server.port())});
    EXPECT_EQ(endOf(task), 0);
    EXPECT_TRUE(server.request().contains("Cookie: sess=xyz")) << server.request().constData();
}
