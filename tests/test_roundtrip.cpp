// A level drawn and saved in the editor plays in the game as it was drawn.
#include <QLineEdit>

#include "game/core/Game.h"
#include "game/windows/LoadGameWindow.h"
#include "shared/gui/LevelCode.h"
#include "tests/support/EditorFixture.h"
#include "tests/support/GameFixture.h"
#include "tests/support/Typing.h"

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

TEST_F(RoundTrip, ACodeWithLatin1LettersReadsAlikeInTheEditorAndTheGameAndLoadGameFindsIt)
{
    const QString code = QStringLiteral("Tomb\u00e9 \u00ff");
    placeAll(2, {13});
    placeAll(1, {14});
    placeAll(3, {15});
    testsupport::typeText(editorWindow().EditField1(), code);
    tree.mkdir("Levels/Standard");
    desktop.savePaths.push_back(tree.path("Levels/Standard/Level 01"));
    trigger("Filesave");
    testsupport::typeText(window2()->EditField1(), code);
    QTest::mouseClick(window2()->PushButton1(), Qt::LeftButton);
    flushDeletes();
    // One byte a character, each raised by two; the top of Latin-1 wraps round to 1.
    EXPECT_EQ(level::splitLevelFields(tree.read("Levels/Standard/Level 01"))[6], "\x01\"\xeb" "doqV");

    trigger("Filenew");
    desktop.openPaths.push_back(tree.path("Levels/Standard/Level 01"));
    trigger("Fileopen");
    EXPECT_EQ(editorWindow().EditField1()->text(), code);

    game::Preferences prefs;
    prefs.lvlmapp = "Standard";
    prefs.lvlmappantal = std::string("1");
    testsupport::RecordingHost host;
    game::Game g(prefs, host);
    QWidget mainWindow;
    game::Loadgamewindow& load = game::showLoadGame(prefs, &mainWindow, [&](int level) {
        g.wichlevel = level;
        g.newgame();
    });
    testsupport::typeText(load.EditField1(), code);
    QTest::keyClick(load.EditField1(), Qt::Key_Return);
    flushDeletes();
    EXPECT_EQ(g.wichlevel, 2);
    EXPECT_EQ(fw::codeText(host.codeLine), "Levelcode: " + code);
}
