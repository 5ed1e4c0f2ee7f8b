// The main window: title state, labels, keys, the pause, the end of a set and sounds.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "game/ui/MenuBar1.h"
#include "game/ui/MenuLabel.h"
#include "game/ui/PictureCanvas.h"
#include "game/ui/Window1.h"
#include "shared/gui/BoardView.h"
#include "tests/support/GameFixture.h"
#include "tests/support/WidgetTest.h"
#include "tests/support/RecordingDesktop.h"
#include "tests/support/RecordingSoundBank.h"
#include "tests/support/TempTree.h"
#include "tests/support/TextLevel.h"

using game::Sound;
using level::CellKind;
using namespace testsupport;

namespace {

const auto* const kQt = ::testing::AddGlobalTestEnvironment(new QtEnvironment("test_game_window"));

// One push to the right solves it.
const std::initializer_list<std::string_view> kOnePush = {"#####", "#@$.#", "#   #", "#####"};

// Waits for pred while events run; false when it did not come true in time.
bool waitFor(const std::function<bool()>& pred, int ms)
{
    for (int waited = 0; !pred() && waited < ms; waited += 20)
        QTest::qWait(20);
    return pred();
}

class MainWindow : public LevelSetFixture {
protected:
    // The window, opened at its first use so that a test can set things up before.
    game::Window1& w()
    {
        if (!m_window)
            m_window = std::make_unique<game::Window1>(app, sounds, &menuBar);
        return *m_window;
    }
    game::Game& g() { return w().game(); }

    template <typename T = QWidget>
    T* control(const char* name)
    {
        T* found = w().findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    game::MenuLabel* label(const char* name) { return control<game::MenuLabel>(name); }
    QString text(const char* name) { return control<QLabel>(name)->text(); }
    QRect geometry(const char* name) { return control(name)->geometry(); }
    QTimer* timer() { return control<QTimer>("Timer1"); }

    void click(const char* name) { QTest::mouseClick(label(name), Qt::LeftButton, {}, QPoint(10, 10)); }
    void key(Qt::Key k) { QTest::keyClick(&w(), k); }
    std::string board() { return rowsOf(g().board()); }

    RecordingDesktop desktop;
    RecordingSoundBank sounds;
    game::MenuBar1 menuBar;

private:
    std::unique_ptr<game::Window1> m_window;
};

struct LabelCase {
    const char* name;
    const char* caption;
    int top;
};
constexpr LabelCase kLabels[] = {
    {"StaticText1", "New Game", 88}, {"StaticText6", "Load Game", 128}, {"StaticText5", "End Game", 168},
    {"StaticText2", "About", 208},   {"StaticText3", "Settings", 248},  {"StaticText4", "Quit", 288},
};

} // namespace

TEST_F(MainWindow, OpensCoveredWithItsLabelsAndEmptyLines)
{
    EXPECT_EQ(w().windowTitle(), ".:::Vesperon:::.");
    EXPECT_EQ(w().centralWidget()->size(), QSize(724, 649));
    EXPECT_EQ(w().centralWidget()->palette().color(QPalette::Window), QColor(Qt::black));
    w().adjustSize();
    EXPECT_EQ(w().minimumSize(), w().maximumSize());
    EXPECT_TRUE(g().victory);
    EXPECT_EQ(g().wichlevel, 1);

    EXPECT_EQ(geometry("ban"), QRect(QPoint(-1, 1), fw::boardSize()));
    EXPECT_EQ(geometry("Canvas1"), QRect(0, 0, 590, 600));
    EXPECT_EQ(geometry("Canvas3"), QRect(0, 591, 723, 68));
    EXPECT_EQ(geometry("Canvas2"), QRect(580, -2, 171, 640));
    EXPECT_EQ(control<game::PictureCanvas>("Canvas1")->pictureId(), 172);
    EXPECT_EQ(control<game::PictureCanvas>("Canvas3")->pictureId(), 169);
    EXPECT_EQ(control<game::PictureCanvas>("Canvas2")->pictureId(), 170);

    for (const LabelCase& c : kLabels) {
        game::MenuLabel* l = label(c.name);
        EXPECT_EQ(l->text(), c.caption);
        EXPECT_EQ(l->geometry(), QRect(593, c.top, 125, 25)) << c.name;
        EXPECT_EQ(l->textColor(), QColor(0xFF, 0x00, 0x00)) << c.name;
        EXPECT_EQ(l->textSize(), 21);
        EXPECT_TRUE(l->font().bold());
        EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), 125) << c.name;
    }
    struct Line { const char* name; QRect box; int size; bool bold; };
    for (const Line& line : {Line{"StaticText8", {169, 598, 408, 48}, 30, true},
                             Line{"wiclvltext", {607, 24, 101, 20}, 15, true},
                             Line{"StaticText7", {591, 39, 137, 20}, 10, false}}) {
        auto* l = control<QLabel>(line.name);
        EXPECT_EQ(l->geometry(), line.box) << line.name;
        EXPECT_TRUE(l->text().isEmpty()) << line.name;
        EXPECT_EQ(l->font().pixelSize(), line.size) << line.name;
        EXPECT_EQ(l->font().bold(), line.bold) << line.name;
        EXPECT_EQ(l->palette().color(QPalette::WindowText), QColor(Qt::white));
        EXPECT_EQ(l->alignment(), Qt::AlignCenter);
        EXPECT_EQ(l->textFormat(), Qt::PlainText);
    }
    auto* l8 = control<QLabel>("StaticText8");
    EXPECT_LE(l8->fontMetrics().horizontalAdvance("Congratulation! You won!"), 408);

    auto* button = control<QPushButton>("PushButton1");
    EXPECT_FALSE(button->isVisibleTo(&w()));
    EXPECT_FALSE(button->autoDefault());
    EXPECT_TRUE(timer()->isSingleShot());
    EXPECT_EQ(timer()->interval(), 2000);
    EXPECT_FALSE(timer()->isActive());

    // The board under the cover: walls round floor.
    int walls = 0;
    for (CellKind k : g().board())
        walls += k == CellKind::wal;
    EXPECT_EQ(walls, 44);
    EXPECT_EQ(g().kind(13), CellKind::back);
}

TEST_F(MainWindow, GhostlyPlaysAtOpenAlsoWithSoundsOff)
{
    app.soundON = false;
    w();
    EXPECT_EQ(sounds.played, std::vector<Sound>{Sound::ghostly1});
}

TEST_F(MainWindow, ControlsAreStackedAsCreatedAndNoneTakesTheFocus)
{
    const QObjectList& stack = w().centralWidget()->children();
    const QStringList expected = {"ban", "Canvas1", "Canvas3", "Canvas2", "StaticText8", "wiclvltext",
                                  "StaticText1", "StaticText2", "StaticText3", "StaticText4", "StaticText5",
                                  "PushButton1", "StaticText6", "StaticText7"};
    QStringList order;
    for (QObject* child : stack)
        order << child->objectName();
    EXPECT_EQ(order, expected);
    for (QWidget* widget : w().findChildren<QWidget*>()) {
        if (!qobject_cast<QMenu*>(widget)) {
            EXPECT_EQ(widget->focusPolicy(), Qt::NoFocus) << widget->metaObject()->className();
        }
    }
}

TEST_F(MainWindow, TheCodeLineShowsEachStoredByteAsItsLatin1Character)
{
    addLevel(1, kOnePush, "Tomb\xe9 \xff");
    click("StaticText1");
    EXPECT_EQ(text("StaticText7"), QStringLiteral("Levelcode: Tomb\u00e9 \u00ff"));
}

TEST_F(MainWindow, NewGameUncoversTheBoardAndLoadsLevelOne)
{
    addLevel(1, kOnePush, "Boo");
    click("StaticText1");
    EXPECT_FALSE(g().victory);
    EXPECT_EQ(g().wichlevel, 2);
    EXPECT_EQ(geometry("Canvas1"), QRect(0, 0, 1, 1));
    EXPECT_EQ(geometry("Canvas3"), QRect(0, 591, 723, 68));
    EXPECT_EQ(text("wiclvltext"), "LEVEL 1");
    EXPECT_EQ(text("StaticText7"), "Levelcode: Boo");
    EXPECT_EQ(text("StaticText8"), "");
    EXPECT_EQ(g().kind(13), CellKind::gubb);
}

TEST_F(MainWindow, ArrowKeysFromRealKeyEventsMoveThePlayer)
{
    addLevel(1, {"######", "#    #", "# @  #", "#    #", "######"});
    key(Qt::Key_Right); // no game runs yet: nothing happens
    click("StaticText1");
    ASSERT_EQ(g().gubbpos, 26);
    key(Qt::Key_Right);
    EXPECT_EQ(g().gubbpos, 27);
    EXPECT_EQ(g().kind(27), CellKind::gubb3);
    key(Qt::Key_Up);
    EXPECT_EQ(g().gubbpos, 15);
    key(Qt::Key_Left);
    EXPECT_EQ(g().gubbpos, 14);
    key(Qt::Key_Down);
    EXPECT_EQ(g().gubbpos, 26);
    EXPECT_EQ(g().kind(26), CellKind::gubb);
}

TEST_F(MainWindow, EveryKeyThatGivesACodeReachesTheBindings)
{
    struct Case { Qt::Key key; int code; };
    const Case cases[] = {{Qt::Key_Tab, 9},     {Qt::Key_Return, 13}, {Qt::Key_Escape, 27},
                          {Qt::Key_Space, 32},  {Qt::Key_Backspace, 8}, {Qt::Key_D, 'd'}};
    addLevel(1, {"######", "#    #", "# @  #", "#    #", "######"});
    app.butts[game::Undo] = 0;
    for (const Case& c : cases) {
        app.butts[game::Right] = c.code;
        click("StaticText5");
        click("StaticText1");
        ASSERT_EQ(g().gubbpos, 26);
        key(c.key);
        EXPECT_EQ(g().gubbpos, 27) << "key code " << c.code;
    }
}

TEST_F(MainWindow, LabelsThatOpenWindowsActOnlyWhileNoGameRuns)
{
    int loads = 0, abouts = 0, settings = 0;
    w().onLoadGame = [&] { ++loads; };
    w().onAbout = [&] { ++abouts; };
    w().onSettings = [&] { ++settings; };
    addLevel(1, {"#######", "#@ $ .#", "#######"});

    click("StaticText1");
    key(Qt::Key_Right);
    const std::string played = board();
    for (const char* name : {"StaticText1", "StaticText6", "StaticText2", "StaticText3"})
        click(name);
    EXPECT_EQ(loads + abouts + settings, 0);
    EXPECT_EQ(board(), played);
    EXPECT_EQ(g().wichlevel, 2);
    EXPECT_FALSE(g().victory);

    click("StaticText5");
    click("StaticText6");
    click("StaticText2");
    click("StaticText3");
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(abouts, 1);
    EXPECT_EQ(settings, 1);
}

TEST_F(MainWindow, EmptyHooksDoNothing)
{
    click("StaticText6");
    click("StaticText2");
    click("StaticText3");
    EXPECT_TRUE(g().victory);
    EXPECT_EQ(geometry("Canvas1"), QRect(0, 0, 590, 600));
}

TEST_F(MainWindow, EndGameCoversTheBoardAndNewGameStartsLevelOneAgain)
{
    addLevel(1, {"#######", "#@ $ .#", "#######"}, "One");
    click("StaticText1");
    key(Qt::Key_Right);
    const std::string played = board();
    click("StaticText5");
    EXPECT_TRUE(g().victory);
    EXPECT_EQ(g().wichlevel, 1);
    EXPECT_EQ(geometry("Canvas1"), QRect(0, 0, 590, 600));
    EXPECT_EQ(text("wiclvltext"), "");
    EXPECT_EQ(text("StaticText7"), "");
    EXPECT_EQ(text("StaticText8"), "");
    EXPECT_EQ(board(), played); // kept under the cover
    key(Qt::Key_Right);
    EXPECT_EQ(board(), played);

    click("StaticText1");
    EXPECT_EQ(g().gubbpos, 13);
    EXPECT_EQ(text("wiclvltext"), "LEVEL 1");
}

TEST_F(MainWindow, HoverDarkensAndGrowsALabelWhichThenRestsInDarkerRed)
{
    addLevel(1, kOnePush);
    click("StaticText1"); // hovering acts also while a click would do nothing
    for (const LabelCase& c : kLabels) {
        game::MenuLabel* l = label(c.name);
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(l, &enter);
        EXPECT_EQ(l->textColor(), QColor(0x70, 0x0A, 0x00)) << c.name;
        EXPECT_EQ(l->textSize(), 22) << c.name;
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(l, &leave);
        EXPECT_EQ(l->textColor(), QColor(0xE1, 0x00, 0x00)) << c.name;
        EXPECT_EQ(l->textSize(), 21) << c.name;
        EXPECT_TRUE(l->font().bold());
        EXPECT_EQ(l->geometry(), QRect(593, c.top, 125, 25));
    }
    EXPECT_FALSE(g().victory);
}

TEST_F(MainWindow, SolvingALevelPausesThenLoadsTheNextLevel)
{
    addLevel(1, kOnePush, "first");
    addLevel(2, {"#######", "#@$ . #", "#######"}, "second");
    w().show();
    click("StaticText1");
    key(Qt::Key_Right);
    EXPECT_EQ(text("StaticText8"), "Prepare for next level!");
    EXPECT_EQ(g().kind(g().gubbpos), CellKind::gubbv);
    EXPECT_TRUE(timer()->isActive());
    EXPECT_EQ(sounds.count(Sound::CLICK1), 1);
    EXPECT_EQ(sounds.count(Sound::boyah), 1);
    const std::string solved = board();
    key(Qt::Key_Left);
    key(Qt::Key_R);
    EXPECT_EQ(board(), solved); // the keys are locked during the pause

    ASSERT_TRUE(waitFor([&] { return text("wiclvltext") == "LEVEL 2"; }, game::kPauseMs + 1500));
    EXPECT_EQ(text("StaticText7"), "Levelcode: second");
    EXPECT_EQ(text("StaticText8"), "");
    EXPECT_FALSE(g().lockedkeys);
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    EXPECT_EQ(g().kind(16), CellKind::box2);
}

TEST_F(MainWindow, EndGameDuringThePauseStopsTheTimerSoNoLevelLoads)
{
    addLevel(1, kOnePush);
    addLevel(2, kOnePush);
    click("StaticText1");
    key(Qt::Key_Right);
    ASSERT_TRUE(timer()->isActive());
    const std::string solved = board();
    click("StaticText5");
    EXPECT_FALSE(timer()->isActive());
    EXPECT_EQ(text("StaticText8"), "");
    EXPECT_EQ(geometry("Canvas1"), QRect(0, 0, 590, 600));
    EXPECT_TRUE(g().victory);
    QTest::qWait(game::kPauseMs + 300);
    EXPECT_EQ(text("wiclvltext"), "");
    EXPECT_EQ(board(), solved);
    EXPECT_EQ(g().wichlevel, 1);
}

TEST_F(MainWindow, TheEndOfTheSetKeepsTheLastBoardInViewAndTheLabelsActAgain)
{
    addLevel(1, kOnePush, "last");
    click("StaticText1");
    timer()->setInterval(1);
    key(Qt::Key_Right);
    const std::string solved = board();
    ASSERT_TRUE(waitFor([&] { return g().victory; }, 1000));
    EXPECT_EQ(text("StaticText8"), "Congratulation! You won!");
    EXPECT_EQ(text("wiclvltext"), "LEVEL 1");
    EXPECT_EQ(text("StaticText7"), "Levelcode: last");
    EXPECT_EQ(geometry("Canvas1"), QRect(0, 0, 1, 1));
    key(Qt::Key_Left);
    EXPECT_EQ(board(), solved);

    int settings = 0;
    w().onSettings = [&] { ++settings; };
    click("StaticText3");
    EXPECT_EQ(settings, 1);
    click("StaticText1");
    EXPECT_FALSE(g().victory);
    EXPECT_EQ(text("StaticText8"), "");
    EXPECT_EQ(g().kind(13), CellKind::gubb);
}

TEST_F(MainWindow, APushWhileClickStillPlaysMakesNoSecondClick)
{
    addLevel(1, {"#########", "#@$    .#", "#########"});
    click("StaticText1");
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    EXPECT_EQ(sounds.count(Sound::CLICK1), 1);
    sounds.finishAll();
    key(Qt::Key_Right);
    EXPECT_EQ(sounds.count(Sound::CLICK1), 2);
}

TEST_F(MainWindow, WithSoundsOffPushesAndWinsAreSilent)
{
    app.soundON = false;
    addLevel(1, kOnePush);
    click("StaticText1");
    key(Qt::Key_Right);
    ASSERT_TRUE(g().lockedkeys);
    EXPECT_EQ(sounds.played, std::vector<Sound>{Sound::ghostly1});
}

TEST_F(MainWindow, AMissingSetShowsTheMessageBoxAndStaysInTheTitleState)
{
    app.lvlmapp = "Gone";
    click("StaticText1");
    EXPECT_EQ(desktop.messages, QStringList{"Can't finde any levels!"});
    EXPECT_TRUE(g().victory);
    EXPECT_EQ(g().wichlevel, 1);
    EXPECT_EQ(geometry("Canvas1"), QRect(0, 0, 590, 600));
    EXPECT_EQ(text("StaticText8"), "");
}

TEST_F(MainWindow, ASetRemovedDuringThePauseAlsoEndsInTheTitleState)
{
    addLevel(1, kOnePush);
    click("StaticText1");
    timer()->setInterval(1);
    key(Qt::Key_Right);
    ASSERT_TRUE(QDir(tree.path("Levels/Standard")).removeRecursively());
    ASSERT_TRUE(waitFor([&] { return !desktop.messages.isEmpty(); }, 1000));
    EXPECT_EQ(desktop.messages, QStringList{"Can't finde any levels!"});
    EXPECT_EQ(geometry("Canvas1"), QRect(0, 0, 590, 600));
    EXPECT_EQ(text("StaticText8"), "");
    EXPECT_EQ(text("wiclvltext"), "");
    EXPECT_TRUE(g().victory);
}

TEST_F(MainWindow, AClickOnTheBoardDoesNothing)
{
    addLevel(1, kOnePush);
    click("StaticText1");
    const std::string before = board();
    auto* ban = control<fw::BoardView>("ban");
    QTest::mouseClick(ban, Qt::LeftButton, {}, fw::cellRect(14).center());
    EXPECT_EQ(board(), before);
    EXPECT_FALSE(g().victory);
}

TEST_F(MainWindow, AMoveRepaintsOnlyTheCellsItChanged)
{
    addLevel(1, {"######", "#    #", "# @  #", "#    #", "######"});
    w().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w()));
    click("StaticText1");
    QTest::qWait(50);
    auto* ban = control<fw::BoardView>("ban");
    key(Qt::Key_Right);
    ASSERT_TRUE(waitFor([&] { return ban->lastPaintedCells() > 0 && ban->lastPaintedCells() < 144; }, 500));
    // The cell the player left and the one entered, and no neighbour.
    EXPECT_EQ(ban->lastPaintedCells(), 2);
}

TEST_F(MainWindow, HidingAndShowingKeepsTheGame)
{
    addLevel(1, {"#######", "#@ $ .#", "#######"}, "kept");
    w().show();
    click("StaticText1");
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    const std::string played = board();
    w().setVisible(false);
    w().setVisible(true);
    EXPECT_EQ(board(), played);
    EXPECT_EQ(text("wiclvltext"), "LEVEL 1");
    EXPECT_EQ(text("StaticText7"), "Levelcode: kept");
    EXPECT_TRUE(g().undao);
    key(Qt::Key_Space);
    EXPECT_EQ(g().gubbpos, 14);
}

TEST_F(MainWindow, TheEditItemsDoNothingToTheGame)
{
    addLevel(1, {"#######", "#@ $ .#", "#######"});
    click("StaticText1");
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    const std::string played = board();
    for (const char* name : {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear"})
        menuBar.Child(QLatin1String(name))->trigger();
    EXPECT_EQ(board(), played);
    EXPECT_TRUE(g().undao);
    EXPECT_EQ(text("wiclvltext"), "LEVEL 1");
}

TEST_F(MainWindow, ShowsTheMenuBar)
{
    QMenuBar* bar = w().menuBar();
    QStringList menus;
    for (QAction* action : bar->actions())
        menus << action->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&Edit"}));
}

TEST_F(MainWindow, TheShippedFirstLevelIsWonThroughKeyPresses)
{
    fw::setProgramFolder(QStringLiteral(VESPERON_SOURCE_DIR "/game"));
    w().show();
    click("StaticText1");
    ASSERT_EQ(text("wiclvltext"), "LEVEL 1");
    EXPECT_EQ(text("StaticText7"), "Levelcode: moonlit");
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    EXPECT_TRUE(g().lockedkeys);
    EXPECT_EQ(text("StaticText8"), "Prepare for next level!");
    ASSERT_TRUE(waitFor([&] { return text("wiclvltext") == "LEVEL 2"; }, 4000));
    EXPECT_EQ(text("StaticText7"), "Levelcode: crypt7");
    EXPECT_FALSE(g().lockedkeys);
}

// A next level that is there but cannot be read: a message naming it, then the title.

struct UnreadableNextLevel {
    const char* name;
    void (*make)(const TempTree& tree, const QString& relative);
};

void PrintTo(const UnreadableNextLevel& c, std::ostream* out)
{
    *out << c.name;
}

class AnUnreadableNextLevelInTheWindow : public MainWindow,
                                         public ::testing::WithParamInterface<UnreadableNextLevel> {};

TEST_P(AnUnreadableNextLevelInTheWindow, SaysSoByNameAndReturnsToTheTitleWithoutTheWinText)
{
    addLevel(1, kOnePush);
    GetParam().make(tree, "Levels/Standard/level 02");
    click("StaticText1");
    timer()->setInterval(1);
    key(Qt::Key_Right);
    ASSERT_TRUE(waitFor([&] { return !desktop.messages.isEmpty(); }, 1000));
    EXPECT_EQ(desktop.messages,
              QStringList{"The level could not be loaded: \""
                          + QDir::toNativeSeparators(tree.path("Levels/Standard/level 02")) + "\" could not be read."});
    EXPECT_EQ(geometry("Canvas1"), QRect(0, 0, 590, 600));
    EXPECT_EQ(text("StaticText8"), "");
    EXPECT_EQ(text("wiclvltext"), "");
    EXPECT_EQ(text("StaticText7"), "");
    EXPECT_TRUE(g().victory);
    EXPECT_EQ(g().wichlevel, 1);
}

const UnreadableNextLevel kUnreadableNextLevels[] = {
    {"AFolder", [](const TempTree& tree, const QString& relative) { tree.mkdir(relative); }},
    {"OverTheSizeLimit",
     [](const TempTree& tree, const QString& relative) { tree.writeSparse(relative, fw::kMaxReadBytes + 1); }},
};

INSTANTIATE_TEST_SUITE_P(Kinds, AnUnreadableNextLevelInTheWindow, ::testing::ValuesIn(kUnreadableNextLevels),
                         [](const auto& info) { return std::string(info.param.name); });

// The pause after a win, to the millisecond.

// Waits, without running events, for a moment from which a coarse two-second timer would
// fire a tenth of a second early: Qt moves such a timer's end onto a nearby half second of
// the monotonic clock, up to 5% of its interval either way.
void waitForAMomentThatACoarseTimerWouldCutShort()
{
    using namespace std::chrono;
    const auto phase = [] {
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count() % 500;
    };
    while (phase() < 150 || phase() >= 200)
        std::this_thread::sleep_for(milliseconds(1));
}

TEST_F(MainWindow, TheOldBoardStaysUntilTheFullTwoSecondsHavePassed)
{
    addLevel(1, kOnePush);
    addLevel(2, {"#######", "#@$ . #", "#######"});
    w().show();
    click("StaticText1");
    waitForAMomentThatACoarseTimerWouldCutShort();
    QElapsedTimer sinceWin;
    sinceWin.start();
    key(Qt::Key_Right);
    ASSERT_TRUE(g().lockedkeys);
    const std::string solved = board();

    qint64 oldSeenAt = -1;  // the last look that found the solved level
    qint64 nextSeenAt = -1; // the first look that found it gone
    while (nextSeenAt < 0 && sinceWin.elapsed() < game::kPauseMs + 1500) {
        const bool old = board() == solved && text("wiclvltext") == "LEVEL 1";
        const qint64 at = sinceWin.elapsed(); // taken after the look, so never too early
        if (old)
            oldSeenAt = at;
        else
            nextSeenAt = at;
        QTest::qWait(5);
    }
    EXPECT_GE(oldSeenAt, game::kPauseMs - 100);
    EXPECT_GE(nextSeenAt, game::kPauseMs);
    EXPECT_EQ(text("wiclvltext"), "LEVEL 2");
    EXPECT_EQ(g().kind(13), CellKind::gubb);
}
