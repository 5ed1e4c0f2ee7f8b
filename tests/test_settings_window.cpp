// The settings window: key capture, the level sets, saving and cancelling.
#include <gtest/gtest.h>

#include <cstdlib>

#include <unistd.h>

#include <QCheckBox>
#include <QDir>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include "game/windows/SettingsWindow.h"
#include "shared/gui/SingleWindow.h"
#include "tests/support/ControlTable.h"
#include "tests/support/RecordingDesktop.h"
#include "tests/support/TempTree.h"
#include "tests/support/WidgetTest.h"
#include "tests/support/X11Keys.h"

using game::preff;
using testsupport::RecordingDesktop;
using testsupport::TempTree;

namespace {

const QString kPrefs = QStringLiteral("prefs/Vesperon Preferences");
const QColor kRed(225, 0, 0);

using Butts = std::array<std::int32_t, 7>;
const Butts kDefaultButts{0, 30, 31, 28, 29, 32, 114};

void addItems(const TempTree& tree, const QString& set, int n)
{
    tree.mkdir("Levels/" + set);
    for (int i = 1; i <= n; ++i)
        tree.write(QString("Levels/%1/item %2").arg(set).arg(i), "");
}

QColor colourOf(const QWidget* widget)
{
    return widget->palette().color(QPalette::WindowText);
}

// The colour of a check box's caption as the window draws it: inside the caption, the
// pixel that stands furthest from the window's grey.
QColor captionInk(preff& window, const char* name)
{
    const auto* box = window.findChild<QCheckBox*>(name);
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    const QRect caption = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
    const QImage image = window.grab().toImage();
    const qreal scale = image.devicePixelRatio();
    const QRect area = QRectF(QPointF(box->mapTo(&window, caption.topLeft())) * scale, QSizeF(caption.size()) * scale)
                           .toAlignedRect()
                           .intersected(image.rect());
    const QColor grey = window.palette().color(QPalette::Window);
    const auto distance = [&](QColor c) {
        return std::abs(c.red() - grey.red()) + std::abs(c.green() - grey.green()) + std::abs(c.blue() - grey.blue());
    };
    QColor ink = grey;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (distance(pixel) > distance(ink))
                ink = pixel;
        }
    }
    return ink;
}

class SettingsWindow : public testsupport::WidgetTest {
protected:
    SettingsWindow()
    {
        addItems(tree, "Standard", 11);
        app.butts = kDefaultButts;
        app.soundON = true;
        app.musicON = true;
        app.lvlmapp = "Standard";
        app.lvlmappantal = "10";
        app.saveprefs();
        mainWindow.show();
    }

    preff& open() { return game::showSettings(app, &mainWindow); }

    static bool isOpen() { return fw::SingleWindow<preff>::find() != nullptr; }

    // Keys go in as a person's would: to the window, through Qt's delivery to the widget
    // that holds the keyboard.
    static void press(preff& window, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(window.windowHandle(), key, modifiers);
    }
    static void type(preff& window, char character)
    {
        QTest::keyClick(window.windowHandle(), character);
    }

    static QListWidget* list(preff& window) { return window.findChild<QListWidget*>("ListBox1"); }
    static QString text(preff& window, const char* name) { return window.findChild<QLabel*>(name)->text(); }
    static void click(preff& window, const char* button) { window.findChild<QPushButton*>(button)->click(); }

    static void doubleClickRow(preff& window, const QString& name)
    {
        QListWidget* rows = list(window);
        const auto found = rows->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        // A double-click is a press and release followed by the second press.
        const QPoint row = rows->visualItemRect(found.front()).center();
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, row);
        QTest::mouseDClick(rows->viewport(), Qt::LeftButton, {}, row);
    }

    TempTree tree;
    RecordingDesktop desktop;
    game::Preferences app;
    QWidget mainWindow;
};

} // namespace

TEST_F(SettingsWindow, OpeningShowsTheSettingsAndHidesTheMainWindow)
{
    preff& window = open();
    const char* expected[] = {"", "Up Arrow", "Down Arrow", "Left Arrow", "Right Arrow", "Space", "r"};
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(window.t(i)->text(), QString::fromLatin1(expected[i])) << i;
        EXPECT_EQ(colourOf(window.t(i)), QColor(Qt::black)) << i;
    }
    EXPECT_TRUE(window.findChild<QCheckBox*>("soundbox")->isChecked());
    EXPECT_TRUE(window.findChild<QCheckBox*>("soundbox")->isEnabled());
    EXPECT_TRUE(window.findChild<QCheckBox*>("musicbox")->isChecked());
    EXPECT_FALSE(window.findChild<QCheckBox*>("musicbox")->isEnabled());
    EXPECT_FALSE(window.findChild<QCheckBox*>("CheckBox1")->isEnabled());
    EXPECT_EQ(text(window, "valavleveltxt"), "Standard");
    EXPECT_EQ(text(window, "antallvltext"), "10");
    EXPECT_FALSE(window.findChild<QLabel*>("downloadtxt")->isVisibleTo(&window));
    EXPECT_TRUE(list(window)->isEnabled());
    EXPECT_EQ(window.vilkenknapp(), 0);
    EXPECT_EQ(window.size(), QSize(693, 319));
    EXPECT_TRUE(window.windowTitle().isEmpty());
    EXPECT_FALSE(mainWindow.isVisible());
}

TEST_F(SettingsWindow, TheDisabledBoxesAreDrawnGreyedAsQtDrawsADisabledControl)
{
    preff& window = open();
    const QColor enabled = captionInk(window, "soundbox");
    // The greyed text that Qt gives a disabled control.
    const QColor disabled = QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
    ASSERT_LT(enabled.lightness(), 40) << "the enabled caption is black";
    ASSERT_GT(disabled.lightness(), enabled.lightness() + 60);
    for (const char* name : {"musicbox", "CheckBox1"}) {
        const QColor ink = captionInk(window, name);
        EXPECT_NEAR(ink.lightness(), disabled.lightness(), 25) << name << " " << ink.name().toStdString();
    }
}

TEST_F(SettingsWindow, CodesOutsideTheNameTableShowTheirCharacter)
{
    app.butts = {0, 97, 82, 0, 9, 8, 13};
    preff& window = open();
    const char* expected[] = {"", "a", "R", "", "Tab", "Backspace", "Enter"};
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(window.t(i)->text(), QString::fromLatin1(expected[i])) << i;
}

TEST_F(SettingsWindow, KeysFromLeftFillTheFieldsInTurnAndSaveStoresThem)
{
    preff& window = open();
    QTest::mouseClick(window.t(3), Qt::LeftButton);
    EXPECT_EQ(window.vilkenknapp(), 3);
    EXPECT_EQ(colourOf(window.t(3)), kRed);
    EXPECT_FALSE(list(window)->isEnabled());

    type(window, 'a');
    EXPECT_EQ(colourOf(window.t(3)), QColor(Qt::black));
    EXPECT_EQ(colourOf(window.t(4)), kRed);
    EXPECT_FALSE(list(window)->isEnabled());
    type(window, 's');
    type(window, 'd');
    type(window, 'f');

    EXPECT_EQ(window.t(3)->text(), "a");
    EXPECT_EQ(window.t(4)->text(), "s");
    EXPECT_EQ(window.t(5)->text(), "d");
    EXPECT_EQ(window.t(6)->text(), "f");
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(colourOf(window.t(i)), QColor(Qt::black)) << i;
    EXPECT_EQ(window.vilkenknapp(), 0);
    EXPECT_TRUE(list(window)->isEnabled());
    EXPECT_EQ(app.butts, kDefaultButts) << "captured keys stay in the window until save";

    click(window, "PushButton1");
    EXPECT_EQ(app.butts, (Butts{0, 30, 31, 97, 115, 100, 102}));
    EXPECT_EQ(tree.read(kPrefs), "30\r31\r97\r115\r100\r102\r1\r1\rStandard\r10\r");
    EXPECT_FALSE(isOpen() && fw::SingleWindow<preff>::find()->isVisible());
    EXPECT_TRUE(mainWindow.isVisible());
}

TEST_F(SettingsWindow, EveryKeyIsCapturedWithItsName)
{
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QString shown;
        std::int32_t stored;
    };
    const Case cases[] = {
        {Qt::Key_Return, {}, "Enter", 13},
        {Qt::Key_Enter, Qt::KeypadModifier, "Enter", 13},
        {Qt::Key_Escape, {}, QString(QChar(27)), 27},
        {Qt::Key_Tab, {}, "Tab", 9},
        {Qt::Key_Backspace, {}, "Backspace", 8},
        {Qt::Key_Space, {}, "Space", 32},
        {Qt::Key_Left, {}, "Left Arrow", 28},
        {Qt::Key_Right, {}, "Right Arrow", 29},
        {Qt::Key_Up, {}, "Up Arrow", 30},
        {Qt::Key_Down, {}, "Down Arrow", 31},
    };
    for (const Case& c : cases) {
        preff& window = open();
        QWidget* focusBefore = QApplication::focusWidget();
        QTest::mouseClick(window.t(5), Qt::LeftButton);
        press(window, c.key, c.modifiers);
        EXPECT_EQ(window.t(5)->text(), c.shown) << c.stored;
        EXPECT_EQ(window.dontsavebutts()[5], c.stored);
        EXPECT_EQ(window.vilkenknapp(), 6) << "the wait moves on to the next field, not the focus";
        EXPECT_EQ(QApplication::focusWidget(), focusBefore) << c.stored;
        EXPECT_TRUE(isOpen()) << "no key closes the window: " << c.stored;
        click(window, "PushButton1");
        EXPECT_EQ(app.butts[5], c.stored);
        testsupport::flushDeletes();
    }
}

TEST_F(SettingsWindow, ShiftAloneIsNoKeyAndLettersKeepTheirCase)
{
    preff& window = open();
    QTest::mouseClick(window.t(5), Qt::LeftButton);
    press(window, Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_EQ(window.vilkenknapp(), 5);
    QTest::keyClick(window.windowHandle(), 'R', Qt::ShiftModifier);
    type(window, 'r');
    EXPECT_EQ(window.t(5)->text(), "R");
    EXPECT_EQ(window.t(6)->text(), "r");
    click(window, "PushButton1");
    EXPECT_EQ(app.butts, (Butts{0, 30, 31, 28, 29, 82, 114}));
}

TEST_F(SettingsWindow, ReturnOnTheLastFieldIsEnter)
{
    preff& window = open();
    QTest::mouseClick(window.t(6), Qt::LeftButton);
    press(window, Qt::Key_Return);
    EXPECT_EQ(window.t(6)->text(), "Enter");
    EXPECT_EQ(window.vilkenknapp(), 0);
    EXPECT_TRUE(list(window)->isEnabled());
    click(window, "PushButton1");
    EXPECT_EQ(app.butts, (Butts{0, 30, 31, 28, 29, 32, 13}));
}

TEST_F(SettingsWindow, OneKeyMayStandInTwoBindings)
{
    preff& window = open();
    QTest::mouseClick(window.t(1), Qt::LeftButton);
    press(window, Qt::Key_Left);
    press(window, Qt::Key_Left);
    EXPECT_EQ(window.t(1)->text(), "Left Arrow");
    EXPECT_EQ(window.t(2)->text(), "Left Arrow");
    click(window, "PushButton1");
    EXPECT_EQ(app.butts, (Butts{0, 28, 28, 28, 29, 32, 114}));
}

TEST_F(SettingsWindow, AKeyWithoutACharacterKeepsTheOldBinding)
{
    preff& window = open();
    QTest::mouseClick(window.t(6), Qt::LeftButton);
    press(window, Qt::Key_F1);
    EXPECT_EQ(window.t(6)->text(), "");
    EXPECT_EQ(window.dontsavebutts()[6], 0);
    click(window, "PushButton1");
    EXPECT_EQ(app.butts[6], 114);
}

TEST_F(SettingsWindow, AKeyWhileNoFieldWaitsChangesNothing)
{
    preff& window = open();
    type(window, 'x');
    press(window, Qt::Key_Tab);
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(window.dontsavebutts()[i], 0);
    EXPECT_EQ(window.t(1)->text(), "Up Arrow");
    EXPECT_EQ(window.vilkenknapp(), 0);
}

TEST_F(SettingsWindow, AClickOnAnotherFieldMovesTheWaitAndKeepsWhatWasCaptured)
{
    preff& window = open();
    QTest::mouseClick(window.t(1), Qt::LeftButton);
    type(window, 'w');
    QTest::mouseClick(window.t(4), Qt::LeftButton);
    EXPECT_EQ(colourOf(window.t(2)), QColor(Qt::black));
    EXPECT_EQ(colourOf(window.t(4)), kRed);
    type(window, 'k');
    click(window, "PushButton1");
    EXPECT_EQ(app.butts, (Butts{0, 119, 31, 28, 107, 32, 114}));
}

TEST_F(SettingsWindow, CancelAndTheCloseBoxKeepTheSettingsAndTheFile)
{
    const std::string fileBefore = tree.read(kPrefs);
    for (bool closeBox : {false, true}) {
        preff& window = open();
        QTest::mouseClick(window.t(1), Qt::LeftButton);
        type(window, 'q');
        type(window, 'z');
        window.findChild<QCheckBox*>("soundbox")->click();
        doubleClickRow(window, "Standard");
        if (closeBox)
            window.close();
        else
            click(window, "PushButton2");
        EXPECT_TRUE(mainWindow.isVisible()) << closeBox;
        EXPECT_EQ(app.butts, kDefaultButts) << closeBox;
        EXPECT_TRUE(app.soundON);
        EXPECT_EQ(tree.read(kPrefs), fileBefore) << closeBox;
        testsupport::flushDeletes();
        EXPECT_FALSE(isOpen());

        preff& again = open();
        EXPECT_EQ(again.t(1)->text(), "Up Arrow");
        EXPECT_EQ(again.dontsavebutts()[1], 0);
        again.close();
        testsupport::flushDeletes();
    }
}

TEST_F(SettingsWindow, SaveWithoutChangesWritesTheSettingsAsTheyWere)
{
    app.lvlmappantal = "7"; // shown as it stands, not counted again
    preff& window = open();
    click(window, "PushButton1");
    EXPECT_EQ(tree.read(kPrefs), "30\r31\r28\r29\r32\r114\r1\r1\rStandard\r7\r");
}

TEST_F(SettingsWindow, TheSoundBoxIsSaved)
{
    preff& window = open();
    QTest::mouseClick(window.findChild<QCheckBox*>("soundbox"), Qt::LeftButton);
    click(window, "PushButton1");
    EXPECT_FALSE(app.soundON);
    EXPECT_TRUE(app.musicON);
    EXPECT_EQ(tree.read(kPrefs), "30\r31\r28\r29\r32\r114\r1\r2\rStandard\r10\r");
}

TEST_F(SettingsWindow, TheListShowsTheFoldersOfTheLevelFolderOnly)
{
    addItems(tree, "Mine", 2);
    tree.write("Levels/readme", "");
    tree.write("Levels/notes.txt", "");
    tree.write("Levels/Zebra", "a file, not a set");
    preff& window = open();
    QListWidget* rows = list(window);
    ASSERT_EQ(rows->count(), 2);
    EXPECT_EQ(rows->item(0)->text(), "Mine");
    EXPECT_EQ(rows->item(1)->text(), "Standard");
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(SettingsWindow, ADoubleClickedSetShowsItsCountAndIsSaved)
{
    struct Case {
        int items;
        const char* count;
        int beeps;
    };
    const Case cases[] = {{11, "10", 0}, {1, "0", 0}, {0, "0", 1}};
    for (const Case& c : cases) {
        const QString name = QString("Set of %1").arg(c.items);
        addItems(tree, name, c.items);
        desktop.beeps = 0;
        const std::string before = app.lvlmapp;
        preff& window = open();
        doubleClickRow(window, name);
        EXPECT_EQ(text(window, "valavleveltxt"), name);
        EXPECT_EQ(text(window, "antallvltext"), c.count) << c.items;
        EXPECT_EQ(desktop.beeps, c.beeps) << c.items;
        EXPECT_EQ(app.lvlmapp, before) << "the choice waits for save";
        click(window, "PushButton1");
        EXPECT_EQ(app.lvlmapp, name.toStdString());
        EXPECT_EQ(app.lvlmappantal, c.count);
        testsupport::flushDeletes();
    }
}

TEST_F(SettingsWindow, TheListCannotBeUsedWhileAFieldWaits)
{
    addItems(tree, "Other", 3);
    preff& window = open();
    QTest::mouseClick(window.t(2), Qt::LeftButton);
    EXPECT_FALSE(list(window)->isEnabled());
    doubleClickRow(window, "Other");
    EXPECT_EQ(text(window, "valavleveltxt"), "Standard");
    EXPECT_EQ(text(window, "antallvltext"), "10");
    // The list takes no key either: an arrow goes to the waiting field.
    press(window, Qt::Key_Down);
    EXPECT_EQ(window.t(2)->text(), "Down Arrow");
    EXPECT_EQ(window.vilkenknapp(), 3);
}

TEST_F(SettingsWindow, AMissingLevelFolderIsReportedAndTheWindowStillWorks)
{
    QDir(tree.path("Levels")).removeRecursively();
    preff& window = open();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages.front(), "Can't finde any levels!");
    EXPECT_EQ(list(window)->count(), 0);
    QTest::mouseClick(window.t(6), Qt::LeftButton);
    type(window, 'p');
    click(window, "PushButton1");
    EXPECT_EQ(app.butts[6], 112);
}

TEST_F(SettingsWindow, AnEmptyLevelFolderListsNothingWithoutAMessage)
{
    QDir(tree.path("Levels")).removeRecursively();
    tree.mkdir("Levels");
    preff& window = open();
    EXPECT_EQ(list(window)->count(), 0);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(SettingsWindow, ASecondShowGivesTheOpenWindow)
{
    preff& first = open();
    QTest::mouseClick(first.t(1), Qt::LeftButton);
    preff& second = open();
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(second.vilkenknapp(), 1);
}

TEST(KeyNames, TheTableNamesItsCodesAndOthersShowTheirCharacter)
{
    struct Case {
        std::int32_t code;
        QString name;
    };
    const Case cases[] = {
        {28, "Left Arrow"}, {29, "Right Arrow"}, {30, "Up Arrow"}, {31, "Down Arrow"}, {32, "Space"},
        {13, "Enter"},      {8, "Backspace"},    {9, "Tab"},      {114, "r"},         {82, "R"},
        {27, QString(QChar(27))}, {0, ""},       {228, QString(QChar(228))},
        {300, QString(QChar(300))}, {1078, QString::fromUtf8("ж")}, {0x1D11E, QString::fromUtf8("𝄞")},
        // Codes that name no character, as only a hand-edited file holds them.
        {-159, ""}, {0x110000, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(game::keyName(c.code), c.name) << c.code;
}

// "save" where the preferences file cannot simply be replaced.

TEST_F(SettingsWindow, ARefusedSaveSaysSoNamesTheFileAndStillClosesWithTheSettingsInEffect)
{
    ASSERT_TRUE(QFile::remove(tree.path(kPrefs)));
    tree.mkdir(kPrefs);
    preff& window = open();
    QTest::mouseClick(window.t(1), Qt::LeftButton);
    type(window, 'w');
    click(window, "PushButton1");
    EXPECT_EQ(desktop.messages,
              QStringList{"The settings were not saved: \"" + QDir::toNativeSeparators(tree.path(kPrefs))
                          + "\" could not be written. They stay in effect until the game quits."});
    EXPECT_EQ(app.butts[game::Up], 'w');
    EXPECT_TRUE(mainWindow.isVisible());
    testsupport::flushDeletes();
    EXPECT_FALSE(isOpen());
}

TEST_F(SettingsWindow, ASaveOnAFullDiskSaysSoAndKeepsTheOldFileByteForByte)
{
    const std::string old = tree.read(kPrefs);
    preff& window = open();
    QTest::mouseClick(window.t(1), Qt::LeftButton);
    type(window, 'w');
    {
        const testsupport::FullDisk full;
        click(window, "PushButton1");
    }
    EXPECT_EQ(desktop.messages,
              QStringList{"The settings were not saved: \"" + QDir::toNativeSeparators(tree.path(kPrefs))
                          + "\" could not be written. They stay in effect until the game quits."});
    EXPECT_EQ(tree.read(kPrefs), old);
    EXPECT_EQ(app.butts[game::Up], 'w');
}

TEST_F(SettingsWindow, AReadOnlyPreferencesFolderStillTakesTheSave)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    const testsupport::ReadOnlyFolder locked(tree.prefsFolder());
    preff& window = open();
    window.findChild<QCheckBox*>("soundbox")->click();
    click(window, "PushButton1");
    EXPECT_TRUE(desktop.messages.isEmpty());
    EXPECT_EQ(tree.read(kPrefs), "30\r31\r28\r29\r32\r114\r1\r2\rStandard\r10\r");
}

// The window as the player sees it: every control at its place, and each key field beside
// the label of its binding.

TEST_F(SettingsWindow, EveryControlStandsAtItsPlaceWithItsCaption)
{
    preff& window = open();
    using testsupport::ControlRow;
    const ControlRow controls[] = {
        {"t3", {140, 90, 65, 20}, "Left Arrow", 10, true},
        {"t4", {140, 110, 65, 20}, "Right Arrow", 10, true},
        {"t1", {140, 50, 65, 20}, "Up Arrow", 10, true},
        {"t2", {140, 70, 65, 20}, "Down Arrow", 10, true},
        {"t5", {140, 130, 65, 20}, "Space", 10, true},
        {"StaticText4", {34, 50, 91, 20}, "Up:", 12, true},
        {"StaticText5", {34, 70, 91, 20}, "Down:", 12, true},
        {"StaticText6", {34, 90, 91, 20}, "Left:", 12, true},
        {"StaticText7", {34, 110, 91, 20}, "Right:", 12, true},
        {"StaticText8", {34, 130, 91, 20}, "Return:", 12, true},
        {"StaticText9", {34, 150, 91, 20}, "Restart Level:", 12, true},
        {"t6", {140, 150, 65, 20}, "r", 10, true},
        {"PushButton1", {590, 283, 69, 20}, "save", 12},
        {"PushButton2", {502, 283, 69, 20}, "Cancel", 12},
        {"GroupBox1", {20, 31, 205, 150}, "Controls", 12},
        {"soundbox", {491, 68, 80, 20}, "Sounds", 12},
        {"musicbox", {491, 90, 133, 20}, "Music (not yet)", 12},
        {"ListBox1", {260, 55, 173, 85}, "", 12},
        {"valavleveltxt", {260, 141, 147, 20}, "Standard", 10},
        {"antallvltext", {247, 156, 25, 20}, "10", 10, false, Qt::AlignRight},
        {"GroupBox2", {244, 31, 205, 150}, "Level Folder", 12},
        {"GroupBox3", {470, 31, 205, 150}, "Sound/Music", 12},
        {"GroupBox4", {20, 188, 429, 115}, "Other", 12},
        {"CheckBox1", {35, 279, 104, 15}, "check automatic", 10},
        {"PushButton3", {145, 272, 69, 20}, "Check", 12},
        {"StaticText1", {34, 218, 105, 20}, "You got Vesperon\r", 12},
        {"StaticText2", {34, 235, 210, 15}, "The latest version of vesperon is", 10},
        {"yourversiontxt", {138, 218, 38, 20}, "1.1", 12, false, Qt::AlignLeft, false, true},
        {"downloadtxt", {35, 247, 53, 20}, "Download", 10},
        {"StaticText3", {277, 156, 67, 20}, "Levels", 10},
    };
    testsupport::expectControls(window, controls);

    // The version reads as the end of "You got Vesperon".
    const auto* youGot = window.findChild<QLabel*>("StaticText1");
    EXPECT_GE(window.findChild<QLabel*>("yourversiontxt")->x(),
              youGot->x() + youGot->fontMetrics().horizontalAdvance("You got Vesperon"));
    const auto* link = window.findChild<QLabel*>("downloadtxt");
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(colourOf(link), QColor(0x00, 0x00, 0xFF));
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(0x89, 0x89, 0x89));
}

TEST_F(SettingsWindow, TheFieldBesideEachLabelShowsAndCapturesThatBinding)
{
    preff& window = open();
    const char* labels[] = {"", "Up:", "Down:", "Left:", "Right:", "Return:", "Restart Level:"};
    const char* shown[] = {"", "Up Arrow", "Down Arrow", "Left Arrow", "Right Arrow", "Space", "r"};
    const char typed[] = {0, 'u', 'j', 'h', 'k', 'z', 'x'};
    QList<game::ClickableText*> fields = window.findChildren<game::ClickableText*>();
    fields.removeAll(window.findChild<game::ClickableText*>("downloadtxt"));
    ASSERT_EQ(fields.size(), 6);
    for (int i = 1; i <= 6; ++i) {
        SCOPED_TRACE(labels[i]);
        const QLabel* label = nullptr;
        for (const QLabel* candidate : window.findChildren<QLabel*>()) {
            if (candidate->text() == QString::fromLatin1(labels[i]))
                label = candidate;
        }
        ASSERT_NE(label, nullptr);
        // The field on the label's line, right of where the label's text ends.
        const int textEnd = label->x() + label->fontMetrics().horizontalAdvance(label->text());
        const game::ClickableText* beside = nullptr;
        for (const game::ClickableText* field : fields) {
            if (field->y() == label->y() && field->x() >= textEnd)
                beside = field;
        }
        ASSERT_NE(beside, nullptr);
        EXPECT_EQ(beside->text(), QString::fromLatin1(shown[i]));

        // A click where the field is drawn, then a key: it is the binding of that label.
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, beside->geometry().center());
        EXPECT_EQ(window.vilkenknapp(), i);
        EXPECT_EQ(colourOf(beside), kRed);
        type(window, typed[i]);
        EXPECT_EQ(window.dontsavebutts()[static_cast<std::size_t>(i)], typed[i]);
        EXPECT_EQ(beside->text(), QString(QLatin1Char(typed[i])));
    }
    click(window, "PushButton1");
    EXPECT_EQ(app.butts, (Butts{0, 'u', 'j', 'h', 'k', 'z', 'x'}));
}

// Keys held down.

namespace {

// A key held down, as the platform gives it: one press, then presses and releases marked as
// repeats, then the release.
void holdKey(preff& window, Qt::Key key, const QString& text, int repeats)
{
    QWindow* handle = window.windowHandle();
    QTest::simulateEvent(handle, true, key, Qt::NoModifier, text, false);
    for (int i = 0; i < repeats; ++i) {
        QTest::simulateEvent(handle, false, key, Qt::NoModifier, text, true);
        QTest::simulateEvent(handle, true, key, Qt::NoModifier, text, true);
    }
    QTest::simulateEvent(handle, false, key, Qt::NoModifier, text, false);
}

} // namespace

TEST_F(SettingsWindow, AKeyHeldDownFillsOneFieldOnly)
{
    struct Case {
        int field;
        Qt::Key key;
        QString text;
        QString shown;
        std::int32_t code;
    };
    const Case cases[] = {
        {1, Qt::Key_W, QStringLiteral("w"), QStringLiteral("w"), 119},
        {5, Qt::Key_Up, QString(), QStringLiteral("Up Arrow"), 30},
        {6, Qt::Key_R, QStringLiteral("R"), QStringLiteral("R"), 82},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        preff& window = open();
        QTest::mouseClick(window.t(c.field), Qt::LeftButton);
        holdKey(window, c.key, c.text, 5);
        Butts captured{};
        captured[static_cast<std::size_t>(c.field)] = c.code;
        EXPECT_EQ(window.dontsavebutts(), captured);
        const QStringList defaults = {"", "Up Arrow", "Down Arrow", "Left Arrow", "Right Arrow", "Space", "r"};
        for (int i = 1; i <= 6; ++i)
            EXPECT_EQ(window.t(i)->text(), i == c.field ? c.shown : defaults[i]) << i;
        if (c.field < 6) {
            EXPECT_EQ(window.vilkenknapp(), c.field + 1);
            EXPECT_EQ(colourOf(window.t(c.field + 1)), kRed);
            EXPECT_FALSE(list(window)->isEnabled());
            // The next physical press fills the next field.
            type(window, 'k');
            EXPECT_EQ(window.t(c.field + 1)->text(), "k");
        } else {
            EXPECT_EQ(window.vilkenknapp(), 0);
            EXPECT_TRUE(list(window)->isEnabled());
        }
        click(window, "PushButton2");
        testsupport::flushDeletes();
    }
}

// X11 sends a held key's repeats as a release and a press at one time, often unmarked. A
// hold of 2 s, a short press of the same key, and a shorter hold fill three fields in turn.
TEST_F(SettingsWindow, AKeyHeldDownAsX11GivesItFillsOneFieldAndEachFreshPressTheNext)
{
    struct Case {
        int field;
        Qt::Key key;
        QString text;
        quint32 keycode;
        QString shown;
        std::int32_t code;
    };
    const Case cases[] = {
        {1, Qt::Key_X, QStringLiteral("x"), 53, QStringLiteral("x"), 120},
        {4, Qt::Key_Up, QString(), 111, QStringLiteral("Up Arrow"), 30},
    };
    const int holds[] = {45, 0, 10};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        preff& window = open();
        QTest::mouseClick(window.t(c.field), Qt::LeftButton);
        for (const int repeats : holds)
            testsupport::holdX11Key(&window, c.key, Qt::NoModifier, c.text, c.keycode, repeats);
        const int last = c.field + 2;
        Butts expected = kDefaultButts;
        const QStringList defaults = {"", "Up Arrow", "Down Arrow", "Left Arrow", "Right Arrow", "Space", "r"};
        for (int i = 1; i <= 6; ++i) {
            const bool filled = i >= c.field && i <= last;
            EXPECT_EQ(window.t(i)->text(), filled ? c.shown : defaults[i]) << i;
            if (filled)
                expected[static_cast<std::size_t>(i)] = c.code;
        }
        EXPECT_EQ(window.vilkenknapp(), last < 6 ? last + 1 : 0);
        click(window, "PushButton1");
        EXPECT_EQ(app.butts, expected);
        testsupport::flushDeletes();
        app.butts = kDefaultButts;
    }
}
