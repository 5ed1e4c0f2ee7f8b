// The Load Game window: collecting the stored codes and starting the level of a typed one.
#include <gtest/gtest.h>

#include <vector>

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "game/core/Game.h"
#include "game/windows/LoadGameWindow.h"
#include "shared/gui/SingleWindow.h"
#include "tests/support/ControlTable.h"
#include "tests/support/TempTree.h"
#include "tests/support/TextLevel.h"
#include "tests/support/Typing.h"
#include "tests/support/WidgetTest.h"

using game::Loadgamewindow;
using testsupport::TempTree;

namespace {

std::string levelWithCode(std::string_view code)
{
    return testsupport::levelFile({"####", "#@$.#", "####"}, code);
}

// Counts the times a window closes.
class CloseCounter : public QObject {
public:
    int closes = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Close)
            ++closes;
        return false;
    }
};

class LoadGame : public testsupport::WidgetTest {
protected:
    LoadGame()
    {
        app.lvlmapp = "Standard";
        mainWindow.show();
    }

    void addLevel(int n, std::string_view code)
    {
        tree.write(QString::fromStdString("Levels/Standard/" + game::levelFileName(n)), levelWithCode(code));
    }

    Loadgamewindow& open()
    {
        Loadgamewindow& window = game::showLoadGame(app, &mainWindow, [this](int level) {
            started.push_back(level);
            mainVisibleAtStart.push_back(mainWindow.isVisible());
        });
        window.installEventFilter(&closeCounter);
        return window;
    }

    static bool isOpen()
    {
        const Loadgamewindow* window = fw::SingleWindow<Loadgamewindow>::find();
        return window && window->isVisible();
    }

    static void typeAndPressOk(Loadgamewindow& window, const QString& code)
    {
        QTest::keyClicks(window.EditField1(), code);
        window.findChild<QPushButton*>("PushButton1")->click();
    }

    TempTree tree;
    game::Preferences app;
    QWidget mainWindow;
    CloseCounter closeCounter;
    std::vector<int> started;
    std::vector<bool> mainVisibleAtStart;
};

} // namespace

TEST_F(LoadGame, OpeningHidesTheMainWindowAndShowsAnEmptyField)
{
    Loadgamewindow& window = open();
    EXPECT_FALSE(mainWindow.isVisible());
    EXPECT_EQ(window.windowTitle(), "Load Game");
    EXPECT_EQ(window.size(), QSize(329, 180));
    EXPECT_TRUE(window.EditField1()->text().isEmpty());
    EXPECT_EQ(window.findChild<QLabel*>("StaticText1")->text(), "Enter Level Code:");
}

TEST_F(LoadGame, TheCodeOfLevelOneWithReturnStartsLevelOne)
{
    addLevel(1, "ghost");
    addLevel(2, "tomb");
    app.lvlmappantal = "2";
    Loadgamewindow& window = open();
    QTest::keyClicks(window.EditField1(), "ghost");
    QTest::keyClick(window.EditField1(), Qt::Key_Return);
    EXPECT_EQ(started, std::vector<int>{1});
    EXPECT_EQ(mainVisibleAtStart, std::vector<bool>{true}) << "the window closes before the level starts";
    EXPECT_FALSE(isOpen());
    EXPECT_TRUE(mainWindow.isVisible());
}

TEST_F(LoadGame, TheCodesOfTheCountedLevelsAreCollectedInStoredForm)
{
    for (int n = 1; n <= 13; ++n)
        addLevel(n, "code" + std::to_string(n));
    app.lvlmappantal = "12";
    app.codez[0] = "untouched";
    open();
    EXPECT_EQ(app.codez[0], "untouched");
    for (int n = 1; n <= 12; ++n)
        EXPECT_EQ(app.codez[n], level::encodeLevelCode("code" + std::to_string(n))) << n;
    EXPECT_EQ(app.codez[13], "") << "level 13 lies beyond the count";
}

TEST_F(LoadGame, EveryCountedLevelCanBeReachedAndNoOther)
{
    for (int n = 1; n <= 13; ++n)
        addLevel(n, "code" + std::to_string(n));
    app.lvlmappantal = "12";
    for (int n = 1; n <= 13; ++n) {
        started.clear();
        Loadgamewindow& window = open();
        typeAndPressOk(window, QString("code%1").arg(n));
        if (n <= 12)
            EXPECT_EQ(started, std::vector<int>{n});
        else
            EXPECT_EQ(window.EditField1()->text(), "Invalid code");
        if (Loadgamewindow* still = fw::SingleWindow<Loadgamewindow>::find())
            still->close();
        testsupport::flushDeletes();
    }
}

TEST_F(LoadGame, ASharedCodeStartsEachLevelInTurnAndLeavesTheHighestInPlay)
{
    for (int n = 1; n <= 8; ++n)
        addLevel(n, n == 3 || n == 7 ? "twin" : "other" + std::to_string(n));
    app.lvlmappantal = "8";
    Loadgamewindow& window = open();
    typeAndPressOk(window, "twin");
    EXPECT_EQ(started, (std::vector<int>{3, 7}));
    EXPECT_EQ(closeCounter.closes, 1);
    EXPECT_TRUE(mainWindow.isVisible());
}

TEST_F(LoadGame, AnEmptyOrAlteredCodeIsInvalidAndTheWindowStays)
{
    addLevel(1, "ghost");
    addLevel(2, "");
    app.lvlmappantal = "2";
    for (const char* typed : {"", "ghost ", " ghost", "Ghost", "ghos"}) {
        Loadgamewindow& window = open();
        typeAndPressOk(window, QString::fromLatin1(typed));
        EXPECT_EQ(window.EditField1()->text(), "Invalid code") << '"' << typed << '"';
        EXPECT_TRUE(isOpen()) << typed;
        EXPECT_FALSE(mainWindow.isVisible()) << typed;
        window.close();
        testsupport::flushDeletes();
    }
    EXPECT_TRUE(started.empty());
}

TEST_F(LoadGame, ACodeOfFortyThousandCharactersIsFoundWhole)
{
    std::string code;
    for (int i = 0; i < 40000; ++i)
        code += char('a' + i % 26);
    addLevel(1, code.substr(0, 32767));
    addLevel(2, code);
    app.lvlmappantal = "2";
    Loadgamewindow& window = open();
    QGuiApplication::clipboard()->setText(QString::fromStdString(code));
    window.EditField1()->paste();
    QTest::keyClick(window.EditField1(), Qt::Key_Return);
    EXPECT_EQ(started, std::vector<int>{2});
}

TEST_F(LoadGame, TypedLatin1LettersMatchTheirBytesAndOtherCharactersMatchNothing)
{
    addLevel(1, "Tomb\xe9 \xff");
    addLevel(2, "?");
    addLevel(3, "\xe2\x82\xac"); // the euro sign's UTF-8 bytes
    app.lvlmappantal = "3";
    Loadgamewindow& window = open();
    testsupport::typeText(window.EditField1(), QStringLiteral("Tomb\u00e9 \u00ff"));
    window.findChild<QPushButton*>("PushButton1")->click();
    EXPECT_EQ(started, std::vector<int>{1});

    started.clear();
    for (const QString& typed :
         {QStringLiteral("\u0436"), QStringLiteral("\u20ac"), QStringLiteral("Tomb\u00e9 \u00ff\u0436")}) {
        Loadgamewindow& again = open();
        testsupport::typeText(again.EditField1(), typed);
        again.findChild<QPushButton*>("PushButton1")->click();
        EXPECT_EQ(again.EditField1()->text(), "Invalid code") << typed.toStdString();
        again.close();
        testsupport::flushDeletes();
    }
    EXPECT_TRUE(started.empty());
}

TEST_F(LoadGame, OkAgainSearchesForTheWordsInvalidCode)
{
    addLevel(1, "Invalid code");
    addLevel(2, "ghost");
    app.lvlmappantal = "2";
    Loadgamewindow& window = open();
    typeAndPressOk(window, "nothing");
    ASSERT_EQ(window.EditField1()->text(), "Invalid code");
    window.findChild<QPushButton*>("PushButton1")->click();
    EXPECT_EQ(started, std::vector<int>{1});
}

TEST_F(LoadGame, ACountOfNothingReadsNoFileAndMatchesNothing)
{
    addLevel(1, "ghost");
    for (const char* count : {"0", "", "-3", "none"}) {
        app.lvlmappantal = count;
        app.codez = {};
        Loadgamewindow& window = open();
        EXPECT_EQ(app.codez[1], "") << count;
        typeAndPressOk(window, "ghost");
        EXPECT_EQ(window.EditField1()->text(), "Invalid code") << count;
        window.close();
        testsupport::flushDeletes();
    }
    EXPECT_TRUE(started.empty());
}

TEST_F(LoadGame, ACountAboveAHundredStaysWithinTheCodes)
{
    for (int n = 1; n <= 101; ++n)
        addLevel(n, "code" + std::to_string(n));
    app.lvlmappantal = "150";
    Loadgamewindow& window = open();
    EXPECT_EQ(app.codez[100], level::encodeLevelCode("code100"));
    typeAndPressOk(window, "code101");
    EXPECT_EQ(window.EditField1()->text(), "Invalid code");
    window.EditField1()->clear();
    typeAndPressOk(window, "code100");
    EXPECT_EQ(started, std::vector<int>{100});
}

TEST_F(LoadGame, MissingUnreadableAndShortLevelFilesOfferNoCode)
{
    addLevel(1, "first");
    tree.mkdir("Levels/Standard/level 02"); // a folder in a level's place
    tree.write("Levels/Standard/level 03", "1,2\r13\r14\r15\r"); // four fields, no code
    // no level 04
    app.lvlmappantal = "4";
    app.codez[2] = "kept";
    app.codez[4] = level::encodeLevelCode("earlier");
    open();
    EXPECT_EQ(app.codez[1], level::encodeLevelCode("first"));
    EXPECT_EQ(app.codez[2], "kept");
    EXPECT_EQ(app.codez[3], "");
    // A code left by an earlier opening still matches; the loader then ends the set.
    Loadgamewindow& window = *fw::SingleWindow<Loadgamewindow>::find();
    typeAndPressOk(window, "earlier");
    EXPECT_EQ(started, std::vector<int>{4});
}

TEST_F(LoadGame, CancelAfterAFailedTryShowsTheMainWindowAndStartsNothing)
{
    addLevel(1, "ghost");
    app.lvlmappantal = "1";
    for (bool closeBox : {false, true}) {
        Loadgamewindow& window = open();
        typeAndPressOk(window, "wrong");
        if (closeBox)
            window.close();
        else
            window.findChild<QPushButton*>("PushButton2")->click();
        EXPECT_FALSE(isOpen());
        EXPECT_TRUE(mainWindow.isVisible());
        EXPECT_EQ(app.codez[1], level::encodeLevelCode("ghost")) << "the codes read stay";
        testsupport::flushDeletes();
    }
    EXPECT_TRUE(started.empty());
}

// The window as the player sees it.

TEST_F(LoadGame, EveryControlStandsAtItsPlaceWithItsCaption)
{
    Loadgamewindow& window = open();
    using testsupport::ControlRow;
    const ControlRow controls[] = {
        {"EditField1", {35, 60, 199, 22}, "", 12},
        {"StaticText1", {35, 35, 100, 20}, "Enter Level Code:", 12},
        {"PushButton1", {221, 120, 69, 20}, "Ok", 12, false, Qt::AlignLeft, true},
        {"PushButton2", {145, 120, 69, 20}, "Cancel", 12},
    };
    testsupport::expectControls(window, controls);
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(0x89, 0x89, 0x89));
    EXPECT_EQ(window.focusWidget(), window.EditField1()) << "the code can be typed at once";
}
