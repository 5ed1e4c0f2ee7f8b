// Level files and codes that the editor never writes, as fuzzing found them: the board still
// shows what the game state says, and a saved file keeps its six fields.
#include <string>

#include <gtest/gtest.h>

#include "shared/fw/FolderItem.h"
#include "shared/fw/Text.h"
#include "shared/level/LevelFile.h"
#include "tests/support/GameFixture.h"

using level::CellKind;
using namespace testsupport;

namespace {
class OddLevel : public GameFixture {};
} // namespace

// An empty player field and ghost entries that are no numbers put both on cell 0; here
// the file names cell 13 for both.
TEST_F(OddLevel, APlayerStandingOnAGhostStaysShownUntilSteppingOff)
{
    tree.write("Levels/Standard/level 01", "1\r13\r13\r30\r\r\r");
    start();
    EXPECT_EQ(g.kind(13), CellKind::gubb);
    press({kUp}); // into the wall: the player only turns
    EXPECT_EQ(g.gubbpos, 13);
    EXPECT_EQ(g.kind(13), CellKind::gubb2);
    press({kRight});
    EXPECT_EQ(g.gubbpos, 14);
    EXPECT_EQ(g.kind(14), CellKind::gubb3);
    EXPECT_EQ(g.kind(13), CellKind::box);
}

// The editor saves two ghosts on graves and one empty grave as ghosts 14,16 and graves
// 17,14,16: the grave of ghost 1 is grave 2.
TEST_F(OddLevel, AGhostWhoseGraveIsListedAfterItIsNotHiddenByTheGrave)
{
    addLevel(1, {"########", "#@* *. #", "########"});
    ASSERT_EQ(level::splitLevelFields(tree.read("Levels/Standard/level 01"))[4], "17,14,16");
    start();
    EXPECT_EQ(g.kind(14), CellKind::box2);
    EXPECT_EQ(g.kind(16), CellKind::box);
    EXPECT_EQ(g.kind(17), CellKind::backprick);
    press({kRight}); // a push, not a step onto a hidden ghost
    EXPECT_EQ(g.gubbpos, 14);
    EXPECT_EQ(g.boxpos[1], 15);
    EXPECT_EQ(g.kind(15), CellKind::box);
}

TEST_F(OddLevel, AGraveListedTwiceKeepsItsGhostShownOnIt)
{
    tree.write("Levels/Standard/level 01", "\r13\r14,30\r14,14\r\r\r");
    start();
    EXPECT_EQ(g.kind(14), CellKind::box2);
    press({kDown});
    EXPECT_EQ(g.kind(14), CellKind::box2);
    EXPECT_EQ(g.kind(30), CellKind::box);
}

TEST(OddCode, ACharacterThatWouldBeStoredAsACarriageReturnIsLeftOut)
{
    level::Grid grid;
    grid.fill(CellKind::back);
    const std::string saved = level::writeLevelFile(grid, "a\vb");
    EXPECT_EQ(saved, std::string(5, fw::CR) + level::encodeLevelCode("ab") + fw::CR);
}

TEST(OddFile, AFileLargerThanAnyOfOursIsNotRead)
{
    TempTree tree;
    tree.write("big", std::string(fw::kMaxReadBytes + 1, 'x'));
    tree.write("limit", std::string(fw::kMaxReadBytes, 'x'));
    EXPECT_FALSE(fw::GetFolderItem(":big").ReadAll());
    EXPECT_EQ(fw::GetFolderItem(":limit").ReadAll()->size(), std::size_t(fw::kMaxReadBytes));
}
