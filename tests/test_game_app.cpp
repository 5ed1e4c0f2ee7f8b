// The application object: start-up order, the menu bar, quitting and escaped exceptions.
#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "game/ui/App.h"
#include "game/ui/MenuBar1.h"
#include "game/ui/MenuLabel.h"
#include "game/ui/Window1.h"
#include "game/windows/AboutBox.h"
#include "game/windows/LoadGameWindow.h"
#include "game/windows/SettingsWindow.h"
#include "shared/gui/SingleWindow.h"
#include "tests/support/RecordingDesktop.h"
#include "tests/support/RecordingSoundBank.h"
#include "tests/support/SideWindows.h"
#include "tests/support/TempTree.h"
#include "tests/support/TextLevel.h"
#include "tests/support/WidgetTest.h"

using namespace testsupport;

namespace {

constexpr int kStuck = 99;

class GameApp : public WindowTest {
protected:
    GameApp()
    {
        auto recording = std::make_unique<RecordingSoundBank>();
        sounds = recording.get();
        app = std::make_unique<game::App>(argc, argv, std::move(recording));
        // A loop that nothing ends would hang the test; this ends it with a status of its own.
        QTimer::singleShot(10000, app.get(), [] { QCoreApplication::exit(kStuck); });
    }

    // Runs f inside the event loop once the main window is open, and returns the exit status.
    int runThen(std::function<void()> f)
    {
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, app.get(), [&poll, f = std::move(f)] {
            if (!game::Window1::instance())
                return;
            poll.stop();
            f();
        });
        poll.start(5);
        return app->run();
    }

    TempTree tree;
    RecordingDesktop desktop;
    int argc = 1;
    char name[14] = "test_game_app";
    char* argv[2] = {name, nullptr};
    RecordingSoundBank* sounds = nullptr;
    std::unique_ptr<game::App> app;
};

} // namespace

TEST_F(GameApp, OpenLoadsThePreferencesBeforeTheMainWindowOpens)
{
    tree.write("Levels/Standard/level 01", levelFile({"####", "#@$.", "####"}));
    EXPECT_EQ(&game::App::instance(), app.get());
    EXPECT_EQ(game::Window1::instance(), nullptr);
    EXPECT_EQ(app->butts[game::Up], 0);

    app->Open();
    EXPECT_EQ(tree.read("prefs/Vesperon Preferences"), "30\r31\r28\r29\r32\r114\r1\r1\rStandard\r0\r");
    EXPECT_EQ(app->butts[game::Restart], 114);
    EXPECT_EQ(app->lvlmapp, "Standard");
    game::Window1* window = game::Window1::instance();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->game().victory);
    EXPECT_EQ(sounds->played, std::vector<game::Sound>{game::Sound::ghostly1});
}

TEST_F(GameApp, TheMainWindowPlaysWithTheLoadedSettings)
{
    tree.write("prefs/Vesperon Preferences", "30\r31\r28\r100\r32\r114\r1\r2\rMine\r7\r");
    tree.write("Levels/Mine/level 01", levelFile({"######", "#@ $.#", "######"}));
    app->Open();
    game::Window1* window = game::Window1::instance();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(app->lvlmappantal, "0");
    QTest::mouseClick(window->findChild<game::MenuLabel*>("StaticText1"), Qt::LeftButton);
    ASSERT_FALSE(window->game().victory);
    QTest::keyClick(window, Qt::Key_D);
    QTest::keyClick(window, Qt::Key_D);
    EXPECT_TRUE(window->game().lockedkeys);
    // Sounds are off in that file: the push and the win stay silent.
    EXPECT_EQ(sounds->played, std::vector<game::Sound>{game::Sound::ghostly1});
}

TEST_F(GameApp, ASetWhoseNameHoldsAColonIsChosenPlayedAndFoundByItsCodes)
{
    tree.write("Levels/Standard/level 01", levelFile({"#####", "#@$.#", "#####"}));
    tree.write("Levels/Set: Two/level 01", levelFile({"#####", "#@$.#", "#####"}, "first"));
    tree.write("Levels/Set: Two/level 02", levelFile({"######", "#@ $.#", "######"}, "second"));
    tree.write("Levels/Set: Two/About this set.txt", "three items: two levels");
    app->Open();
    game::Window1* window = game::Window1::instance();
    ASSERT_NE(window, nullptr);
    const auto click = [window](const char* label) {
        QTest::mouseClick(window->findChild<game::MenuLabel*>(label), Qt::LeftButton);
    };
    const auto codeLine = [window] { return window->findChild<QLabel*>("StaticText7")->text().toStdString(); };

    click("StaticText3");
    game::preff* settings = fw::SingleWindow<game::preff>::find();
    ASSERT_NE(settings, nullptr);
    auto* list = settings->findChild<QListWidget*>("ListBox1");
    const auto rows = list->findItems("Set: Two", Qt::MatchExactly);
    ASSERT_EQ(rows.size(), 1);
    const QPoint row = list->visualItemRect(rows.front()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
    EXPECT_EQ(settings->findChild<QLabel*>("antallvltext")->text().toStdString(), "2");
    EXPECT_EQ(desktop.beeps, 0);
    settings->findChild<QPushButton*>("PushButton1")->click();
    EXPECT_EQ(app->lvlmapp, "Set: Two");

    click("StaticText1");
    ASSERT_FALSE(window->game().victory) << window->findChild<QLabel*>("StaticText8")->text().toStdString();
    EXPECT_EQ(codeLine(), "Levelcode: first");

    click("StaticText5");
    click("StaticText6");
    game::Loadgamewindow* load = fw::SingleWindow<game::Loadgamewindow>::find();
    ASSERT_NE(load, nullptr);
    QTest::keyClicks(load->EditField1(), "second");
    QTest::keyClick(load->EditField1(), Qt::Key_Return);
    EXPECT_FALSE(window->game().victory);
    EXPECT_EQ(window->game().wichlevel, 3);
    EXPECT_EQ(codeLine(), "Levelcode: second");
}

TEST_F(GameApp, RunOpensTheMainWindowAndTheQuitLabelEndsItWithStatusZero)
{
    const int status = runThen([] {
        QTest::mouseClick(game::Window1::instance()->findChild<game::MenuLabel*>("StaticText4"), Qt::LeftButton);
    });
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(desktop.messages.isEmpty());
}

TEST_F(GameApp, QuitActsAlsoDuringThePauseAndWritesNothing)
{
    tree.write("Levels/Standard/level 01", levelFile({"#####", "#@$.#", "#####"}));
    const int status = runThen([&] {
        game::Window1* window = game::Window1::instance();
        QTest::mouseClick(window->findChild<game::MenuLabel*>("StaticText1"), Qt::LeftButton);
        QTest::keyClick(window, Qt::Key_Right);
        EXPECT_TRUE(window->game().lockedkeys);
        app->butts[game::Up] = 1; // would show up in the file if quitting saved
        app->MenuBar().Child(QStringLiteral("FileQuit"))->trigger();
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(tree.read("prefs/Vesperon Preferences").substr(0, 3), "30\r");
}

TEST_F(GameApp, AnExceptionThatEscapesAHandlerEndsTheProgramWithAFailureStatus)
{
    const int status = runThen([] {
        QTimer::singleShot(0, qApp, [] { throw std::runtime_error("the floor gave way"); });
    });
    EXPECT_EQ(status, fw::kUnhandledExceptionExit);
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(desktop.messages.front().contains("the floor gave way"));
}

TEST_F(GameApp, TheMenuBarHoldsQuitAndTheEditItemsByName)
{
    struct Item { const char* name; const char* caption; const char* shortcut; };
    const Item file[] = {{"FileQuit", "Quit", "Ctrl+Q"}};
    const Item edit[] = {{"EditUndo", "&Undo", "Ctrl+Z"}, {"UntitledMenu0", "-", ""},
                         {"EditCut", "Cu&t", "Ctrl+X"},   {"EditCopy", "&Copy", "Ctrl+C"},
                         {"EditPaste", "&Paste", "Ctrl+V"}, {"EditClear", "Clear", ""}};
    const auto& menus = app->MenuBar().menus();
    ASSERT_EQ(menus.size(), 2u);
    EXPECT_EQ(menus[0].action->objectName(), "FileMenu");
    EXPECT_EQ(menus[0].action->text(), "&File");
    EXPECT_EQ(menus[1].action->objectName(), "EditMenu");
    EXPECT_EQ(menus[1].action->text(), "&Edit");
    const auto check = [](const QList<QAction*>& items, const auto& table) {
        ASSERT_EQ(items.size(), qsizetype(std::size(table)));
        for (std::size_t i = 0; i < std::size(table); ++i) {
            QAction* item = items[qsizetype(i)];
            EXPECT_EQ(item->objectName(), table[i].name);
            // A separator shows its line, not the "-" it was made from.
            EXPECT_EQ(item->text(), QLatin1String(table[i].caption) == "-" ? "" : table[i].caption);
            EXPECT_EQ(item->shortcut(), QKeySequence(QLatin1String(table[i].shortcut))) << table[i].name;
            EXPECT_TRUE(item->isEnabled());
        }
    };
    check(menus[0].items, file);
    check(menus[1].items, edit);
    EXPECT_TRUE(menus[1].items[1]->isSeparator());
}

TEST_F(GameApp, EditItemsWorkOnAFocusedTextField)
{
    app->Open();
    QLineEdit field;
    field.setText("ghost");
    field.show();
    field.activateWindow();
    field.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&field));
    field.selectAll();
    app->MenuBar().Child(QStringLiteral("EditCut"))->trigger();
    EXPECT_EQ(field.text(), "");
    app->MenuBar().Child(QStringLiteral("EditUndo"))->trigger();
    EXPECT_EQ(field.text(), "ghost");
}

TEST_F(GameApp, DeclaresItsTwoFileTypesByName)
{
    ASSERT_EQ(app->fileTypes().size(), 2u);
    EXPECT_EQ(app->fileTypes()[0].Name, "text");
    EXPECT_EQ(app->fileTypes()[0].MacType, "TEXT");
    EXPECT_EQ(app->fileTypes()[1].Name, "special/folder");
    EXPECT_EQ(app->fileTypes()[1].MacType, "fold");
}

TEST_F(GameApp, TheLabelsOpenTheirWindowsAndClosingThemShowsTheMainWindowAgain)
{
    tree.write("Levels/Standard/level 01", levelFile({"#####", "#@$.#", "#####"}, "crypt"));
    tree.write("Levels/Standard/About this set.txt", "two items: one level");
    const int status = runThen([] {
        game::Window1* window = game::Window1::instance();
        const auto click = [window](const char* label) {
            QTest::mouseClick(window->findChild<game::MenuLabel*>(label), Qt::LeftButton);
        };
        click("StaticText3");
        game::preff* settings = fw::SingleWindow<game::preff>::find();
        EXPECT_NE(settings, nullptr);
        EXPECT_FALSE(window->isVisible());
        settings->close();
        EXPECT_TRUE(window->isVisible());

        click("StaticText2");
        game::about* box = fw::SingleWindow<game::about>::find();
        EXPECT_NE(box, nullptr);
        box->close();
        EXPECT_TRUE(window->isVisible());

        click("StaticText6");
        game::Loadgamewindow* load = fw::SingleWindow<game::Loadgamewindow>::find();
        EXPECT_NE(load, nullptr);
        QTest::keyClicks(load->EditField1(), "crypt");
        QTest::keyClick(load->EditField1(), Qt::Key_Return);
        EXPECT_TRUE(window->isVisible());
        EXPECT_FALSE(window->game().victory);
        EXPECT_EQ(window->game().wichlevel, 2);
        QCoreApplication::exit(0);
    });
    EXPECT_EQ(status, 0);
}

TEST_F(GameApp, QuittingWithASideWindowOpenEndsItWithTheApplication)
{
    const int status = runThen([] {
        QTest::mouseClick(game::Window1::instance()->findChild<game::MenuLabel*>("StaticText3"), Qt::LeftButton);
        QCoreApplication::exit(0);
    });
    EXPECT_EQ(status, 0);
    ASSERT_NE(fw::SingleWindow<game::preff>::find(), nullptr);
    app.reset();
    // The settings window reads the settings that the application object held.
    EXPECT_EQ(fw::SingleWindow<game::preff>::find(), nullptr);
    EXPECT_EQ(game::Window1::instance(), nullptr);
}

TEST_F(GameApp, AFirstRunWhoseDefaultsCannotBeWrittenSaysSoOverTheMainWindowAndPlaysWithThem)
{
    // A plain file where the preferences folder belongs: nothing can be made below it.
    ASSERT_TRUE(QDir(tree.prefsFolder()).removeRecursively());
    tree.write("prefs", "");
    app->Open();
    game::Window1* window = game::Window1::instance();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(desktop.messages,
              QStringList{"The settings were not saved: \""
                          + QDir::toNativeSeparators(tree.path("prefs/Vesperon Preferences"))
                          + "\" could not be written. They stay in effect until the game quits."});
    EXPECT_EQ(app->butts[game::Restart], 114);
    EXPECT_EQ(app->lvlmapp, "Standard");
}

TEST_F(GameApp, AFolderInThePreferencesFilesPlaceSaysSoAndTheGamePlaysOnTheDefaults)
{
    const QString prefs = tree.path("prefs/Vesperon Preferences");
    tree.mkdir("prefs/Vesperon Preferences");
    tree.write("Levels/Standard/level 01", levelFile({"######", "#@ $.#", "######"}));
    tree.write("Levels/Standard/level 02", levelFile({"####", "#@ #", "####"}));
    app->Open();
    game::Window1* window = game::Window1::instance();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(desktop.messages,
              QStringList{"The settings were not loaded: \"" + QDir::toNativeSeparators(prefs)
                          + "\" could not be read or written. The default settings are in effect until "
                            "the game quits."});

    QTest::mouseClick(window->findChild<game::MenuLabel*>("StaticText1"), Qt::LeftButton);
    ASSERT_FALSE(window->game().victory) << "New Game starts the Standard set";
    QTest::keyClick(window, Qt::Key_Right);
    QTest::keyClick(window, Qt::Key_Right);
    EXPECT_TRUE(window->game().lockedkeys) << "the arrow keys play";
    EXPECT_TRUE(QFileInfo(prefs).isDir());
}

namespace {

// The real message box, on a platform where it shows nothing: whether its parent window
// stood on the screen once the box came.
class ExposureDesktop : public RecordingDesktop {
public:
    void msgBox(QWidget* parent, const QString& text) override
    {
        fw::Desktop::msgBox(parent, text);
        RecordingDesktop::msgBox(parent, text);
        QWindow* handle = parent ? parent->window()->windowHandle() : nullptr;
        parentExposed.append(handle && handle->isExposed());
        parents.append(parent ? parent->window() : nullptr);
    }

    QList<bool> parentExposed;
    QList<QWidget*> parents;
};

} // namespace

TEST_F(GameApp, TheStartUpMessageWaitsUntilTheMainWindowStandsOnTheScreen)
{
    ASSERT_TRUE(QDir(tree.prefsFolder()).removeRecursively());
    tree.write("prefs", "");
    ExposureDesktop exposure;
    app->Open();
    ASSERT_EQ(exposure.messages.size(), 1);
    EXPECT_EQ(exposure.parentExposed, QList<bool>{true});
}

TEST_F(GameApp, SettingsTellsOfAMissingLevelFolderOnceItStandsOnTheScreen)
{
    ExposureDesktop exposure;
    app->Open();
    QDir(tree.path("Levels")).removeRecursively();
    game::Window1* window = game::Window1::instance();
    ASSERT_NE(window, nullptr);
    QTest::mouseClick(window->findChild<game::MenuLabel*>("StaticText3"), Qt::LeftButton);
    game::preff* settings = fw::SingleWindow<game::preff>::find();
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(exposure.messages, QStringList{"Can't finde any levels!"});
    EXPECT_EQ(exposure.parents, QList<QWidget*>{settings});
    EXPECT_EQ(exposure.parentExposed, QList<bool>{true});
    settings->close();
}

TEST_F(GameApp, AnEmptySetNameInThePreferencesNamesNoSet)
{
    tree.write("prefs/Vesperon Preferences", "30\r31\r28\r29\r32\r114\r1\r1\r\r2\r");
    tree.write("Levels/Standard/level 01", levelFile({"#####", "#@$.#", "#####"}));
    app->Open();
    game::Window1* window = game::Window1::instance();
    ASSERT_NE(window, nullptr);
    QTest::mouseClick(window->findChild<game::MenuLabel*>("StaticText1"), Qt::LeftButton);
    EXPECT_EQ(desktop.messages, QStringList{"Can't finde any levels!"});
    EXPECT_TRUE(window->game().victory);
    EXPECT_EQ(window->findChild<QWidget*>("Canvas1")->geometry(), QRect(0, 0, 590, 600));
    EXPECT_EQ(window->findChild<QLabel*>("StaticText8")->text().toStdString(), "");

    QTest::mouseClick(window->findChild<game::MenuLabel*>("StaticText3"), Qt::LeftButton);
    game::preff* settings = fw::SingleWindow<game::preff>::find();
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(settings->findChild<QLabel*>("valavleveltxt")->text().toStdString(), "");
    EXPECT_EQ(settings->findChild<QLabel*>("antallvltext")->text().toStdString(), "");
    settings->close();
}

namespace {

// Stands in for a window manager that places a window anew when it shows again, unless the
// program asks for a place: the hidden main window is carried off to where one put it.
class Displacer : public QObject {
public:
    static constexpr QPoint kElsewhere{555, 20};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide)
            static_cast<QWidget*>(watched)->move(kElsewhere);
        return false;
    }
};

} // namespace

TEST_F(GameApp, EachSideWindowOpensCentredOnTheMainWindowWhichComesBackWhereItWas)
{
    // A different place of the main window for each side window, each with the side window
    // centred on it inside the screen.
    const QPoint places[] = {{62, 107}, {0, 80}, {31, 5}};
    tree.write("Levels/Standard/level 01", levelFile({"#####", "#@$.#", "#####"}));
    app->Open();
    game::Window1& window = *game::Window1::instance();
    Displacer displacer;
    window.installEventFilter(&displacer);
    for (std::size_t i = 0; i < std::size(kSideWindows); ++i) {
        const SideWindowLabel& side = kSideWindows[i];
        const QPoint mainPlace = places[i];
        SCOPED_TRACE(side.label);
        window.move(mainPlace);
        ASSERT_TRUE(waitUntil([&] { return window.pos() == mainPlace; }));
        const QRect place = window.frameGeometry();
        ASSERT_TRUE(window.screen()->availableGeometry().contains(place));
        QTest::mouseClick(window.findChild<game::MenuLabel*>(side.label), Qt::LeftButton);
        QWidget* open = side.find();
        ASSERT_NE(open, nullptr);
        ASSERT_FALSE(window.isVisible());
        ASSERT_EQ(window.pos(), Displacer::kElsewhere);
        EXPECT_TRUE(waitUntil([&] { return open->isVisible(); }));
        const QPoint centre = open->frameGeometry().center();
        EXPECT_EQ(centre, place.center()) << "centred on " << centre.x() << "," << centre.y();
        open->close();
        EXPECT_TRUE(window.isVisible());
        EXPECT_TRUE(waitUntil([&] { return window.pos() == mainPlace; }))
            << "the main window came back at " << window.pos().x() << "," << window.pos().y();
        flushDeletes();
    }
}

TEST_F(GameApp, ASideWindowOfAMainWindowPartlyOffTheScreenStandsWhollyOnIt)
{
    tree.write("Levels/Standard/level 01", levelFile({"#####", "#@$.#", "#####"}));
    app->Open();
    game::Window1& window = *game::Window1::instance();
    const QRect area = window.screen()->availableGeometry();
    const QSize size = window.frameGeometry().size();
    struct Off {
        const char* edge;
        QPoint place; // of the main window's frame
    };
    const Off offs[] = {
        {"left", {area.left() - size.width() / 2, area.top() + 20}},
        {"right", {area.right() - size.width() / 3, area.top() + 20}},
        {"top", {area.left() + 10, area.top() - size.height() + 80}},
        {"bottom", {area.left() + 10, area.bottom() - 60}},
        {"top left", {area.left() - size.width() + 50, area.top() - size.height() + 50}},
        {"bottom right", {area.right() - 50, area.bottom() - 50}},
    };
    for (const Off& off : offs) {
        for (const SideWindowLabel& side : kSideWindows) {
            SCOPED_TRACE(std::string(side.label) + " off the " + off.edge);
            window.move(off.place);
            ASSERT_TRUE(waitUntil([&] { return window.frameGeometry().topLeft() == off.place; }));
            QTest::mouseClick(window.findChild<game::MenuLabel*>(side.label), Qt::LeftButton);
            QWidget* open = side.find();
            ASSERT_NE(open, nullptr);
            EXPECT_TRUE(waitUntil([&] { return open->isVisible(); }));
            const QRect frame = open->frameGeometry();
            EXPECT_TRUE(area.contains(frame)) << "the frame stands at " << frame.x() << "," << frame.y() << " "
                                              << frame.width() << "x" << frame.height();
            open->close();
            ASSERT_TRUE(window.isVisible());
            flushDeletes();
        }
    }
}

TEST_F(GameApp, ASideWindowThatComesOutLowerThanReckonedMovesOnTheScreenOnceShown)
{
    tree.write("Levels/Standard/level 01", levelFile({"#####", "#@$.#", "#####"}));
    app->Open();
    game::Window1& window = *game::Window1::instance();
    const QRect area = window.screen()->availableGeometry();
    QTest::mouseClick(window.findChild<game::MenuLabel*>("StaticText2"), Qt::LeftButton);
    QWidget* open = fw::SingleWindow<game::about>::find();
    ASSERT_NE(open, nullptr);
    ASSERT_FALSE(open->windowHandle()->isExposed());
    // As a window manager would show it whose frame is deeper than the main window's.
    open->move(open->frameGeometry().left(), area.bottom() - open->frameGeometry().height() + 5);
    EXPECT_TRUE(waitUntil([&] { return area.contains(open->frameGeometry()); }))
        << "the frame stands at " << open->frameGeometry().x() << "," << open->frameGeometry().y();
    open->close();
}
