// A level drawn and saved in the editor plays in the game as it was drawn.
#include <QLineEdit>

#include "game/core/Game.h"
#include "tests/support/EditorFixture.h"
#include "tests/support/GameFixture.h"

using testsupport::EditorTest;

class RoundTrip : public EditorTest {
protected:
    testsupport::TempTree tree;
};

TEST_F(RoundTrip, ALevelSavedInTheEditorLoadsInTheGameAsLevelOne)
{
    QTest::mouseClick(editorWindow().extras(), Qt::LeftButton);
    placeAll(0, {29, 30, 31});
    placeAll(5, {66, 67});
    placeAll(1, {50, 52});
    placeAll(3, {86, 88});
    placeAll(4, {100});
    placeAll(2, {75});
    const QString code = QStringLiteral("Moon rise 7");
    QTest::keyClicks(editorWindow().EditField1(), code);
    const level::Grid drawn = editorWindow().grid();

    tree.mkdir("Levels/Standard");
    saveAs(tree.path("Levels/Standard/Level 01"), code);
    ASSERT_TRUE(desktop.messages.empty());

    game::Preferences prefs;
    prefs.lvlmapp = "Standard";
    testsupport::RecordingHost host;
    game::Game g(prefs, host);
    g.wichlevel = 1;
    g.newgame();
    EXPECT_FALSE(g.victory);
    EXPECT_EQ(host.levelLine, "LEVEL 1");
    EXPECT_EQ(host.codeLine, "Levelcode: " + code.toStdString());
    EXPECT_EQ(testsupport::rowsOf(g.board()), testsupport::rowsOf(drawn));
    EXPECT_EQ(g.board(), drawn);
    EXPECT_EQ(g.gubbpos, 75);
    EXPECT_EQ(g.antalboxes, 3);
}
