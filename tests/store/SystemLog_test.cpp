#include "platform/FakeSystemLog.h"
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
