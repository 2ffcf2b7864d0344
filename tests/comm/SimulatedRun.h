#pragma once

// A communication run against the simulated service with the real /usr/bin/curl: the
// simulator runs with the run scenario, and only curl's environment (CURL_HOME) leads the
// client to it.

#include "RunFixture.h"
#include "comm/CurlTransferFactory.h"
#include "forumsim/ForumSimProcess.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace tavrel::test {

class SimulatedRun : public ::testing::Test
{
protected:
    SimulatedRun()
        : f(transfers)
    {}

    void SetUp() override
    {
        ASSERT_TRUE(
            sim.start({QStringLiteral("--scenario"), fixturePath(QStringLiteral("comm/run_scenario.json"))}))
            << sim.errorText().toStdString();
        qputenv("CURL_HOME", sim.curlHome().toLocal8Bit());
        f.m_account.setNiftyIDAndPasswordForTemp(QStringLiteral("TAV00001"), QStringLiteral("neko pass 1"));
    }
    void TearDown() override { qunsetenv("CURL_HOME"); }

    QString base(const QString& scheme, const QString& host, const QString& path) const
    {
        return scheme + QStringLiteral("://") + host + path;
    }
    QString openBase() const
    {
        return base(QStringLiteral("http"), config().boardHostA(), QStringLiteral("/nbbin/nb_wrent/"));
    }
    QString semiBase() const
    {
        return base(QStringLiteral("https"), config().boardHostA(), QStringLiteral("/nbbin/nb_wrent/"));
    }
    QString oldBase() const
    {
        return base(QStringLiteral("http"), config().boardHostE(), QStringLiteral("/mes/cf_wrent/"));
    }
    const ServiceConfiguration& config() const { return f.m_configuration; }

    void writePatrol(const QList<PatrolEntry>& boards, const QList<ForumTopEntry>& tops = {})
    {
        CommunicationSettings settings;
        settings.junkaiArray = boards;
        settings.forumTopDownloadArray = tops;
        f.writeSettings(QStringLiteral("sim"), settings);
    }

    // The simulator's log of requests: url, member, cookies, basicAuth, fields.
    QList<QJsonObject> requests() const
    {
        QList<QJsonObject> list;
        for (const QJsonValue& value :
             sim.adminGet(QStringLiteral("/requests")).value(QStringLiteral("requests")).toArray())
            list.append(value.toObject());
        return list;
    }
    // "board/page" for board page requests, the last path piece for others.
    QStringList requestNames() const
    {
        static const QRegularExpression page(QStringLiteral("/([^/]+)/wr_page=(\\d+)/"));
        QStringList names;
        for (const QJsonObject& request : requests()) {
            const QString url = request.value(QStringLiteral("url")).toString();
            const QRegularExpressionMatch match = page.match(url);
            names.append(match.hasMatch() ? match.captured(1) + u'/' + match.captured(2)
                                          : url.section(u'/', -1));
        }
        return names;
    }

    // The date and time (Japan time, minute) of a board's last message in the simulator.
    QDateTime lastMessageMinute(const QString& board) const
    {
        const QJsonArray messages =
            sim.adminGet(QStringLiteral("/boards/") + board).value(QStringLiteral("messages")).toArray();
        const QString date = messages.last().toObject().value(QStringLiteral("date")).toString();
        static const QRegularExpression digits(QStringLiteral("\\d+"));
        QList<int> n;
        for (auto it = digits.globalMatch(date); it.hasNext() && n.size() < 5;)
            n.append(it.next().captured().toInt());
        return n.size() == 5 ? QDateTime(QDate(n[0], n[1], n[2]), QTime(n[3], n[4]), japanTime())
                             : QDateTime();
    }

    ForumSimProcess sim;
    CurlTransferFactory transfers;
    RunFixture f;
};

} // namespace tavrel::test
