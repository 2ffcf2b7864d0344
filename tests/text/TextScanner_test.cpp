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
        {"scan skips white space", u" \t\nabc", 0, false, Op::Scan, u"ab", {}, ok(u""), 5},
        {"failed scan restores skipped white space", u"  abc", 0, false, Op::Scan, u"bc", {}, fail, 0},
        {"scan ignores case by default", u"<TITLE>x", 0, false, Op::Scan, u"<title>", {}, ok(u""), 7},
        {"scan with case flag on", u"<TITLE>x", 0, true, Op::Scan, u"<title>", {}, fail, 0},
        {"literal longer than the rest", u"ab", 0, false, Op::Scan, u"abc", {}, fail, 0},
        {"scan from a middle position", u"a b", 1, false, Op::Scan, u"b", {}, ok(u""), 3},
        {"empty literal", u"abc", 0, false, Op::Scan, u"", {}, fail, 0},
        {"scan at the end", u"ab  ", 2, false, Op::Scan, u"x", {}, fail, 2},
        // scan up to T
        {"up to a marker", u"abc<b>", 0, false, Op::UpTo, u"<b>", {}, ok(u"abc"), 3},
        {"missing marker", u" ab <!-- x", 0, false, Op::UpTo, u"<!-- END -->", {}, ok(u"ab <!-- x"), 10},
        {"marker at the position", u"<b>abc", 0, false, Op::UpTo, u"<b>", {}, fail, 0},
        {"marker after white space", u" \n <b>abc", 0, false, Op::UpTo, u"<b>", {}, fail, 0},
        {"only white space left", u"ab \r\n\u3000", 2, false, Op::UpTo, u"x", {}, fail, 2},
        {"inner and end white space kept", u" a b <B>", 0, false, Op::UpTo, u"<b>", {}, ok(u"a b "), 5},
        {"up to with case flag on", u"a <B><b>", 0, true, Op::UpTo, u"<b>", {}, ok(u"a <B>"), 5},
        {"empty marker", u"abc", 0, false, Op::UpTo, u"", {}, fail, 0},
        {"up to from a middle position", u"abcd", 2, false, Op::UpTo, u"d", {}, ok(u"c"), 3},
        {"surrogate pair", u"\U0001F600x|", 0, false, Op::UpTo, u"|", {}, ok(u"\U0001F600x"), 3},
        // scan up to any of S
        {"up to any of a set", u"ab,cd;", 0, false, Op::UpToAnyOf, u";,", {}, ok(u"ab"), 2},
        {"set member at the position", u",ab", 0, false, Op::UpToAnyOf, u",", {}, fail, 0},
        {"up to any of skips first", u"  ab", 0, false, Op::UpToAnyOf, u",", {}, ok(u"ab"), 4},
        {"set member after white space", u"  ,ab", 0, false, Op::UpToAnyOf, u",", {}, fail, 0},
        // scan integer
        {"integer", u"42", 0, false, Op::Integer, {}, {}, ok(u"42"), 2},
        {"sign after white space", u" \u3000-17x", 0, false, Op::Integer, {}, {}, ok(u"-17"), 5},
        {"plus sign", u"+8", 0, false, Op::Integer, {}, {}, ok(u"8"), 2},
        {"leading zeros", u"007", 0, false, Op::Integer, {}, {}, ok(u"7"), 3},
        {"sign alone", u"  -x", 0, false, Op::Integer, {}, {}, fail, 0},
        {"sign then blank", u"- 5", 0, false, Op::Integer, {}, {}, fail, 0},
        {"no digit", u"x1", 0, false, Op::Integer, {}, {}, fail, 0},
        {"full-width digits", u"\uFF11\uFF12", 0, false, Op::Integer, {}, {}, fail, 0},
        {"largest", u"2147483647", 0, false, Op::Integer, {}, {}, ok(u"2147483647"), 10},
        {"smallest", u"-2147483648", 0, false, Op::Integer, {}, {}, ok(u"-2147483648"), 11},
        {"overflow clamps", u"9999999999999z", 0, false, Op::Integer, {}, {}, ok(u"2147483647"), 13},
        {"underflow clamps", u"-2147483649", 0, false, Op::Integer, {}, {}, ok(u"-2147483648"), 11},
        // the text between A and B
        {"between", u"x<td> v w </td>", 0, false, Op::Between, u"<td>", u"</td>", ok(u"v w "), 10},
        {"between ignores case", u"x<TD>v</TD>", 0, false, Op::Between, u"<td>", u"</td>", ok(u"v"), 6},
        {"B directly after A", u"x<td></td>", 0, false, Op::Between, u"<td>", u"</td>", fail, 5},
        {"only white space between", u"x<td> \n</td>", 0, false, Op::Between, u"<td>", u"</td>", fail, 5},
        {"text starts with A", u"<td>v</td>", 0, false, Op::Between, u"<td>", u"</td>", fail, 0},
        {"A missing", u"x v</td>", 0, false, Op::Between, u"<td>", u"</td>", fail, 8},
        {"B missing: the rest", u"x<td>v ", 0, false, Op::Between, u"<td>", u"</td>", ok(u"v "), 7},
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
