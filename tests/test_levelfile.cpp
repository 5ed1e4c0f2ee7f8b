// Level files byte for byte, and the level code transform.
#include <gtest/gtest.h>

#include "shared/level/LevelFile.h"
#include "tests/support/TextLevel.h"

using namespace level;

namespace {

Grid emptyGrid()
{
    Grid g;
    g.fill(CellKind::back);
    return g;
}

} // namespace

TEST(LevelFile, AnEmptyGridWithNoCodeIsSixCarriageReturns)
{
    EXPECT_EQ(writeLevelFile(emptyGrid(), ""), "\r\r\r\r\r\r");
    const LevelData d = readLevel("\r\r\r\r\r\r");
    EXPECT_EQ(d.gubbpos, 0);
    EXPECT_EQ(d.antalboxes, 0);
    EXPECT_EQ(d.graveCount, 0);
    EXPECT_EQ(d.lvlstring, "");
    EXPECT_EQ(d.readlvldata[6], "");
}

TEST(LevelFile, ListsFollowCellOrderNotPlacingOrder)
{
    Grid g = emptyGrid();
    g[13] = CellKind::wal;
    g[0] = CellKind::wal;
    g[143] = CellKind::skelet;
    g[7] = CellKind::gubb;
    EXPECT_EQ(writeLevelFile(g, ""), "0,13\r7\r\r\r143\r\r");
}

TEST(LevelFile, GhostsOnGravesStandAtTheEndOfBothLists)
{
    Grid g = emptyGrid();
    g[20] = CellKind::box;
    g[40] = CellKind::backprick;
    g[30] = CellKind::box2;
    g[5] = CellKind::box2;
    EXPECT_EQ(writeLevelFile(g, ""), "\r\r20,5,30\r40,5,30\r\r\r");
    const LevelData d = readLevel(writeLevelFile(g, ""));
    ASSERT_EQ(d.antalboxes, 3);
    EXPECT_EQ(d.boxpos[3], 30);
    EXPECT_EQ(d.prickplats[3], 30);
}

TEST(LevelFile, TwoPlayersAreWrittenAndTheFirstIsRead)
{
    Grid g = emptyGrid();
    g[25] = CellKind::gubb;
    g[13] = CellKind::gubb;
    const std::string file = writeLevelFile(g, "");
    EXPECT_EQ(file, "\r13,25\r\r\r\r\r");
    EXPECT_EQ(readLevel(file).gubbpos, 13);
}

TEST(LevelFile, TheCodeIsStoredReversedAndRaisedByTwo)
{
    EXPECT_EQ(encodeLevelCode("abc"), "edc");
    EXPECT_EQ(decodeLevelCode("edc"), "abc");
    EXPECT_EQ(encodeLevelCode("Z "), "\"\\");
    EXPECT_EQ(encodeLevelCode(""), "");
    EXPECT_EQ(decodeLevelCode(""), "");
    EXPECT_EQ(encodeLevelCode("}~"), "\x80\x7f");
    // The last two characters wrap round to the first two bytes, so every byte is one character.
    EXPECT_EQ(encodeLevelCode("\xfe\xff"), std::string("\x01\x00", 2));
    std::string everyByte;
    for (int c = 0; c < 256; ++c)
        everyByte += char(c);
    EXPECT_EQ(decodeLevelCode(encodeLevelCode(everyByte)), everyByte);
    EXPECT_EQ(writeLevelFile(emptyGrid(), "ab, c"), "\r\r\r\r\re\".dc\r");
}

TEST(LevelFile, ReadingSplitsOnCarriageReturnsOnly)
{
    const LevelData d = readLevel("1,2\n\r13,25\r3\r4,5\r\r a,b\rIGNORED\r");
    EXPECT_EQ(d.lvlstring, "1,2\n");
    EXPECT_EQ(d.gubbpos, 13);
    EXPECT_EQ(d.readlvldata[6], " a,b");
    ASSERT_EQ(d.antalboxes, 1);
    EXPECT_EQ(d.graveCount, 2);
}

TEST(LevelFile, AFourFieldFileHasNoSkeletonsAndNoCode)
{
    const LevelData d = readLevel("0,1\r14\r15\r16\r");
    EXPECT_EQ(d.skelstring, "");
    EXPECT_EQ(d.readlvldata[6], "");
    EXPECT_EQ(d.gubbpos, 14);
    EXPECT_EQ(d.boxpos[1], 15);
    EXPECT_EQ(d.prickplats[1], 16);
}

TEST(LevelFile, AFileWithoutFinalCarriageReturnKeepsItsLastField)
{
    EXPECT_EQ(readLevel("\r\r\r\r\rcode").readlvldata[6], "code");
    EXPECT_EQ(readLevel("1,2").lvlstring, "1,2");
}

TEST(LevelFile, EntriesThatAreNotNumbersAreCellZero)
{
    const LevelData d = readLevel("\r\rx,,5\r\r\r\r");
    ASSERT_EQ(d.antalboxes, 3);
    EXPECT_EQ(d.boxpos[1], 0);
    EXPECT_EQ(d.boxpos[2], 0);
    EXPECT_EQ(d.boxpos[3], 5);
}

TEST(LevelFile, ReadersKeepAtMostAHundredGhostsAndGraves)
{
    std::string many;
    for (int i = 0; i < 250; ++i) {
        if (i)
            many += ',';
        many += std::to_string(i % 144);
    }
    const LevelData d = readLevel("\r\r" + many + "\r" + many + "\r\r\r");
    EXPECT_EQ(d.antalboxes, kMaxBoxes);
    EXPECT_EQ(d.graveCount, kMaxBoxes);
    EXPECT_EQ(d.boxpos[100], 99);
}

TEST(LevelFile, GravesTheFileDoesNotSupplyAreAbsent)
{
    const LevelData d = readLevel("\r\r1,2,3\r7\r\r\r");
    EXPECT_EQ(d.prickplats[1], 7);
    EXPECT_EQ(d.prickplats[2], kNoCell);
    EXPECT_EQ(d.prickplats[3], kNoCell);
}

TEST(LevelFile, TextLevelsRoundTripThroughTheWriter)
{
    const Grid g = testsupport::grid({
        "#####",
        "#@$.#",
        "#S* #",
        "#####",
    });
    EXPECT_EQ(writeLevelFile(g, "boo"), testsupport::levelFile({
        "#####",
        "#@$.#",
        "#S* #",
        "#####",
    }, "boo"));
}

TEST(OpenedLevel, LaterStepsDrawOverEarlierOnes)
{
    using testsupport::rowsOf;
    // A converted "+": the grave drawn after the player hides it.
    EXPECT_EQ(rowsOf(drawOpenedLevel(readLevel("\r13\r20\r13\r\r\r"))).substr(13, 3), " . ");
    // No player field: the player stands on cell 0 over the wall there.
    EXPECT_EQ(rowsOf(drawOpenedLevel(readLevel("0,1\r\r\r\r\r\r"))).substr(0, 3), "@# ");
    // A ghost on its grave, and more graves than ghosts: only the first is drawn.
    EXPECT_EQ(rowsOf(drawOpenedLevel(readLevel("\r\r14,15\r16,15,17,18\r\r\r"))).substr(13, 6), "  $*. ");
    // A skeleton listed as a wall too shows the skeleton.
    EXPECT_EQ(rowsOf(drawOpenedLevel(readLevel("20\r\r\r\r20\r\r")))[21], 'S');
}

TEST(OpenedLevel, OffBoardCellsAreNotDrawn)
{
    const Grid g = drawOpenedLevel(readLevel("-1,144,99999999999\r-7\r200\r300\r-20\r\r"));
    for (CellKind k : g)
        EXPECT_EQ(k, CellKind::back);
}
