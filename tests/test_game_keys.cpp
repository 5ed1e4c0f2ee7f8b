// Keys across the game's windows: any character can be bound and played, the menu
// shortcuts act in every window, and no button takes a key.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "game/ui/App.h"
#include "game/ui/MenuLabel.h"
#include "game/ui/Window1.h"
#include "game/windows/AboutBox.h"
#include "game/windows/LoadGameWindow.h"
#include "game/windows/SettingsWindow.h"
#include "shared/fw/Text.h"
#include "shared/gui/KeyText.h"
#include "shared/gui/SingleWindow.h"
#include "tests/support/RecordingDesktop.h"
#include "tests/support/RecordingSoundBank.h"
#include "tests/support/SideWindows.h"
#include "tests/support/TempTree.h"
#include "tests/support/TextLevel.h"
#include "tests/support/WidgetTest.h"
#include "tests/support/X11Keys.h"

using namespace testsupport;

namespace {

const QString kPrefs = QStringLiteral("prefs/Vesperon Preferences");
// Exit statuses of our own, for a loop that Quit did not end.
constexpr int kStuck = 99;
constexpr int kStillRunning = 5;

// The key a keyboard layout reports beside a one-character text: its capital letter.
Qt::Key keyFor(const QString& text)
{
    if (text == QLatin1String("\r"))
        return Qt::Key_Return;
    return text.size() == 1 ? Qt::Key(text.at(0).toUpper().unicode()) : Qt::Key_unknown;
}

// A key as the platform delivers it: to the window, then to whatever holds the keyboard.
void press(QWidget* window, const QString& text)
{
    QTest::sendKeyEvent(QTest::Click, window->windowHandle(), keyFor(text), text, Qt::NoModifier);
}

void bringToFront(QWidget* window)
{
    window->raise();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

class GameKeys : public WindowTest {
protected:
    GameKeys()
    {
        tree.write("Levels/Standard/level 01", levelFile({"#######", "#@  $.#", "#######"}));
        app = std::make_unique<game::App>(argc, argv, std::make_unique<RecordingSoundBank>());
        // A loop that nothing ends would hang the test; this ends it with a status of its own.
        QTimer::singleShot(10000, app.get(), [] { QCoreApplication::exit(kStuck); });
    }

    static game::Window1& main() { return *game::Window1::instance(); }
    static game::Game& g() { return main().game(); }
    static void click(const char* label)
    {
        QTest::mouseClick(main().findChild<game::MenuLabel*>(label), Qt::LeftButton);
    }
    static game::preff& openSettings()
    {
        click("StaticText3");
        return *fw::SingleWindow<game::preff>::find();
    }

    TempTree tree;
    RecordingDesktop desktop;
    int argc = 1;
    char name[15] = "test_game_keys";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<game::App> app;
};

} // namespace

// Each key is bound to "Right:" in the settings window, saved, read back from the file,
// and pressed in a level. A second character whose text starts with the same bytes or the
// same UTF-16 unit goes to "Return:" (undo), and must neither share the code nor move.
TEST_F(GameKeys, AnyCharacterIsBoundByItsCodePointAndPlays)
{
    struct Binding {
        QString text;
        std::int32_t code;
        QString shown;
        QString sibling;
        std::int32_t siblingCode;
    };
    const Binding bindings[] = {
        {QString::fromUtf8("ж"), 1078, QString::fromUtf8("ж"), QString::fromUtf8("в"), 1074},
        {QString::fromUtf8("α"), 945, QString::fromUtf8("α"), QString::fromUtf8("β"), 946},
        {QString::fromUtf8("€"), 8364, QString::fromUtf8("€"), QString::fromUtf8("‚"), 8218},
        {QString::fromUtf8("é"), 233, QString::fromUtf8("é"), QString::fromUtf8("è"), 232},
        {QStringLiteral("d"), 100, QStringLiteral("d"), QStringLiteral("D"), 68},
        {QStringLiteral("\r"), 13, QStringLiteral("Enter"), {}, 0},
        // Outside the basic plane: a surrogate pair is one character.
        {QString::fromUtf8("𝄞"), 0x1D11E, QString::fromUtf8("𝄞"), QString::fromUtf8("𝄟"), 0x1D11F},
    };
    app->Open();
    for (const Binding& b : bindings) {
        SCOPED_TRACE(b.code);
        click("StaticText5"); // End Game: the windows open only while no game runs
        game::preff& settings = openSettings();
        QTest::mouseClick(settings.t(game::Right), Qt::LeftButton);
        press(&settings, b.text);
        EXPECT_EQ(settings.t(game::Right)->text(), b.shown);
        if (!b.sibling.isEmpty()) {
            press(&settings, b.sibling);
            EXPECT_EQ(settings.t(game::Undo)->text(), b.sibling);
        }
        settings.findChild<QPushButton*>("PushButton1")->click();
        flushDeletes();

        const std::string file = tree.read(kPrefs);
        EXPECT_EQ(fw::NthField(file, "\r", 4), fw::Str(b.code));
        if (!b.sibling.isEmpty()) {
            EXPECT_EQ(fw::NthField(file, "\r", 5), fw::Str(b.siblingCode));
        }
        app->butts = {};
        app->loadprefs();
        ASSERT_EQ(app->butts[game::Right], b.code);

        click("StaticText1");
        ASSERT_FALSE(g().victory);
        const std::int32_t start = g().gubbpos;
        if (!b.sibling.isEmpty()) {
            press(&main(), b.sibling);
            EXPECT_EQ(g().gubbpos, start) << "the other character moved the player";
        }
        press(&main(), b.text);
        EXPECT_EQ(g().gubbpos, start + 1);
        EXPECT_EQ(g().kind(g().gubbpos), level::CellKind::gubb3);
    }
}

TEST_F(GameKeys, ACodeFromThePreferencesFileShowsItsWholeCharacter)
{
    tree.write(kPrefs, "30\r31\r1078\r8364\r119070\r233\r1\r1\rStandard\r0\r");
    app->Open();
    game::preff& settings = openSettings();
    EXPECT_EQ(settings.t(game::Left)->text(), QString::fromUtf8("ж"));
    EXPECT_EQ(settings.t(game::Right)->text(), QString::fromUtf8("€"));
    EXPECT_EQ(settings.t(game::Undo)->text(), QString::fromUtf8("𝄞"));
    EXPECT_EQ(settings.t(game::Restart)->text(), QString::fromUtf8("é"));
}

TEST(KeyCode, IsTheCodeOfTheFirstCharacterOfTheKeysText)
{
    struct Case {
        int key;
        QString text;
        std::int32_t code;
    };
    const Case cases[] = {
        {Qt::Key_Left, {}, 28},
        {Qt::Key_Enter, QStringLiteral("\r"), 13},
        {Qt::Key_Eacute, QString::fromUtf8("é"), 233},
        {Qt::Key_unknown, QString::fromUtf8("жx"), 1078},
        {Qt::Key_unknown, QString::fromUtf8("𝄞x"), 0x1D11E},
        {Qt::Key_F1, {}, 0},
    };
    for (const Case& c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.key, Qt::NoModifier, c.text);
        EXPECT_EQ(fw::keyCode(event), c.code) << c.text.toStdString();
    }
}

// Ctrl+Q, pressed as a key in each of the game's windows, ends the event loop.
class QuitShortcut : public GameKeys, public ::testing::WithParamInterface<const char*> {
protected:
    // The window that the label opens, or the main window for none.
    QWidget* front()
    {
        const std::string label = GetParam();
        if (label.empty())
            return &main();
        click(GetParam());
        if (label == "StaticText3")
            return fw::SingleWindow<game::preff>::find();
        if (label == "StaticText6")
            return fw::SingleWindow<game::Loadgamewindow>::find();
        return fw::SingleWindow<game::about>::find();
    }
};

TEST_P(QuitShortcut, EndsTheEventLoopFromEveryWindow)
{
    app->Open();
    QWidget* window = front();
    ASSERT_NE(window, nullptr);
    bringToFront(window);
    QTest::keyClick(window, Qt::Key_Q, Qt::ControlModifier);
    QTimer::singleShot(1000, app.get(), [] { QCoreApplication::exit(kStillRunning); });
    EXPECT_EQ(app->exec(), 0);
}

INSTANTIATE_TEST_SUITE_P(Windows, QuitShortcut, ::testing::Values("", "StaticText3", "StaticText6", "StaticText2"),
                         [](const auto& info) {
                             const std::string label = info.param;
                             return label.empty()            ? "MainWindow"
                                 : label == "StaticText3" ? "Settings"
                                 : label == "StaticText6" ? "LoadGame"
                                                          : "About";
                         });

TEST_F(GameKeys, AWaitingKeyFieldTakesCtrlQInsteadOfQuitting)
{
    app->Open();
    game::preff& settings = openSettings();
    bringToFront(&settings);
    QTest::mouseClick(settings.t(game::Restart), Qt::LeftButton);
    QTest::keyClick(&settings, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(settings.vilkenknapp(), 0) << "the key went to the field";
    EXPECT_NE(settings.dontsavebutts()[game::Restart], 0);
    QTimer::singleShot(300, app.get(), [] { QCoreApplication::exit(kStillRunning); });
    EXPECT_EQ(app->exec(), kStillRunning);
}

// Space and Return would press a button that holds the focus; the game's buttons never
// hold it, so the windows stay open (Return in Load Game presses "Ok", which only says
// "Invalid code" for the empty field).
TEST_F(GameKeys, NoButtonTakesTheFocusSoSpaceAndReturnCloseNoWindow)
{
    app->Open();
    for (QPushButton* button : main().findChildren<QPushButton*>())
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus) << button->objectName().toStdString();
    for (const SideWindowLabel& side : kSideWindows) {
        SCOPED_TRACE(side.label);
        click(side.label);
        QPointer<QWidget> window = side.find();
        ASSERT_NE(window, nullptr);
        bringToFront(window);
        for (QPushButton* button : window->findChildren<QPushButton*>())
            EXPECT_EQ(button->focusPolicy(), Qt::NoFocus) << button->objectName().toStdString();
        for (const char* key : {" ", "\r"}) {
            press(window, QLatin1String(key));
            flushDeletes();
            ASSERT_TRUE(window && window->isVisible()) << "closed by " << int(key[0]);
        }
        window->close();
        flushDeletes();
    }
}

// The Edit items' shortcuts stand in every window too, but a focused text field keeps its
// own: Ctrl+V pastes into Load Game's field and Ctrl+Z takes the paste back.
TEST_F(GameKeys, TheLoadGameFieldKeepsItsOwnPasteAndUndo)
{
    app->Open();
    click("StaticText6");
    auto* window = fw::SingleWindow<game::Loadgamewindow>::find();
    ASSERT_NE(window, nullptr);
    bringToFront(window);
    QLineEdit* field = window->EditField1();
    field->setFocus();
    QGuiApplication::clipboard()->setText(QStringLiteral("moonlit"));
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text(), QStringLiteral("moonlit"));
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field->text(), QString());
}

namespace {

// A lone Alt, pressed and released. Qt gives the press the Alt modifier of its own key, as
// a keyboard does.
void tapAlt(QWidget* window)
{
    QTest::keyPress(window->windowHandle(), Qt::Key_Alt);
    QTest::keyRelease(window->windowHandle(), Qt::Key_Alt);
}

} // namespace

// Some styles let a lone Alt move the keyboard into the menu bar without showing it; in
// the game the arrows must still move the player, the menus still open with the mouse,
// and the menu shortcuts still act.
TEST_F(GameKeys, ALoneAltLeavesTheKeysWithTheGame)
{
    app->Open();
    bringToFront(&main());
    click("StaticText1");
    ASSERT_FALSE(g().victory);
    const std::int32_t start = g().gubbpos;
    tapAlt(&main());
    EXPECT_NE(QApplication::focusWidget(), main().menuBar()) << "the menu bar took the keyboard";
    QTest::keyClick(main().windowHandle(), Qt::Key_Right);
    EXPECT_EQ(g().gubbpos, start + 1);
    QTest::keyClick(main().windowHandle(), Qt::Key_Down);
    for (const QMenu* menu : main().menuBar()->findChildren<QMenu*>())
        EXPECT_FALSE(menu->isVisible()) << "Down opened " << menu->objectName().toStdString();

    QMenuBar* bar = main().menuBar();
    QAction* file = bar->actions().value(0);
    ASSERT_NE(file, nullptr);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(file).center());
    ASSERT_TRUE(waitUntil([file] { return file->menu()->isVisible(); })) << "the File menu did not open";
    file->menu()->close();

    bringToFront(&main());
    tapAlt(&main());
    QTest::keyClick(&main(), Qt::Key_Q, Qt::ControlModifier);
    QTimer::singleShot(1000, app.get(), [] { QCoreApplication::exit(kStillRunning); });
    EXPECT_EQ(app->exec(), 0) << "Ctrl+Q did not quit";
}

// Ctrl+Q held down on "Restart Level:": the first press is captured and ends the capture,
// and the repeats that follow neither fill a field nor quit.
TEST_F(GameKeys, CtrlQHeldOnTheLastKeyFieldIsCapturedOnceAndDoesNotQuit)
{
    app->Open();
    game::preff& settings = openSettings();
    bringToFront(&settings);
    QTest::mouseClick(settings.t(game::Restart), Qt::LeftButton);
    QTest::keyPress(&settings, Qt::Key_Q, Qt::ControlModifier);
    ASSERT_EQ(settings.vilkenknapp(), 0);
    for (int i = 0; i < 5; ++i)
        QTest::simulateEvent(&settings, true, Qt::Key_Q, Qt::ControlModifier, QStringLiteral("q"), true);
    QTest::keyRelease(&settings, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(settings.dontsavebutts()[game::Restart], 'q');
    QTimer::singleShot(300, app.get(), [] { QCoreApplication::exit(kStillRunning); });
    EXPECT_EQ(app->exec(), kStillRunning);
}

// The same under X11, whose repeats are a release and a press at one time, often unmarked:
// none of them may reach Quit.
TEST_F(GameKeys, CtrlQHeldOnTheLastKeyFieldAsX11GivesItIsCapturedOnceAndDoesNotQuit)
{
    app->Open();
    game::preff& settings = openSettings();
    bringToFront(&settings);
    QTest::mouseClick(settings.t(game::Restart), Qt::LeftButton);
    sendX11Key(&settings, true, Qt::Key_Control, Qt::ControlModifier, {}, 37);
    holdX11Key(&settings, Qt::Key_Q, Qt::ControlModifier, QStringLiteral("q"), 24, 20);
    sendX11Key(&settings, false, Qt::Key_Control, Qt::NoModifier, {}, 37);
    EXPECT_EQ(settings.vilkenknapp(), 0);
    EXPECT_EQ(settings.dontsavebutts()[game::Restart], 'q');
    QTimer::singleShot(300, app.get(), [] { QCoreApplication::exit(kStillRunning); });
    EXPECT_EQ(app->exec(), kStillRunning);
}
