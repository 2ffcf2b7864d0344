// Where sheets and panels first appear over the window they belong to.

#include "ui/SheetPlacement.h"

#include <QLabel>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace tavrel {
namespace {

TEST(SheetPlacement, CentresAcrossTheOwnerAtTheOffsetAndStaysOnScreen)
{
    QWidget owner;
    owner.setGeometry(200, 150, 800, 600);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    const QRect area = owner.geometry();

    QWidget sheet(&owner, Qt::Dialog);
    sheet.resize(300, 100);
    placeOver(&sheet, &owner, 40);
    EXPECT_EQ(sheet.pos(), QPoint(area.center().x() - 150, area.top() + 40));

    // Never shown nor resized: placed by the size it will take, its size hint.
    QLabel fresh(QStringLiteral("a sheet's text, long enough to be wide"), &owner, Qt::Dialog);
    const QSize hint = fresh.sizeHint();
    placeOver(&fresh, &owner, 0);
    EXPECT_EQ(fresh.pos(), QPoint(area.center().x() - hint.width() / 2, area.top()));

    // Below the screen's bottom it is pulled back up.
    const QRect screen = owner.screen()->availableGeometry();
    placeOver(&sheet, &owner, screen.height() * 2);
    EXPECT_EQ(sheet.y(), screen.bottom() - 100);

    // An owner not on screen leaves the sheet where it was.
    owner.hide();
    sheet.move(5, 6);
    placeOver(&sheet, &owner, 40);
    EXPECT_EQ(sheet.pos(), QPoint(5, 6));
}

} // namespace
} // namespace tavrel
