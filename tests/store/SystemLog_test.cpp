#include "platform/FakeSystemLog.h"
#include "platform/SyslogSystemLog.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using tavrel::test::FakeSystemLog;

TEST(SystemLog, DetailedLinesOnlyWhileTheFlagIsOn)
{
    FakeSystemLog log;
    log.log(QStringLiteral("Login"));
    log.logDetail(QStringLiteral("Cutting Log File : a"));
    log.setDetailEnabled(true);
    log.logDetail(QStringLiteral("Cutting Log File : b"));
    EXPECT_EQ(log.lines(), (QStringList{QStringLiteral("Login"), QStringLiteral("Cutting Log File : b")}));
}

TEST(SystemLog, SyslogTakesLinesAsDataNotFormats)
{
    tavrel::SyslogSystemLog log("tavrel-test");
    log.setDetailEnabled(true);
    // As a format these would read missing arguments and write through %n.
    log.log(QStringLiteral("Download : http://h.example.com/%s%s%s%n%n"));
    log.logDetail(QStringLiteral("Delete Message : %n%p%x"));
    SUCCEED();
}
