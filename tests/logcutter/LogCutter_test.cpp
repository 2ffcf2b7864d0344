#include "PageMarkup.h"
#include "logcutter/LogCutter.h"
#include "store/BoardLogFile.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"
#include "text/TextEncoding.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace tavrel;
using tavrel::test::TempDir;

TEST(LogCutter, CommandLineNeedsExactlyTwoArguments)
{
    for (const QStringList& arguments :
         {QStringList{}, QStringList{u"a"_qs}, QStringList{u"a"_qs, u"b"_qs, u"c"_qs}}) {
        const LogCutterResult result = LogCutter::runCommandLine(arguments, u"example.com"_qs);
        EXPECT_EQ(result.exitStatus, 0);
        EXPECT_EQ(result.errorLines, QStringList{u"Tavrel Log Cutter argument wrong!"_qs});
    }
}

TEST(LogCutter, DatesWithoutMinutesTakeTheRunsClock)
{
    TempDir dir;
    test::MessageMarkup m;
    m.number = u"1"_qs;
    m.date = u"2004/05/12 13時"_qs;
    const QString page = dir.writeFile(u"B.1"_qs, encoding::encodeCp932Lossy(test::boardPage(u"t"_qs, {m})));
    LogCutter cutter(dir.filePath(u"B"_qs), page, u"example.com"_qs);
    cutter.setNow(QDateTime(QDate(2010, 3, 4), QTime(5, 42)));
    const LogCutterResult result = cutter.run();
    EXPECT_EQ(result.exitStatus, 0);
    const std::optional<BoardLogFile> log = BoardLogFile::read(dir.filePath(u"B"_qs));
    ASSERT_TRUE(log);
    ASSERT_EQ(log->body().size(), 1);
    EXPECT_EQ(log->body().first().date(), u"2004-05-12 13:42:00 +0900"_qs);
}

TEST(LogCutter, ServiceDomainDecidesWhichLinksAreCommentLinks)
{
    TempDir dir;
    test::MessageMarkup m;
    m.number = u"1"_qs;
    m.link = u"http://nb1.other.test/nbbin/nb_wrent_cm/K/wr_sq=3?x"_qs;
    const QString page = dir.writeFile(u"B.1"_qs, encoding::encodeCp932Lossy(test::boardPage(u"t"_qs, {m})));
    for (const QString& domain : {u"example.com"_qs, u"other.test"_qs}) {
        QFile::remove(dir.filePath(u"B"_qs));
        EXPECT_EQ(LogCutter(dir.filePath(u"B"_qs), page, domain).run().exitStatus, 0);
        const std::optional<BoardLogFile> log = BoardLogFile::read(dir.filePath(u"B"_qs));
        ASSERT_TRUE(log);
        EXPECT_EQ(log->header().postURL().isEmpty(), domain == u"example.com"_qs) << domain.toStdString();
        EXPECT_EQ(log->body().first().commentURL(),
                  domain == u"example.com"_qs
                      ? QString()
                      : u"http://nb1.other.test/nbbin/nb_wrent_do?bid=K&wr_type=M&wr_psq=3"_qs);
    }
}
