#include "support/QtPrinters.h"
#include "text/IntegerValue.h"

#include <gtest/gtest.h>

#include <climits>

TEST(IntegerValue, ReadsSignAndDigitsAfterWhiteSpace)
{
    const struct
    {
        QStringView text;
        int value;
    } cases[] = {
        {u"42", 42},
        {u" \t\n\u3000-7", -7},
        {u"+3", 3},
        {u"12abc", 12},
        {u"0012", 12},
        {u"", 0},
        {u"   ", 0},
        {u"abc", 0},
        {u"-", 0},
        {u"- 5", 0},
        {u"\uFF15", 0},
        {u"2147483647", INT_MAX},
        {u"2147483648", INT_MAX},
        {u"99999999999999999999", INT_MAX},
        {u"-2147483648", INT_MIN},
        {u"-99999999999999999999", INT_MIN},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toString().toStdString());
        EXPECT_EQ(tavrel::integerValue(c.text), c.value);
    }
}

TEST(IntegerValue, SaturatingAddClampsInsteadOfWrapping)
{
    const struct
    {
        int a;
        int b;
        int sum;
    } cases[] = {
        {1, 2, 3},
        {-5, 3, -2},
        {INT_MAX, 1, INT_MAX},
        {INT_MAX - 1, 1, INT_MAX},
        {INT_MIN, -1, INT_MIN},
        {INT_MAX, INT_MIN, -1},
        {INT_MAX, INT_MAX, INT_MAX},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.a) + " + " + std::to_string(c.b));
        EXPECT_EQ(tavrel::saturatingAdd(c.a, c.b), c.sum);
    }
}
