// Moves, pushes, the one-step undo, grave marks and the win.
#include <algorithm>

#include <gtest/gtest.h>

#include "tests/support/GameFixture.h"

using game::Sound;
using level::CellKind;
using namespace testsupport;

namespace {

class Rules : public GameFixture {};

// Row 1 of a small corridor: the player at cell 13 with a ghost beside it.
const std::initializer_list<std::string_view> kCorridor = {
    "#######",
    "#@$ . #",
    "#######",
};

} // namespace

TEST_F(Rules, APushMovesTheGhostAndThePlayerFollows)
{
    addLevel(1, kCorridor);
    start();
    press({kRight});
    EXPECT_EQ(g.gubbpos, 14);
    EXPECT_EQ(g.boxpos[1], 15);
    EXPECT_EQ(g.kind(13), CellKind::back);
    EXPECT_EQ(g.kind(14), CellKind::gubb3);
    EXPECT_EQ(g.kind(15), CellKind::box);
    EXPECT_TRUE(g.undao);
    EXPECT_EQ(host.played, std::vector<Sound>{Sound::CLICK1});
}

TEST_F(Rules, APushAgainstAnObstacleOnlyTurnsThePlayerAndClearsTheUndo)
{
    struct Case { const char* name; std::string_view row; };
    const Case cases[] = {
        {"wall", "#@$#   "},
        {"skeleton", "#@$S  #"},
        {"second ghost", "#@$$. #"},
        {"ghost on a grave", "#@$*  #"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        addLevel(1, {"#######", "#  .  #", c.row, "#######"});
        start();
        g.undao = true; // as after an earlier push
        host.played.clear();
        press({kRight});
        EXPECT_EQ(g.gubbpos, 25);
        EXPECT_EQ(g.kind(25), CellKind::gubb3);
        EXPECT_EQ(g.boxpos[1], 26);
        EXPECT_FALSE(g.undao);
        EXPECT_TRUE(host.played.empty());
    }
}

TEST_F(Rules, WallsAndSkeletonsBlockSteps)
{
    addLevel(1, {"####", "#@S#", "#$.#", "####"});
    start();
    press({kRight});
    EXPECT_EQ(g.gubbpos, 13);
    EXPECT_EQ(g.kind(13), CellKind::gubb3);
    press({kUp});
    EXPECT_EQ(g.gubbpos, 13);
    EXPECT_EQ(g.kind(13), CellKind::gubb2);
}

TEST_F(Rules, APushOntoAGraveShowsAGhostOnAGraveAndOffAgainShowsThePlayerThenTheGrave)
{
    addLevel(1, {"########", "#@$.  .#", "#  $   #", "########"});
    start();
    press({kRight});
    EXPECT_EQ(g.kind(15), CellKind::box2);
    EXPECT_EQ(g.vinnare, 1);
    press({kRight});
    EXPECT_EQ(g.kind(15), CellKind::gubb3); // the grave under the player shows the player
    EXPECT_EQ(g.kind(16), CellKind::box);
    press({kLeft});
    EXPECT_EQ(g.kind(15), CellKind::backprick);
}

TEST_F(Rules, WalkingOverAGraveShowsThePlayerThenTheGraveAgain)
{
    addLevel(1, {"######", "#@. $#", "#   .#", "######"});
    start();
    press({kRight});
    EXPECT_EQ(g.kind(14), CellKind::gubb3);
    press({kRight});
    EXPECT_EQ(g.kind(14), CellKind::backprick);
}

TEST_F(Rules, UndoTakesBackOnePushAndTheGraveShowsAgain)
{
    addLevel(1, {"#######", "#@$.  #", "# $ . #", "#######"});
    start();
    press({kRight});
    ASSERT_EQ(g.kind(15), CellKind::box2);
    press({kUndo});
    EXPECT_EQ(g.gubbpos, 13);
    EXPECT_EQ(g.kind(13), CellKind::gubb3); // still facing the push
    EXPECT_EQ(g.kind(14), CellKind::box);
    EXPECT_EQ(g.boxpos[1], 14);
    EXPECT_EQ(g.kind(15), CellKind::backprick);
    EXPECT_FALSE(g.undao);
    const std::string afterUndo = board();
    press({kUndo});
    EXPECT_EQ(board(), afterUndo);
    EXPECT_EQ(std::count(host.played.begin(), host.played.end(), Sound::CLICK1), 1);
}

TEST_F(Rules, AnyDirectionKeyAfterAPushMakesTheUndoImpossible)
{
    addLevel(1, {"#######", "#@$  .#", "# $ . #", "#######"});
    start();
    press({kRight, kUp}); // the step up is blocked, yet it clears the undo
    EXPECT_FALSE(g.undao);
    const std::string before = board();
    press({kUndo});
    EXPECT_EQ(board(), before);
}

TEST_F(Rules, AStepWithoutAPushCannotBeTakenBack)
{
    addLevel(1, {"#######", "#@ $ .#", "#  $ .#", "#######"});
    start();
    press({kRight, kUndo});
    EXPECT_EQ(g.gubbpos, 14);
}

TEST_F(Rules, TheUndoKeyBoundLikeADirectionMovesAndNeverUndoes)
{
    app.butts[game::Undo] = 29; // right arrow
    addLevel(1, {"#######", "#@$  .#", "#   $.#", "#######"});
    start();
    press({kRight, kRight});
    EXPECT_EQ(g.gubbpos, 15);
    EXPECT_EQ(g.boxpos[1], 16);
}

TEST_F(Rules, TheRestartKeyBoundLikeADirectionMovesThenRestarts)
{
    app.butts[game::Restart] = 29;
    addLevel(1, {"#######", "#@$  .#", "#   $.#", "#######"});
    start();
    host.played.clear();
    press({kRight});
    EXPECT_EQ(host.played, std::vector<Sound>{Sound::CLICK1}); // the push happened
    EXPECT_EQ(g.gubbpos, 13);                                  // and the level started again
    EXPECT_EQ(g.boxpos[1], 14);
    EXPECT_FALSE(g.undao);
    EXPECT_EQ(g.wichlevel, 2);
}

TEST_F(Rules, SolvingLocksTheKeysUntilThePauseEnds)
{
    addLevel(1, {"#####", "#@$.#", "#####"});
    addLevel(2, {"#####", "#@$ #", "#  .#", "#####"}, "two");
    start();
    press({kRight});
    EXPECT_TRUE(g.lockedkeys);
    EXPECT_EQ(g.kind(14), CellKind::gubbv);
    EXPECT_EQ(host.message, "Prepare for next level!");
    EXPECT_EQ(host.timerStarts, 1);
    EXPECT_EQ(host.played.back(), Sound::boyah);
    const std::string solved = board();
    press({kLeft, kUndo, kRestart});
    EXPECT_EQ(board(), solved);
    EXPECT_EQ(g.wichlevel, 2);
    g.Timer1_Action();
    EXPECT_FALSE(g.lockedkeys);
    EXPECT_EQ(host.levelLine, "LEVEL 2");
    EXPECT_EQ(host.codeLine, "Levelcode: two");
    EXPECT_EQ(host.message, "");
    EXPECT_EQ(g.wichlevel, 3);
}

TEST_F(Rules, SoundsOffMakePushesAndWinsSilent)
{
    app.soundON = false;
    addLevel(1, {"#####", "#@$.#", "#####"});
    start();
    press({kRight});
    EXPECT_TRUE(g.lockedkeys);
    EXPECT_TRUE(host.played.empty());
}

TEST_F(Rules, APushWhileTheClickStillPlaysMakesNoSecondClick)
{
    addLevel(1, {"########", "#@$   .#", "########"});
    start();
    press({kRight, kRight});
    EXPECT_EQ(host.played.size(), 1u);
    host.playing[Sound::CLICK1] = false;
    press({kRight});
    EXPECT_EQ(host.played.size(), 2u);
}

TEST_F(Rules, ALevelWithoutGhostsIsNeverSolvedButRestarts)
{
    addLevel(1, {"#####", "#@ .#", "#####"});
    start();
    press({kRight, kRight});
    EXPECT_FALSE(g.lockedkeys);
    press({kRestart});
    EXPECT_EQ(g.gubbpos, 13);
    EXPECT_EQ(g.kind(13), CellKind::gubb);
}

TEST_F(Rules, ALevelWhoseGhostsStartOnGravesIsSolvedWhenDrawn)
{
    addLevel(1, {"#####", "#@* #", "#####"});
    start();
    EXPECT_TRUE(g.lockedkeys);
    EXPECT_EQ(host.message, "Prepare for next level!");
    EXPECT_EQ(host.timerStarts, 1);
}

TEST_F(Rules, KeysDoNothingWhileNoGameRuns)
{
    addLevel(1, kCorridor);
    start();
    g.victory = true;
    const std::string before = board();
    press({kRight, kRestart});
    EXPECT_EQ(board(), before);
}

TEST_F(Rules, KeysMatchOnlyTheirOwnCharacter)
{
    app.butts[game::Up] = 0; // unbound: no key acts for it
    addLevel(1, kCorridor);
    start();
    const std::string before = board();
    // A capital R, no character, the right arrow's code one byte up, and a stray letter.
    press({'R', 0, kRight + 256, 'x'});
    EXPECT_EQ(board(), before);
    EXPECT_EQ(g.riktning, 0) << "a direction key acted";
    EXPECT_EQ(g.wichlevel, 2);
}

TEST_F(Rules, AMoveOnlyReportsTheCellsItChanged)
{
    addLevel(1, {"#######", "#@ $ .#", "#######"});
    start();
    host.changed.clear();
    press({kRight});
    std::sort(host.changed.begin(), host.changed.end());
    EXPECT_EQ(host.changed, (std::vector<int>{13, 14}));
}

// A level that is not enclosed: steps and pushes off the board or across a row's end
// are blocked like walls.
TEST_F(Rules, StepsAndPushesNeverLeaveTheBoardOrWrapAround)
{
    tree.write("Levels/Standard/level 01", "\r11\r\r\r\r\r");
    start();
    press({kRight});
    EXPECT_EQ(g.gubbpos, 11);
    press({kUp});
    EXPECT_EQ(g.gubbpos, 11);
    tree.write("Levels/Standard/level 01", "\r10\r11\r12\r\r\r");
    start();
    press({kRight}); // the ghost on cell 11 would wrap to cell 12
    EXPECT_EQ(g.gubbpos, 10);
    EXPECT_EQ(g.boxpos[1], 11);
    tree.write("Levels/Standard/level 01", "\r132\r\r\r\r\r");
    start();
    press({kDown, kLeft});
    EXPECT_EQ(g.gubbpos, 132);
}

TEST_F(Rules, CellNumbersOffTheBoardAreNeverUsed)
{
    tree.write("Levels/Standard/level 01", "-5,999,99999999999\r500\r-12,200,4294967309\r1,2\r144\r\r");
    start();
    for (const auto& key : {kUp, kDown, kLeft, kRight, kUndo})
        g.KeyDown(key);
    EXPECT_EQ(g.gubbpos, 500);
    for (int cell = 0; cell < level::kCells; ++cell)
        EXPECT_TRUE(g.kind(cell) == CellKind::back || g.kind(cell) == CellKind::backprick) << cell;
}

// Whole levels played from their start to the win.
TEST_F(Rules, ReplaysSolveWholeLevels)
{
    struct Replay { std::initializer_list<std::string_view> rows; std::vector<std::int32_t> keys; };
    const Replay replays[] = {
        {{"######",
          "#@   #",
          "# $$ #",
          "# .. #",
          "######"},
         {kRight, kDown, kUp, kRight, kDown}},
        {{"#######",
          "#.  S #",
          "# $ S #",
          "#  @  #",
          "#######"},
         {kUp, kRight, kLeft, kDown, kLeft, kUp}},
    };
    for (const Replay& r : replays) {
        addLevel(1, r.rows);
        start();
        for (const auto& key : r.keys) {
            ASSERT_FALSE(g.lockedkeys);
            g.KeyDown(key);
        }
        EXPECT_TRUE(g.lockedkeys) << board();
        EXPECT_EQ(host.message, "Prepare for next level!");
    }
}

TEST_F(Rules, APlayerWhoOnlyTurnsChangesTheBoard)
{
    // Walled in: every key only turns the player. The printed board is 13 characters a row.
    addLevel(1, {"###", "#@#", "###"});
    start();
    struct Case { std::int32_t key; char shown; };
    const Case cases[] = {{kUp, '^'}, {kRight, '>'}, {kLeft, '<'}, {kDown, '@'}};
    std::string before = board();
    for (const Case& c : cases) {
        press({c.key});
        EXPECT_EQ(g.gubbpos, 13);
        EXPECT_NE(board(), before) << "turning to " << c.shown;
        EXPECT_EQ(board()[14], c.shown);
        before = board();
    }

    addLevel(1, kCorridor);
    start();
    press({kRight, kRight});
    ASSERT_TRUE(g.lockedkeys);
    EXPECT_EQ(board().substr(13, 7), "#  V* #");
}
