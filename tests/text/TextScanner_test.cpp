#include "support/QtPrinters.h"
#include "text/TextScanner.h"

#include <gtest/gtest.h>

using tavrel::TextScanner;

TEST(TextScanner, ScanUpToMissingMarkerTakesTheRest)
{
    const QString text = QStringLiteral("  abc <!-- x");
    TextScanner s(text);
    auto got = s.scanUpTo(u"<!-- END -->");
    ASSERT_TRUE(got);
    EXPECT_EQ(got->toString(), QStringLiteral("abc <!-- x"));
    EXPECT_FALSE(s.scan(u"<!-- END -->"));
    EXPECT_TRUE(s.atEnd());
}
