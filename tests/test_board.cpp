// The one pair of conversions between board pixels and cells.
#include <gtest/gtest.h>

#include "shared/gui/BoardView.h"

TEST(BoardGeometry, CellsLie49ApartAcrossAnd50Down)
{
    EXPECT_EQ(fw::cellRect(0), QRect(0, 0, 50, 50));
    EXPECT_EQ(fw::cellRect(11), QRect(539, 0, 50, 50));
    EXPECT_EQ(fw::cellRect(12), QRect(0, 50, 50, 50));
    EXPECT_EQ(fw::cellRect(143), QRect(539, 550, 50, 50));
    EXPECT_EQ(fw::boardSize(), QSize(589, 600));
}

TEST(BoardGeometry, TheRightHandCellWinsTheSharedPixelColumn)
{
    struct Case { QPoint point; int cell; };
    const Case cases[] = {
        {{0, 0}, 0}, {{48, 49}, 0}, {{49, 0}, 1}, {{50, 0}, 1}, {{588, 0}, 11},
        {{0, 50}, 12}, {{588, 599}, 143}, {{589, 0}, -1}, {{0, 600}, -1}, {{-1, 5}, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fw::cellAt(c.point), c.cell) << c.point.x() << ',' << c.point.y();
    for (int cell = 0; cell < level::kCells; ++cell)
        EXPECT_EQ(fw::cellAt(fw::cellRect(cell).center()), cell);
}
