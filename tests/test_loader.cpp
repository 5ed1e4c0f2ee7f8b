// Finding, reading and drawing the levels of a set, and the end of a set.
#include <gtest/gtest.h>

#include <unistd.h>

#include <QFile>

#include "tests/support/GameFixture.h"

using level::CellKind;
using namespace testsupport;

namespace {
class Loader : public GameFixture {};
const std::initializer_list<std::string_view> kTiny = {"#####", "#@$.#", "#   #", "#####"};
} // namespace

TEST(LevelFileName, PadsOnlyTheNumbersBelowTen)
{
    EXPECT_EQ(game::levelFileName(1), "level 01");
    EXPECT_EQ(game::levelFileName(9), "level 09");
    EXPECT_EQ(game::levelFileName(10), "level 10");
    EXPECT_EQ(game::levelFileName(100), "level 100");
}

TEST_F(Loader, LoadingDrawsTheLevelAndShowsItsNumberAndCode)
{
    addLevel(7, {"#####", "#@$.#", "#S* #", "#####"}, "Boo!");
    start(7);
    EXPECT_EQ(board().substr(0, 26), "#####       \n#@$.#       \n");
    EXPECT_EQ(g.kind(25), CellKind::skelet);
    EXPECT_EQ(g.kind(26), CellKind::box2);
    EXPECT_EQ(g.kind(13), CellKind::gubb);
    EXPECT_EQ(host.levelLine, "LEVEL 7");
    EXPECT_EQ(host.codeLine, "Levelcode: Boo!");
    EXPECT_EQ(g.wichlevel, 8);
    EXPECT_FALSE(g.victory);
    EXPECT_FALSE(g.lockedkeys);
}

TEST_F(Loader, NamesAreFoundRegardlessOfLetterCase)
{
    tree.write("Levels/standard/Level 01", levelFile(kTiny));
    app.lvlmapp = "Standard";
    start();
    EXPECT_FALSE(g.victory);
    EXPECT_EQ(g.gubbpos, 13);
}

TEST_F(Loader, TheSetEndsAtTheFirstMissingNumber)
{
    addLevel(1, kTiny);
    addLevel(2, kTiny);
    addLevel(4, kTiny);
    start(2);
    press({kRight});
    ASSERT_TRUE(g.lockedkeys);
    const std::string solved = board();
    g.Timer1_Action();
    EXPECT_EQ(host.message, "Congratulation! You won!");
    EXPECT_TRUE(g.victory);
    EXPECT_EQ(g.wichlevel, 3);
    EXPECT_EQ(board(), solved);
    EXPECT_EQ(host.levelLine, "LEVEL 2");
    press({kLeft});
    EXPECT_EQ(board(), solved);
}

TEST_F(Loader, RestartingLevelOneReloadsItFromItsStart)
{
    addLevel(1, {"#######", "#@ $ .#", "#######"});
    start();
    press({kRight, kRight});
    ASSERT_TRUE(g.undao);
    press({kRestart});
    EXPECT_EQ(g.wichlevel, 2);
    EXPECT_EQ(g.gubbpos, 13);
    EXPECT_EQ(g.kind(15), CellKind::box);
    EXPECT_EQ(host.levelLine, "LEVEL 1");
    EXPECT_FALSE(g.undao);
    press({kUndo});
    EXPECT_EQ(g.gubbpos, 13);
}

TEST_F(Loader, ExtraGravesAreNeitherDrawnNorCounted)
{
    tree.write("Levels/Standard/level 01", "0,1,2\r13\r14\r15,16,17\r\r\r");
    start();
    EXPECT_EQ(g.kind(15), CellKind::backprick);
    EXPECT_EQ(g.kind(16), CellKind::back);
    EXPECT_EQ(g.kind(17), CellKind::back);
}

TEST_F(Loader, GravesOfAnEarlierLevelDoNotLinger)
{
    addLevel(1, {"#######", "#@$ . #", "# $ . #", "#######"});
    start();
    tree.write("Levels/Standard/level 01", "\r13\r14,26\r16\r\r\r");
    start();
    EXPECT_EQ(g.kind(28), CellKind::back); // grave 2 of the first file
    EXPECT_EQ(g.prickplats[2], level::kNoCell);
}

TEST_F(Loader, SixEmptyFieldsGiveAFloorWithThePlayerOnCellZero)
{
    tree.write("Levels/Standard/level 01", "\r\r\r\r\r\r");
    start();
    EXPECT_EQ(g.kind(0), CellKind::gubb);
    for (int cell = 1; cell < level::kCells; ++cell)
        ASSERT_EQ(g.kind(cell), CellKind::back);
    EXPECT_EQ(host.codeLine, "Levelcode: ");
    EXPECT_FALSE(g.lockedkeys);
}

TEST_F(Loader, AMissingSetIsNotAWin)
{
    app.lvlmapp = "Gone";
    start();
    EXPECT_EQ(host.setMissing, 1);
    EXPECT_NE(host.message, "Congratulation! You won!");
    EXPECT_TRUE(g.victory);
}

TEST_F(Loader, LoadingAfterAWinLeavesNoPushToTakeBack)
{
    addLevel(1, {"######", "#@$. #", "######"});
    addLevel(2, {"######", "#@ $.#", "######"});
    start();
    press({kRight});
    g.Timer1_Action();
    press({kUndo});
    EXPECT_EQ(g.gubbpos, 13);
    EXPECT_EQ(g.boxpos[1], 15);
}

// A level file that is there but cannot be read is no end of the set.

struct UnreadableLevel {
    const char* name;
    void (*make)(const TempTree& tree, const QString& relative);
    bool byPermissions; // unreadable only by its permissions, which do not bind root
};

void PrintTo(const UnreadableLevel& c, std::ostream* out)
{
    *out << c.name;
}

const UnreadableLevel kUnreadableLevels[] = {
    {"AFolder", [](const TempTree& tree, const QString& relative) { tree.mkdir(relative); }, false},
    {"OverTheSizeLimit",
     [](const TempTree& tree, const QString& relative) { tree.writeSparse(relative, fw::kMaxReadBytes + 1); },
     false},
    {"NotReadable",
     [](const TempTree& tree, const QString& relative) {
         tree.write(relative, levelFile(kTiny));
         ASSERT_TRUE(QFile::setPermissions(tree.path(relative), {}));
     },
     true},
};

class AnUnreadableNextLevel : public GameFixture, public ::testing::WithParamInterface<UnreadableLevel> {};

TEST_P(AnUnreadableNextLevel, IsReportedByNameAndEndsThePlayWithoutAWin)
{
    if (GetParam().byPermissions && geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    addLevel(1, kTiny);
    GetParam().make(tree, "Levels/Standard/level 02");
    start();
    press({kRight});
    ASSERT_TRUE(g.lockedkeys);
    g.Timer1_Action();
    EXPECT_EQ(host.unreadable, QStringList{tree.path("Levels/Standard/level 02")});
    EXPECT_NE(host.message, "Congratulation! You won!");
    EXPECT_TRUE(g.victory);
    EXPECT_FALSE(g.lockedkeys);
    EXPECT_EQ(host.setMissing, 0);
}

INSTANTIATE_TEST_SUITE_P(Kinds, AnUnreadableNextLevel, ::testing::ValuesIn(kUnreadableLevels),
                         [](const auto& info) { return std::string(info.param.name); });
