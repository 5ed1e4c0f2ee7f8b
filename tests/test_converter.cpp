// The Sokoban notation converter's scan.
#include <gtest/gtest.h>

#include "shared/fw/Text.h"
#include "shared/level/Converter.h"

using level::convertSokobanLevel;

TEST(Converter, FiveCharactersGiveTheFourCells)
{
    EXPECT_EQ(convertSokobanLevel("#@\r$."), "0\r1\r12\r13\r");
}

TEST(Converter, ATextWithNoNotationCharacterIsRefused)
{
    for (const char* text : {"", "  ", "\t \r\r\n  \t\r\n", "Level 1\rby nobody"})
        EXPECT_EQ(convertSokobanLevel(text), std::nullopt) << "text: " << testing::PrintToString(text);
}

TEST(Converter, TheHelpTextsExampleLevelGivesItsCells)
{
    const std::string example = " #####\r ###   ##\r##   #  ##\r#  * * * #\r#+  $ *  #\r#### * ###\r   #  ##\r   ####";
    const std::string file = convertSokobanLevel(example).value();
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

TEST(Converter, MultiByteCharactersTakeOneCell)
{
    EXPECT_EQ(convertSokobanLevel("\xc3\xa9#"), "1\r\r\r\r");
}

// How far a pasted level reaches, and whether it fits the 12 by 12 board.

TEST(Converter, ATwelveByTwelveLevelOf155CharactersConvertsWhole)
{
    std::string text = std::string(12, '#');
    for (int row = 1; row <= 10; ++row)
        text += '\r' + ('#' + std::string(10, ' ') + '#');
    text += '\r' + std::string(12, '#');
    text[13 + 1] = '@';
    text[13 + 2] = '$';
    text[10 * 13 + 10] = '.';
    ASSERT_EQ(text.size(), 155u);
    std::string border;
    for (int cell = 0; cell < 144; ++cell) {
        if (cell < 12 || cell >= 132 || cell % 12 == 0 || cell % 12 == 11)
            border.append(border.empty() ? "" : ",").append(std::to_string(cell));
    }
    EXPECT_EQ(convertSokobanLevel(text), border + "\r13\r14\r130\r");
}

TEST(Converter, TheHelpTextsExampleConvertsTheSameWithTheBlanksTabsAndNoteAfterItsRows)
{
    const std::string bare = " #####\r ###   ##\r##   #  ##\r#  * * * #\r#+  $ *  #\r#### * ###\r   #  ##\r   ####";
    const std::string pasted = " #####\r ###   ##\r##   #  ##" + std::string(22, ' ') + "\r#  * * * #"
        + std::string(18, '\t') + "(max 12x12)\r#+  $ *  #\r#### * ###\r   #  ##\r   ####";
    ASSERT_TRUE(convertSokobanLevel(bare).has_value());
    EXPECT_EQ(convertSokobanLevel(pasted), convertSokobanLevel(bare));
}

struct SizeCase {
    const char* name;
    std::string text;
    std::size_t columns;
    std::size_t rows;
};

void PrintTo(const SizeCase& c, std::ostream* out)
{
    *out << c.name;
}

class PastedLevelSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(PastedLevelSize, SpansItsNotationCharactersAndConvertsUpToTwelveByTwelve)
{
    const level::SokobanSize size = level::sokobanLevelSize(GetParam().text);
    EXPECT_EQ(size.columns, GetParam().columns);
    EXPECT_EQ(size.rows, GetParam().rows);
    EXPECT_EQ(size.isEmpty(), GetParam().rows == 0);
    const bool fits = GetParam().columns <= 12 && GetParam().rows <= 12;
    EXPECT_EQ(size.fitsBoard(), fits);
    EXPECT_EQ(convertSokobanLevel(GetParam().text).has_value(), fits && !size.isEmpty())
        << "no level, or one that does not fit, is refused";
}

std::string rows(int count, const std::string& row)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text.append(i == 0 ? "" : "\r").append(row);
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PastedLevelSize,
    ::testing::Values(
        SizeCase{"Empty", "", 0, 0},
        SizeCase{"FloorOnly", "  x\r\t\r", 0, 0},
        SizeCase{"TwelveColumnsThenBlanks", std::string(12, '#') + std::string(30, ' ') + "\r#", 12, 2},
        SizeCase{"TwelveColumnsThenTabsAndANote", "#" + std::string(10, ' ') + ".\t\t(max 12x12)", 12, 1},
        SizeCase{"ThirteenColumns", std::string(13, '#'), 13, 1},
        SizeCase{"AGraveInTheThirteenthColumn", "#\r" + std::string(12, ' ') + ".", 13, 2},
        SizeCase{"TwelveRowsThenEmptyRows", rows(12, "#") + "\r\r  \r", 1, 12},
        SizeCase{"ThirteenRows", rows(13, "#"), 1, 13},
        SizeCase{"TwelveRowsBelowABlankRow", "\r" + rows(12, "#"), 1, 12},
        SizeCase{"ThirteenRowsBelowBlankRows", "  \r\t\r" + rows(13, "#"), 1, 13},
        SizeCase{"TwelveColumnsIndented", "  " + std::string(12, '#'), 12, 1},
        SizeCase{"ThirteenColumnsIndented", "  " + std::string(13, '#'), 13, 1},
        SizeCase{"OnlyTheIndentCommonToAllRowsIsMargin", " #\r  " + std::string(12, '#'), 13, 2},
        SizeCase{"ALineFeedTakesACell", std::string(12, '#') + "\r\n" + std::string(12, '#'), 13, 2},
        SizeCase{"AMultiByteCharacterTakesOneCell", "#" + std::string(10, ' ') + "\xc3\xa9#", 13, 1},
        SizeCase{"ALongRowOfFloorBeforeTheLevel", std::string(200, ' ') + "\r#", 1, 1}),
    [](const auto& info) { return std::string(info.param.name); });

// Blank rows above a level and blank columns left of it: kept where the level fits with
// them, dropped where it fits only without them.

// A level of 12 by 12 with a wall border, the player on cell 13, a ghost on 14 and a grave on
// 130; every row starts with indent and the level follows the text before.
std::string borderedLevel(const std::string& before, const std::string& indent)
{
    std::string text = before;
    for (int row = 0; row < 12; ++row) {
        std::string cells(12, row == 0 || row == 11 ? '#' : ' ');
        cells.front() = cells.back() = '#';
        if (row == 1)
            cells.replace(1, 2, "@$");
        if (row == 10)
            cells[10] = '.';
        if (row > 0)
            text += '\r';
        text += indent + cells;
    }
    return text;
}

struct MarginCase {
    const char* name;
    std::string before;
    std::string indent;
};

void PrintTo(const MarginCase& c, std::ostream* out)
{
    *out << c.name;
}

class ATwelveByTwelveLevel : public ::testing::TestWithParam<MarginCase> {};

TEST_P(ATwelveByTwelveLevel, ConvertsAsWithoutItsMargins)
{
    const auto bare = convertSokobanLevel(borderedLevel("", ""));
    ASSERT_TRUE(bare.has_value());
    ASSERT_EQ(fw::NthField(*bare, "\r", 2), "13");
    ASSERT_EQ(fw::NthField(*bare, "\r", 3), "14");
    ASSERT_EQ(fw::NthField(*bare, "\r", 4), "130");
    EXPECT_EQ(convertSokobanLevel(borderedLevel(GetParam().before, GetParam().indent)), bare);
}

INSTANTIATE_TEST_SUITE_P(
    Pasted, ATwelveByTwelveLevel,
    ::testing::Values(MarginCase{"BelowABlankRow", "\r", ""}, MarginCase{"IndentedByTwoBlanks", "", "  "},
                      MarginCase{"BelowABlankRowAndIndented", "\r", "  "},
                      MarginCase{"BelowRowsOfBlanksAndTabsAndIndentedByATab", " \t \r\r  \r", "\t"},
                      MarginCase{"IndentedByMultiByteBlanks", "", "\xc2\xa0\xc2\xa0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Converter, ALevelThatFitsWithItsMarginsKeepsThem)
{
    // Eleven rows below a blank row, eleven columns after a one-blank indent.
    EXPECT_EQ(convertSokobanLevel("\r #@" + std::string(8, ' ') + "#" + std::string(10, '\r') + " ."),
              "13,23\r14\r\r133\r");
}

TEST(Converter, ALevelThatFitsOnlyWithoutItsMarginsLosesBoth)
{
    // The blank row above makes it thirteen rows; the indent alone would have fitted.
    EXPECT_EQ(convertSokobanLevel("\r #@" + std::string(11, '\r') + " ."), "0\r1\r\r132\r");
    // The indent makes it thirteen columns; the blank row alone would have fitted.
    EXPECT_EQ(convertSokobanLevel("\r #" + std::string(10, ' ') + "@\r ."), "0\r11\r\r12\r");
}
