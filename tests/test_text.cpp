// The text functions that the file formats are read with.
#include <gtest/gtest.h>

#include "shared/fw/Text.h"

using namespace fw;

TEST(Text, ValReadsTheNumberAtTheStartAndZeroOtherwise)
{
    struct Case { const char* text; double value; };
    const Case cases[] = {
        {"13,25", 13}, {"143", 143}, {"", 0}, {"abc", 0}, {"-5", -5}, {"  42x", 42},
        {"7.5", 7.5}, {"1e2", 100}, {"1e", 1}, {".", 0}, {"+3", 3}, {"12\n", 12},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(Val(c.text), c.value) << '"' << c.text << '"';
}

TEST(Text, ValInt32SaturatesNumbersBeyondThirtyTwoBits)
{
    EXPECT_EQ(ValInt32("99999999999999999999"), INT32_MAX);
    EXPECT_EQ(ValInt32("-99999999999999999999"), INT32_MIN);
    EXPECT_EQ(ValInt32("1e400"), INT32_MAX);
    EXPECT_EQ(ValInt32("0e99999"), 0);
    EXPECT_EQ(ValInt32("12.9"), 12);
    EXPECT_EQ(ValInt32(std::string(100000, '9')), INT32_MAX);
}

TEST(Text, FieldsCountFromOneAndAreEmptyBeyondTheLast)
{
    EXPECT_EQ(CountFields("", ","), 0);
    EXPECT_EQ(CountFields("a", ","), 1);
    EXPECT_EQ(CountFields("a,,b", ","), 3);
    EXPECT_EQ(CountFields(",", ","), 2);
    EXPECT_EQ(NthField("a,b,c", ",", 2), "b");
    EXPECT_EQ(NthField("a,b,c", ",", 4), "");
    EXPECT_EQ(NthField("a,b,c", ",", 0), "");
    EXPECT_EQ(NthField("xvvvesperon1.2vvvesperony", "vvvesperon", 2), "1.2");
    EXPECT_EQ(NthField("vvvesperon1.1\n", "vvvesperon", 2), "1.1\n");
    EXPECT_EQ(NthField("no marker", "vvvesperon", 2), "");
}

TEST(Text, SubstringsClampToTheText)
{
    EXPECT_EQ(Left("abc", 0), "");
    EXPECT_EQ(Left("abc", -3), "");
    EXPECT_EQ(Left("abc", 5), "abc");
    EXPECT_EQ(Right("abc", 2), "bc");
    EXPECT_EQ(Right("abc", 9), "abc");
    EXPECT_EQ(Mid("abcdef", 2, 3), "bcd");
    EXPECT_EQ(Mid("abc", 0, 1), "");
    EXPECT_EQ(Mid("abc", 4), "");
    EXPECT_EQ(Mid("abc", 2), "bc");
}

TEST(Text, CharactersAndCodes)
{
    EXPECT_EQ(Asc(""), 0);
    EXPECT_EQ(Asc("a"), 97);
    EXPECT_EQ(Asc("\xff"), 255);
    EXPECT_EQ(Chr(13), "\r");
    EXPECT_EQ(Chr(0), std::string(1, '\0'));
    EXPECT_EQ(Str(0), "0");
    EXPECT_EQ(Str(143), "143");
    EXPECT_EQ(Str(-7), "-7");
    EXPECT_EQ(Len("abc"), 3);
}
