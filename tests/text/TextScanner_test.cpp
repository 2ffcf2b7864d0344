#include "support/QtPrinters.h"
#include "text/TextScanner.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>

using tavrel::TextScanner;

namespace {

enum class Op
{
    Scan,
    UpTo,
    UpToAnyOf,
    Integer,
    Between,
};

// One step on a fresh scanner: its result (the collected text, the number, or "" for a
// successful scan; nothing for a failure) and the position afterwards.
struct Case
{
    const char* name;
    QStringView text;
    qsizetype start;
    bool caseSensitive;
    Op op;
    QStringView arg;
    QStringView arg2;
    std::optional<QString> result;
    qsizetype position;
};

std::optional<QString> ok(QStringView text)
{
    return text.toString();
}
const std::optional<QString> fail;

std::optional<QString> run(TextScanner& s, const Case& c)
{
    switch (c.op) {
    case Op::Scan:
        return s.scan(c.arg) ? ok(u"") : fail;
    case Op::UpTo:
        if (auto got = s.scanUpTo(c.arg))
            return got->toString();
        return fail;
    case Op::UpToAnyOf:
        if (auto got = s.scanUpToAnyOf(c.arg))
            return got->toString();
        return fail;
    case Op::Integer:
        if (auto got = s.scanInteger())
            return QString::number(*got);
        return fail;
    case Op::Between:
        if (auto got = s.textBetween(c.arg, c.arg2))
            return got->toString();
        return fail;
    }
    return fail;
}

} // namespace

TEST(TextScanner, StepsFollowTheirSuccessAndPositionRules)
{
    const Case cases[] = {
        // scan L
        {"scan skips leading white space", u" \t\nabc", 0, false, Op::Scan, u"ab", {}, ok(u""), 5},
        {"scan failure restores the skipped white space", u"  abc", 0, false, Op::Scan, u"bc", {}, fail, 0},
        {"scan ignores case by default", u"<TITLE>x", 0, false, Op::Scan, u"<title>", {}, ok(u""), 7},
        {"scan with case flag on", u"<TITLE>x", 0, true, Op::Scan, u"<title>", {}, fail, 0},
        {"scan literal longer than the rest", u"ab", 0, false, Op::Scan, u"abc", {}, fail, 0},
        {"scan from a middle position", u"a b", 1, false, Op::Scan, u"b", {}, ok(u""), 3},
        {"scan an empty literal", u"abc", 0, false, Op::Scan, u"", {}, fail, 0},
        {"scan at the end", u"ab  ", 2, false, Op::Scan, u"x", {}, fail, 2},
        // scan up to T
        {"up to a marker", u"abc<b>", 0, false, Op::UpTo, u"<b>", {}, ok(u"abc"), 3},
        {"up to a missing marker takes the rest",
         u"  abc <!-- x",
         0,
         false,
         Op::UpTo,
         u"<!-- END -->",
         {},
         ok(u"abc <!-- x"),
         12},
        {"up to a marker at the position fails", u"<b>abc", 0, false, Op::UpTo, u"<b>", {}, fail, 0},
        {"up to a marker after skipped white space fails",
         u" \n <b>abc",
         0,
         false,
         Op::UpTo,
         u"<b>",
         {},
         fail,
         0},
        {"up to with only white space left", u"ab \r\n\u3000", 2, false, Op::UpTo, u"x", {}, fail, 2},
        {"white space inside and at the end is collected",
         u" a b <B>",
         0,
         false,
         Op::UpTo,
         u"<b>",
         {},
         ok(u"a b "),
         5},
        {"up to with case flag on passes the capitals",
         u"a <B><b>",
         0,
         true,
         Op::UpTo,
         u"<b>",
         {},
         ok(u"a <B>"),
         5},
        {"up to an empty marker", u"abc", 0, false, Op::UpTo, u"", {}, fail, 0},
        {"up to from a middle position", u"abcd", 2, false, Op::UpTo, u"d", {}, ok(u"c"), 3},
        {"up to keeps surrogate pairs whole",
         u"\U0001F600x|",
         0,
         false,
         Op::UpTo,
         u"|",
         {},
         ok(u"\U0001F600x"),
         3},
        // scan up to any of S
        {"up to any of a set", u"ab,cd;", 0, false, Op::UpToAnyOf, u";,", {}, ok(u"ab"), 2},
        {"up to any of, stop at the position", u",ab", 0, false, Op::UpToAnyOf, u",", {}, fail, 0},
        {"up to any of skips first", u"  ab", 0, false, Op::UpToAnyOf, u",", {}, ok(u"ab"), 4},
        {"up to any of, set after white space", u"  ,ab", 0, false, Op::UpToAnyOf, u",", {}, fail, 0},
        // scan integer
        {"integer", u"42", 0, false, Op::Integer, {}, {}, ok(u"42"), 2},
        {"integer after white space with sign", u" \u3000-17x", 0, false, Op::Integer, {}, {}, ok(u"-17"), 5},
        {"integer with plus sign", u"+8", 0, false, Op::Integer, {}, {}, ok(u"8"), 2},
        {"integer leading zeros", u"007", 0, false, Op::Integer, {}, {}, ok(u"7"), 3},
        {"integer sign alone", u"  -x", 0, false, Op::Integer, {}, {}, fail, 0},
        {"integer sign then blank", u"- 5", 0, false, Op::Integer, {}, {}, fail, 0},
        {"integer no digit", u"x1", 0, false, Op::Integer, {}, {}, fail, 0},
        {"integer full-width digits are no digits", u"\uFF11\uFF12", 0, false, Op::Integer, {}, {}, fail, 0},
        {"integer largest", u"2147483647", 0, false, Op::Integer, {}, {}, ok(u"2147483647"), 10},
        {"integer smallest", u"-2147483648", 0, false, Op::Integer, {}, {}, ok(u"-2147483648"), 11},
        {"integer overflow clamps and consumes all digits",
         u"99999999999999999999z",
         0,
         false,
         Op::Integer,
         {},
         {},
         ok(u"2147483647"),
         20},
        {"integer underflow clamps", u"-2147483649", 0, false, Op::Integer, {}, {}, ok(u"-2147483648"), 11},
        // the text between A and B
        {"between", u"x<td> v w </td>", 0, false, Op::Between, u"<td>", u"</td>", ok(u"v w "), 10},
        {"between ignores case", u"x<TD>v</TD>", 0, false, Op::Between, u"<td>", u"</td>", ok(u"v"), 6},
        {"between, B directly after A", u"x<td></td>", 0, false, Op::Between, u"<td>", u"</td>", fail, 5},
        {"between, only white space between", u"x<td> \n</td>", 0, false, Op::Between, u"<td>", u"</td>",
         fail, 5},
        {"between, text starts with A", u"<td>v</td>", 0, false, Op::Between, u"<td>", u"</td>", fail, 0},
        {"between, A missing", u"x v</td>", 0, false, Op::Between, u"<td>", u"</td>", fail, 8},
        {"between, B missing takes the rest", u"x<td>v ", 0, false, Op::Between, u"<td>", u"</td>", ok(u"v "),
         7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TextScanner s(c.text);
        s.setCaseSensitive(c.caseSensitive);
        s.setPosition(c.start);
        EXPECT_EQ(run(s, c), c.result);
        EXPECT_EQ(s.position(), c.position);
    }
}

TEST(TextScanner, SkipSetIsUnicodeWhiteSpaceAndLineSeparators)
{
    const char16_t skipped[] = {u' ',   u'\t',  u'\n',  u'\v',  u'\f',  u'\r',  0x0085, 0x00A0, 0x1680,
                                0x2000, 0x2007, 0x200A, 0x2028, 0x2029, 0x202F, 0x205F, 0x3000};
    for (char16_t c : skipped) {
        SCOPED_TRACE(int(c));
        EXPECT_TRUE(TextScanner::isSkip(QChar(c)));
        const QString text = QString(QChar(c)) + u'x';
        TextScanner s(text);
        EXPECT_TRUE(s.scan(u"x"));
    }
    const char16_t kept[] = {u'y', 0x0000, 0x001B, 0x200B, 0xFEFF, 0xD83D, 0xFF3F};
    for (char16_t c : kept) {
        SCOPED_TRACE(int(c));
        EXPECT_FALSE(TextScanner::isSkip(QChar(c)));
        const QString text = QString(QChar(c)) + u'x';
        TextScanner s(text);
        EXPECT_FALSE(s.scan(u"x"));
    }
}

TEST(TextScanner, AtEndAndSetPositionDoNotSkip)
{
    const QString text = QStringLiteral("ab \n\u3000");
    TextScanner s(text);
    EXPECT_FALSE(s.caseSensitive());
    EXPECT_FALSE(s.atEnd());
    s.setPosition(2);
    EXPECT_TRUE(s.atEnd());
    EXPECT_EQ(s.position(), 2);
    s.setPosition(-4);
    EXPECT_EQ(s.position(), 0);
    s.setPosition(99);
    EXPECT_EQ(s.position(), text.size());
    EXPECT_TRUE(TextScanner(QStringView()).atEnd());
}

TEST(TextScanner, ChainOfUpToAndScanFailsWhenTheMarkerIsMissingOrFirst)
{
    // A missing end marker: the rest is consumed, then the marker itself is not there.
    const QString missing = QStringLiteral("body <!-- x");
    TextScanner a(missing);
    EXPECT_TRUE(a.scanUpTo(u"<!-- END -->"));
    EXPECT_FALSE(a.scan(u"<!-- END -->"));
    EXPECT_EQ(a.position(), missing.size());

    // The marker first: scanning up to it fails and moves nothing.
    const QString first = QStringLiteral("  <!-- END --> tail");
    TextScanner b(first);
    EXPECT_FALSE(b.scanUpTo(u"<!-- END -->"));
    EXPECT_EQ(b.position(), 0);
    EXPECT_TRUE(b.scan(u"<!-- end -->"));
}

TEST(TextScanner, ResultsAreViewsIntoTheText)
{
    const QString text = QStringLiteral("a<b>");
    TextScanner s(text);
    const auto got = s.scanUpTo(u"<b>");
    ASSERT_TRUE(got);
    EXPECT_EQ(got->data(), text.constData());
}
