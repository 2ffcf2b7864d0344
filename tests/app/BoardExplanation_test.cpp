#include "app/BoardExplanation.h"
#include "store/ServiceConfiguration.h"
#include "support/QtPrinters.h"
#include "text/TextEncoding.h"

#include <gtest/gtest.h>

using namespace tavrel;
using namespace Qt::StringLiterals;

namespace {

MessageRecord numbered(const QString& number, const QString& contents = QString())
{
    MessageRecord record;
    record.setNumber(number);
    record.setContents(contents);
    return record;
}

} // namespace

TEST(BoardExplanation, FindsTheTextBetweenTheMarkersOfThePage)
{
    const ServiceConfiguration configuration;
    const QString start = configuration.toolMeiToSetsumeiBunStart();
    const QString end = configuration.toolMeiToSetsumeiBunEnd();
    const auto sjis = [](const QString& text) { return encoding::encodeCp932Lossy(text); };
    struct Case
    {
        QByteArray page;
        std::optional<QString> expected;
    };
    const QList<Case> cases{
        {sjis(u"<p>" + start + u"説明 <b>です</b>" + end + u"</p>"), u"説明 <b>です</b>"_s},
        // Markers are matched without regard to letter case.
        {sjis(u"<p>" + start.toLower() + u"説明" + end.toLower()), u"説明"_s},
        {sjis(u"<p>" + start + u"説明"), std::nullopt},
        {sjis(u"<p>説明" + end), std::nullopt},
        {sjis(u"<p>" + start + end), std::nullopt},
        // A page that declares ISO-2022-JP is read as such.
        {QByteArray("<head><meta content=\"text/html; charset=iso-2022-jp\"></head><p>") +
             encoding::encodeIso2022Jp(QString(start + u"駅弁の説明" + end)).value_or(QByteArray()),
         u"駅弁の説明"_s},
        // Not Shift_JIS at all.
        {QByteArray("<p>") + start.toLatin1() + "\x82" + end.toLatin1(), std::nullopt},
    };
    for (qsizetype i = 0; i < cases.size(); ++i)
        EXPECT_EQ(BoardExplanation::find(cases[i].page, configuration), cases[i].expected) << i;
}

TEST(BoardExplanation, InsertsInFrontReplacesAChangedOneAndKeepsAnEqualOne)
{
    using Change = BoardExplanation::Change;
    const QDateTime now = QDateTime::currentDateTime();
    struct Case
    {
        QList<MessageRecord> body;
        Change expected;
        QStringList numbersAfter;
    };
    const QList<Case> cases{
        {{}, Change::Inserted, {u"0"_s}},
        {{numbered(u"1"_s), numbered(u"0"_s, u"E"_s)}, Change::Inserted, {u"0"_s, u"1"_s, u"0"_s}},
        {{numbered(u"0"_s, u"E"_s), numbered(u"1"_s)}, Change::None, {u"0"_s, u"1"_s}},
        {{numbered(u"0"_s, u"old"_s), numbered(u"1"_s)}, Change::Replaced, {u"0"_s, u"1"_s}},
        // "00" is not the explanation's number text.
        {{numbered(u"00"_s, u"E"_s)}, Change::Inserted, {u"0"_s, u"00"_s}},
    };
    for (qsizetype i = 0; i < cases.size(); ++i) {
        QList<MessageRecord> body = cases[i].body;
        EXPECT_EQ(BoardExplanation::apply(body, u"E"_s, u"About"_s, now), cases[i].expected) << i;
        QStringList numbers;
        for (const MessageRecord& r : body)
            numbers.append(r.number());
        EXPECT_EQ(numbers, cases[i].numbersAfter) << i;
        EXPECT_EQ(body.first().contents(), u"E"_s) << i;
    }
}
