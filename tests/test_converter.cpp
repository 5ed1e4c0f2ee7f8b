// The Sokoban notation converter's scan.
#include <gtest/gtest.h>

#include "shared/fw/Text.h"
#include "shared/level/Converter.h"

using level::convertSokobanLevel;

TEST(Converter, FiveCharactersGiveTheFourCells)
{
    EXPECT_EQ(convertSokobanLevel("#@\r$."), "0\r1\r12\r13\r");
}

TEST(Converter, AnEmptyTextGivesFourCarriageReturns)
{
    EXPECT_EQ(convertSokobanLevel(""), "\r\r\r\r");
}

TEST(Converter, TheHelpTextsExampleLevelGivesItsCells)
{
    const std::string example = " #####\r ###   ##\r##   #  ##\r#  * * * #\r#+  $ *  #\r#### * ###\r   #  ##\r   ####";
    const std::string file = convertSokobanLevel(example);
    const std::string walls = fw::NthField(file, "\r", 1);
    EXPECT_EQ(fw::CountFields(walls, ","), 33);
    EXPECT_EQ(walls.substr(0, 9), "1,2,3,4,5");
    EXPECT_EQ(fw::NthField(file, "\r", 2), "49");
    EXPECT_EQ(fw::NthField(file, "\r", 3), "52,39,41,43,54,65");
    EXPECT_EQ(fw::NthField(file, "\r", 4), "49,39,41,43,54,65");
    EXPECT_EQ(fw::CountFields(file, "\r"), 5); // four fields and the final CR
}

TEST(Converter, ATextStartingWithACarriageReturnStartsOnTheSecondRow)
{
    EXPECT_EQ(convertSokobanLevel("\r#@"), "12\r13\r\r\r");
}

TEST(Converter, LineFeedsTakeACellEach)
{
    EXPECT_EQ(convertSokobanLevel("#\r\n#"), "0,13\r\r\r\r");
}

TEST(Converter, GhostsOnGravesAloneGiveNoStrayCommas)
{
    EXPECT_EQ(convertSokobanLevel("*@*"), "\r1\r0,2\r0,2\r");
    EXPECT_EQ(convertSokobanLevel("*+"), "\r1\r0\r1,0\r");
}

TEST(Converter, OnlyTheFirst143CharactersAreLookedAt)
{
    const std::string text = std::string(142, ' ') + "#$";
    EXPECT_EQ(convertSokobanLevel(text), "142\r\r\r\r");
}

TEST(Converter, CellsBeyondTheBoardAreNotWritten)
{
    // Eleven row ends put the counter on row 11; the long row after it runs off the board.
    std::string text(11, '\r');
    text += std::string(12, ' ') + std::string(100, '#');
    EXPECT_EQ(convertSokobanLevel(text), "\r\r\r\r");
    // A twelfth row end takes a cell like any other character.
    EXPECT_EQ(convertSokobanLevel(std::string(12, '\r') + "#"), "133\r\r\r\r");
}

TEST(Converter, MultiByteCharactersTakeOneCell)
{
    EXPECT_EQ(convertSokobanLevel("\xc3\xa9#"), "1\r\r\r\r");
}
