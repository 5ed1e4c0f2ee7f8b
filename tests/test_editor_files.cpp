// Saving through the code confirmation window, and opening level files for editing.
#include <sys/stat.h>
#include <unistd.h>

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWindow>

#include "tests/support/ControlTable.h"
#include "tests/support/EditorFixture.h"
#include "tests/support/TempTree.h"
#include "tests/support/TextLevel.h"
#include "tests/support/Typing.h"

using level::CellKind;
using testsupport::EditorTest;

namespace {

constexpr const char* kMismatch = "The code doesnt match";

} // namespace

class ConfirmingTheCode : public EditorTest, public ::testing::WithParamInterface<bool> {
protected:
    QPushButton* button() const { return GetParam() ? window2()->PushButton1() : window2()->PushButton2(); }
};

TEST_P(ConfirmingTheCode, TheSameCodeClosesTheWindowAndSaves)
{
    QTest::keyClicks(editorWindow().EditField1(), "abc");
    desktop.savePaths.push_back(path("saved"));
    trigger("Filesave");
    ASSERT_NE(window2(), nullptr);
    QTest::keyClicks(window2()->EditField1(), "abc");
    QTest::mouseClick(button(), Qt::LeftButton);
    flushDeletes();
    EXPECT_EQ(window2(), nullptr);
    ASSERT_EQ(desktop.saveDialogs.size(), 1u);
    EXPECT_EQ(desktop.saveDialogs[0].fileType, "R11o");
    EXPECT_EQ(desktop.saveDialogs[0].proposedPath, QDir::current().filePath("Level 01"));
    EXPECT_EQ(read("saved"), "\r\r\r\r\redc\r");
}

TEST_P(ConfirmingTheCode, ADifferentCodeIsRefusedAndNothingIsSaved)
{
    QTest::keyClicks(editorWindow().EditField1(), "abc");
    trigger("Filesave");
    QTest::keyClicks(window2()->EditField1(), "abd");
    QTest::mouseClick(button(), Qt::LeftButton);
    flushDeletes();
    ASSERT_NE(window2(), nullptr);
    EXPECT_TRUE(window2()->isVisible());
    EXPECT_EQ(window2()->EditField1()->text(), kMismatch);
    EXPECT_TRUE(desktop.saveDialogs.empty());

    QTest::mouseClick(button(), Qt::LeftButton);
    EXPECT_EQ(window2()->EditField1()->text(), kMismatch) << "the message itself is compared the next time";
    EXPECT_TRUE(desktop.saveDialogs.empty());
}

INSTANTIATE_TEST_SUITE_P(OkAndClose, ConfirmingTheCode, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Ok" : "Close"; });

using Saving = EditorTest;

TEST_F(Saving, TwoEmptyCodesMatchAndGiveAnEmptyLastField)
{
    saveAs(path("empty"));
    EXPECT_EQ(read("empty"), "\r\r\r\r\r\r");
}

TEST_F(Saving, TheMismatchMessageMatchesACodeThatSaysTheSame)
{
    QTest::keyClicks(editorWindow().EditField1(), kMismatch);
    desktop.savePaths.push_back(path("odd"));
    trigger("Filesave");
    QTest::keyClicks(window2()->EditField1(), "other");
    QTest::mouseClick(window2()->PushButton1(), Qt::LeftButton);
    EXPECT_TRUE(desktop.saveDialogs.empty());
    QTest::mouseClick(window2()->PushButton1(), Qt::LeftButton);
    EXPECT_EQ(desktop.saveDialogs.size(), 1u);
    EXPECT_NE(read("odd"), "<missing>");
}

TEST_F(Saving, TheFileListsTheGridInCellOrderWithGhostsOnGravesLast)
{
    placeAll(0, {13, 0});
    placeAll(1, {20});
    placeAll(3, {40});
    placeAll(4, {30, 5});
    placeAll(5, {100});
    placeAll(2, {50});
    QTest::keyClicks(editorWindow().EditField1(), "a Z}~");
    saveAs(path("level"), "a Z}~");
    EXPECT_EQ(read("level"), "0,13\r50\r20,5,30\r40,5,30\r100\r\x80\x7f\\\"c\r");
}

TEST_F(Saving, TheSavedNameBecomesTheTitleAndTheNextProposal)
{
    saveAs(path("My level"));
    EXPECT_EQ(editorWindow().lvlname(), "My level");
    EXPECT_EQ(editorWindow().windowTitle(), "Level Editor - My level");
    saveAs(path("second"));
    ASSERT_EQ(desktop.saveDialogs.size(), 2u);
    EXPECT_EQ(desktop.saveDialogs[1].proposedPath, path("My level"));
}

TEST_F(Saving, CancellingTheDialogWritesNothingAndTheNextSaveAsStartsEmpty)
{
    placeAll(0, {1});
    trigger("Filesave");
    QTest::mouseClick(window2()->PushButton1(), Qt::LeftButton);
    flushDeletes();
    EXPECT_EQ(desktop.saveDialogs.size(), 1u);
    EXPECT_EQ(editorWindow().windowTitle(), "Level Editor - Level 01");
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    trigger("Filesave");
    ASSERT_NE(window2(), nullptr);
    EXPECT_TRUE(window2()->EditField1()->text().isEmpty());
}

// Each case puts something in the file's place that cannot be replaced by a file, or
// leaves no room on the disk for the save.
struct FailedSave {
    const char* name;
    void (*prepare)(const QString& folder);
    const char* target;
    bool diskFull = false;
};

void PrintTo(const FailedSave& c, std::ostream* out)
{
    *out << c.name;
}

class ASaveThatCannotWrite : public EditorTest, public ::testing::WithParamInterface<FailedSave> {};

TEST_P(ASaveThatCannotWrite, SaysSoAndKeepsTheOldFileAndTheTitle)
{
    if (std::string(GetParam().name) == "NewFileInAFolderThatTakesNone" && geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    saveAs(path("first"));
    GetParam().prepare(dir.path());
    const QString target = path(GetParam().target);
    const std::string before = read(GetParam().target);

    placeAll(0, {7});
    {
        std::optional<testsupport::FullDisk> full;
        if (GetParam().diskFull)
            full.emplace();
        saveAs(target);
    }
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_TRUE(desktop.messages[0].contains(QDir::toNativeSeparators(target)));
    EXPECT_TRUE(desktop.messages[0].contains("not saved"));
    EXPECT_EQ(editorWindow().lvlname(), "first");
    EXPECT_EQ(editorWindow().windowTitle(), "Level Editor - first");
    EXPECT_EQ(read(GetParam().target), before);
    chmod(QFile::encodeName(path("locked")).constData(), 0700);
}

INSTANTIATE_TEST_SUITE_P(
    Places, ASaveThatCannotWrite,
    ::testing::Values(
        FailedSave{"FolderInThePlace",
                   [](const QString& folder) {
                       QDir(folder).mkpath("taken/inside");
                   },
                   "taken"},
        FailedSave{"FileWhereAFolderShouldBe",
                   [](const QString& folder) {
                       QFile file(folder + "/plain");
                       ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                   },
                   "plain/level"},
        FailedSave{"NewFileInAFolderThatTakesNone",
                   [](const QString& folder) {
                       QDir(folder).mkpath("locked");
                       chmod(QFile::encodeName(folder + "/locked").constData(), 0500);
                   },
                   "locked/new"},
        FailedSave{"FullDisk", [](const QString&) {}, "first", true}),
    [](const auto& info) { return std::string(info.param.name); });

// A designer may be let write a level file but not add files to its folder: both roads
// that save a level replace it all the same, where it stands.
class AFolderThatTakesNoNewFile : public EditorTest, public ::testing::WithParamInterface<bool> {
protected:
    bool converting() const { return GetParam(); }
};

TEST_P(AFolderThatTakesNoNewFile, StillHasItsWritableLevelFileReplaced)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    QDir(dir.path()).mkpath("locked");
    write("locked/level", "old level\r");
    const testsupport::ReadOnlyFolder locked(path("locked"));
    desktop.savePaths.push_back(path("locked/level"));
    if (converting()) {
        trigger("fileconvert");
        converter()->EditField1()->setPlainText("#@$.");
        QTest::mouseClick(converter()->PushButton1(), Qt::LeftButton);
        EXPECT_EQ(read("locked/level"), "0\r1\r2\r3\r");
    } else {
        placeAll(0, {7});
        trigger("Filesave");
        QTest::mouseClick(window2()->PushButton1(), Qt::LeftButton);
        EXPECT_EQ(read("locked/level"), "7\r\r\r\r\r\r");
        EXPECT_EQ(editorWindow().windowTitle(), "Level Editor - level");
    }
    EXPECT_TRUE(desktop.messages.empty()) << desktop.messages.front().toStdString();
    EXPECT_EQ(QDir(path("locked")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"level"});
}

INSTANTIATE_TEST_SUITE_P(SaveAsAndConvert, AFolderThatTakesNoNewFile, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Convert" : "SaveAs"; });

using Opening = EditorTest;

TEST_F(Opening, AFileFillsTheGridTheCodeTheTitleAndTheReaderProperties)
{
    chooseTool(5);
    write("Level 07", testsupport::levelFile({"#####", "#@$.#", "#S*##"}, "ab"));
    desktop.openPaths.push_back(path("Level 07"));
    trigger("Fileopen");
    editor::Window1& w = editorWindow();
    EXPECT_EQ(testsupport::rowsOf(w.grid()), testsupport::rowsOf(testsupport::grid({"#####", "#@$.#", "#S*##"})));
    EXPECT_EQ(w.EditField1()->text(), "ab");
    EXPECT_EQ(w.windowTitle(), "Level Editor - Level 07");
    EXPECT_EQ(w.vilkentool(), 5);

    EXPECT_EQ(w.readlvldata()[1], "0,1,2,3,4,12,16,24,27,28");
    EXPECT_EQ(w.readlvldata()[6], "dc");
    EXPECT_EQ(w.lvlstring(), w.readlvldata()[1]);
    EXPECT_EQ(w.gubbpos(), 13);
    EXPECT_EQ(w.antalboxes(), 2);
    EXPECT_EQ(w.boxpos()[1], 14);
    EXPECT_EQ(w.boxpos()[2], 26);
    EXPECT_EQ(w.prickplats()[1], 15);
    EXPECT_EQ(w.prickplats()[2], 26);
    EXPECT_EQ(w.skelstring(), "25");
}

TEST_F(Opening, AFourLineFileHasNoCodeAndNoSkeletons)
{
    QTest::keyClicks(editorWindow().EditField1(), "old");
    write("converted", "0,1\r2\r3\r4\r");
    desktop.openPaths.push_back(path("converted"));
    trigger("Fileopen");
    EXPECT_TRUE(editorWindow().EditField1()->text().isEmpty());
    EXPECT_EQ(testsupport::rowsOf(editorWindow().grid()), testsupport::rowsOf(testsupport::grid({"##@$."})));
}

TEST_F(Opening, APlayerOnAGraveShowsTheGraveAndSavingAgainDropsThePlayer)
{
    write("plus", "\r5\r7\r5\r");
    desktop.openPaths.push_back(path("plus"));
    trigger("Fileopen");
    EXPECT_EQ(editorWindow().grid()[5], CellKind::backprick);
    EXPECT_EQ(editorWindow().grid()[7], CellKind::box);
    saveAs(path("again"));
    EXPECT_EQ(read("again"), "\r\r7\r5\r\r\r");
}

TEST_F(Opening, AFileWithoutAPlayerPutsItOnCellZero)
{
    write("noplayer", "0,1\r\r\r\r\r\r");
    desktop.openPaths.push_back(path("noplayer"));
    trigger("Fileopen");
    EXPECT_EQ(editorWindow().grid()[0], CellKind::gubb);
    EXPECT_EQ(editorWindow().grid()[1], CellKind::wal);
}

TEST_F(Opening, MoreGravesThanGhostsDrawsOneGravePerGhost)
{
    write("graves", "\r\r20\r40,41,42\r\r\r");
    desktop.openPaths.push_back(path("graves"));
    trigger("Fileopen");
    EXPECT_EQ(editorWindow().grid()[40], CellKind::backprick);
    EXPECT_EQ(editorWindow().grid()[41], CellKind::back);
    EXPECT_EQ(editorWindow().grid()[42], CellKind::back);
    saveAs(path("fewer"));
    EXPECT_EQ(read("fewer"), "\r0\r20\r40\r\r\r");
}

TEST_F(Opening, EveryGraveIsDrawnBeforeAnyGhost)
{
    // Two empty graves and one loose ghost: the ghost on grave 30 is ghost 2 but grave 3.
    write("graves first", "\r60\r25,30,31\r40,50,30,31\r\r\r");
    desktop.openPaths.push_back(path("graves first"));
    trigger("Fileopen");
    EXPECT_EQ(editorWindow().grid()[30], CellKind::box2);
    EXPECT_EQ(editorWindow().grid()[31], CellKind::box) << "its grave is the fourth, beyond the three ghosts";
    saveAs(path("saved"));
    EXPECT_EQ(read("saved"), "\r60\r25,31,30\r40,50,30\r\r\r");
}

TEST_F(Opening, ALevelTheEditorSavedOpensAsItWasDrawn)
{
    QTest::mouseClick(editorWindow().extras(), Qt::LeftButton);
    placeAll(1, {14, 40});
    placeAll(3, {15, 90});
    placeAll(4, {26, 27, 100});
    placeAll(2, {13});
    placeAll(5, {50});
    const level::Grid drawn = editorWindow().grid();
    saveAs(path("drawn"));
    trigger("Filenew");
    desktop.openPaths.push_back(path("drawn"));
    trigger("Fileopen");
    EXPECT_EQ(testsupport::rowsOf(editorWindow().grid()), testsupport::rowsOf(drawn));
    saveAs(path("drawn again"));
    EXPECT_EQ(read("drawn again"), read("drawn"));
}

TEST_F(Opening, ACodeOfAnyBytesShowsAndSavesBackUnchanged)
{
    const std::string stored = std::string("\x00\x01\n\x7f\x80\xff z", 8);
    write("bytes", "\r\r\r\r\r" + stored + "\r");
    desktop.openPaths.push_back(path("bytes"));
    trigger("Fileopen");
    const QString shown = editorWindow().EditField1()->text();
    EXPECT_EQ(shown.size(), 8);
    desktop.savePaths.push_back(path("bytes again"));
    trigger("Filesave");
    window2()->EditField1()->setText(shown);
    QTest::mouseClick(window2()->PushButton1(), Qt::LeftButton);
    EXPECT_EQ(read("bytes again"), "\r0\r\r\r\r" + stored + "\r");

    QTest::keyClick(editorWindow().EditField1(), Qt::Key_End);
    QTest::keyClicks(editorWindow().EditField1(), "q");
    EXPECT_EQ(editorWindow().EditField1()->text(), QStringLiteral("x\u00fd~}\u00ff\u00feq"))
        << "an edit keeps only what a typed code may hold";
}

TEST_F(Opening, ACodeOfFortyThousandCharactersOpensAndSavesBackByteForByte)
{
    std::string stored;
    for (int i = 0; i < 40000; ++i)
        stored += char('A' + i % 26);
    const std::string file = "0,1\r2\r3\r4\r\r" + stored + "\r";
    write("long", file);
    desktop.openPaths.push_back(path("long"));
    trigger("Fileopen");
    const QString shown = editorWindow().EditField1()->text();
    EXPECT_EQ(shown.size(), 40000);

    // The designer pastes the code into the confirmation field.
    desktop.savePaths.push_back(path("long again"));
    trigger("Filesave");
    QGuiApplication::clipboard()->setText(shown);
    window2()->EditField1()->paste();
    EXPECT_EQ(window2()->EditField1()->text().size(), 40000);
    QTest::mouseClick(window2()->PushButton1(), Qt::LeftButton);
    EXPECT_EQ(read("long again"), file);
}

TEST_F(Opening, TheTitleShowsTheFileNameAsItIs)
{
    write("a[*]b <i>", "\r\r\r\r\r\r");
    desktop.openPaths.push_back(path("a[*]b <i>"));
    trigger("Fileopen");
    EXPECT_EQ(editorWindow().lvlname(), "a[*]b <i>");
    ASSERT_NE(editorWindow().windowHandle(), nullptr);
    EXPECT_EQ(editorWindow().windowHandle()->title(), "Level Editor - a[*]b <i>");
}

TEST_F(Opening, AFileThatCannotBeReadSaysSoAndChangesNothing)
{
    placeAll(0, {3, 4});
    QTest::keyClicks(editorWindow().EditField1(), "kept");
    const level::Grid before = editorWindow().grid();
    QDir(dir.path()).mkpath("folder");
    for (const QString& name : {QStringLiteral("folder"), QStringLiteral("missing")}) {
        desktop.openPaths.push_back(path(name));
        trigger("Fileopen");
        EXPECT_EQ(editorWindow().grid(), before);
        EXPECT_EQ(editorWindow().EditField1()->text(), "kept");
        EXPECT_EQ(editorWindow().windowTitle(), "Level Editor - Level 01");
        ASSERT_FALSE(desktop.messages.empty());
        EXPECT_TRUE(desktop.messages.back().contains(QDir::toNativeSeparators(path(name))));
    }
    EXPECT_EQ(desktop.messages.size(), 2u);
}

TEST_F(Opening, CancellingTheDialogChangesNothing)
{
    placeAll(2, {9});
    const level::Grid before = editorWindow().grid();
    trigger("Fileopen");
    EXPECT_EQ(desktop.openParents.size(), 1u);
    EXPECT_EQ(editorWindow().grid(), before);
    EXPECT_EQ(editorWindow().windowTitle(), "Level Editor - Level 01");
    EXPECT_TRUE(desktop.messages.empty());
}

// Where the file dialogs start: the folder of the file last opened or saved, or the
// working folder before any.
class DialogFolder : public EditorTest {
protected:
    DialogFolder() { QDir::setCurrent(working.path()); }
    ~DialogFolder() override { QDir::setCurrent(before); }

    void mkdir(const QString& name) const { QDir(dir.path()).mkpath(name); }
    QString lastProposal() const { return desktop.saveDialogs.back().proposedPath; }
    QString convertProposal()
    {
        trigger("fileconvert");
        converter()->EditField1()->setPlainText("#");
        QTest::mouseClick(converter()->PushButton1(), Qt::LeftButton);
        return lastProposal();
    }

    const QString before = QDir::currentPath();
    QTemporaryDir working;
};

TEST_F(DialogFolder, BeforeAnyFileTheDialogsStartInTheWorkingFolder)
{
    const QDir here = QDir::current();
    trigger("Fileopen");
    trigger("Fileopen");
    EXPECT_EQ(desktop.openFolders, (std::vector<QString>{here.path(), here.path()})) << "a cancelled open moves nothing";
    trigger("Filesave");
    QTest::mouseClick(window2()->PushButton1(), Qt::LeftButton);
    EXPECT_EQ(lastProposal(), here.filePath("Level 01"));
    EXPECT_EQ(convertProposal(), here.filePath("Level"));
}

TEST_F(DialogFolder, AfterOpeningALevelSaveAsProposesItsNameInItsFolder)
{
    mkdir("Levels/MySet");
    write("Levels/MySet/level 03", "1\r13\r\r\r\r\r");
    desktop.openPaths.push_back(path("Levels/MySet/level 03"));
    trigger("Fileopen");
    placeAll(0, {5});
    saveAs(path("Levels/MySet/level 03"));
    EXPECT_EQ(lastProposal(), path("Levels/MySet/level 03"));
    EXPECT_EQ(editorWindow().windowTitle(), "Level Editor - level 03");
    EXPECT_EQ(read("Levels/MySet/level 03"), "1,5\r13\r\r\r\r\r");
    EXPECT_EQ(convertProposal(), path("Levels/MySet/Level"));
    trigger("Fileopen");
    EXPECT_EQ(desktop.openFolders.back(), path("Levels/MySet"));
}

TEST_F(DialogFolder, EachSaveMovesTheFolderTheConvertersIncluded)
{
    mkdir("first");
    mkdir("converted");
    saveAs(path("first/mine"));
    trigger("Fileopen");
    EXPECT_EQ(desktop.openFolders.back(), path("first"));
    EXPECT_EQ(convertProposal(), path("first/Level"));

    desktop.savePaths.push_back(path("converted/Level"));
    QTest::mouseClick(converter()->PushButton1(), Qt::LeftButton);
    trigger("Filesave");
    QTest::mouseClick(window2()->PushButton1(), Qt::LeftButton);
    EXPECT_EQ(lastProposal(), path("converted/mine"));
}

// The code typed at the keyboard lands in the confirmation window, which takes the same
// characters as the editor's code field.
class TypingTheCode : public EditorTest {
protected:
    // The confirmation window in front, as Save As leaves it, to type into.
    QWindow* confirmation()
    {
        EXPECT_TRUE(QTest::qWaitForWindowActive(window2()));
        return window2()->windowHandle();
    }
    std::string savedWith(const std::string& code) const
    {
        return "\r\r\r\r\r" + level::encodeLevelCode(code) + "\r";
    }
};

class TypingTheCodeAndPressing : public TypingTheCode, public ::testing::WithParamInterface<bool> {
protected:
    QPushButton* button() const { return GetParam() ? window2()->PushButton1() : window2()->PushButton2(); }
};

TEST_P(TypingTheCodeAndPressing, SavesTheLevelWithThatCode)
{
    testsupport::typeText(editorWindow().EditField1(), "Moon rise");
    desktop.savePaths.push_back(path("typed"));
    trigger("Filesave");
    testsupport::typeText(confirmation(), "Moon rise");
    QTest::mouseClick(button(), Qt::LeftButton);
    flushDeletes();
    EXPECT_EQ(window2(), nullptr);
    EXPECT_EQ(read("typed"), savedWith("Moon rise"));
}

INSTANTIATE_TEST_SUITE_P(OkAndClose, TypingTheCodeAndPressing, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Ok" : "Close"; });

TEST_F(TypingTheCode, GoesToTheFieldAfterAMismatchAndEachTimeTheWindowComesBack)
{
    testsupport::typeText(editorWindow().EditField1(), "abc");
    trigger("Filesave");
    testsupport::typeText(confirmation(), "abd");
    QTest::mouseClick(window2()->PushButton1(), Qt::LeftButton);
    EXPECT_EQ(window2()->EditField1()->text(), kMismatch);

    QTest::keyClick(confirmation(), Qt::Key_A, Qt::ControlModifier);
    testsupport::typeText(confirmation(), "a");
    editorWindow().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editorWindow()));
    trigger("Filesave");
    testsupport::typeText(confirmation(), "bc");
    desktop.savePaths.push_back(path("retyped"));
    QTest::mouseClick(window2()->PushButton1(), Qt::LeftButton);
    EXPECT_EQ(read("retyped"), savedWith("abc"));
    EXPECT_EQ(desktop.beeps, 0);
}

// "ok" pressed by a click (which leaves the keys in the field) or by Tab, Tab and Space.
class TypingTheCodeAgain : public TypingTheCode, public ::testing::WithParamInterface<bool> {
protected:
    void pressOk()
    {
        if (GetParam()) {
            QTest::mouseClick(window2()->PushButton1(), Qt::LeftButton);
            return;
        }
        QTest::keyClick(confirmation(), Qt::Key_Tab);
        QTest::keyClick(confirmation(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), window2()->PushButton1());
        QTest::keyClick(confirmation(), Qt::Key_Space);
    }
};

TEST_P(TypingTheCodeAgain, AfterAMismatchReplacesTheMessage)
{
    testsupport::typeText(editorWindow().EditField1(), "abc");
    trigger("Filesave");
    testsupport::typeText(confirmation(), "abd");
    pressOk();
    EXPECT_EQ(window2()->EditField1()->text(), kMismatch);
    EXPECT_EQ(window2()->EditField1()->selectedText(), kMismatch);
    EXPECT_EQ(QApplication::focusWidget(), window2()->EditField1());

    testsupport::typeText(confirmation(), "abc");
    desktop.savePaths.push_back(path("second try"));
    pressOk();
    EXPECT_EQ(desktop.saveDialogs.size(), 1u);
    EXPECT_EQ(read("second try"), savedWith("abc"));
}

INSTANTIATE_TEST_SUITE_P(ClickAndKeys, TypingTheCodeAgain, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Click" : "TabTabSpace"; });

// Keys after the code is typed: Tab and Shift+Tab walk the field and the two buttons, Space
// presses the button that has the keys, Enter and Escape press neither.
struct KeysAfterTheCode {
    const char* name;
    std::vector<Qt::Key> moves; // Key_Backtab comes with Shift, as the platform sends it
    const char* holder;         // the control that has the keys after the moves
    Qt::Key press;
    bool saves;
};

void PrintTo(const KeysAfterTheCode& k, std::ostream* out)
{
    *out << k.name;
}

class KeysInTheConfirmationWindow : public TypingTheCode, public ::testing::WithParamInterface<KeysAfterTheCode> {};

TEST_P(KeysInTheConfirmationWindow, ReachAndPressTheButtons)
{
    const KeysAfterTheCode& k = GetParam();
    testsupport::typeText(editorWindow().EditField1(), "Moon");
    desktop.savePaths.push_back(path("keyed"));
    trigger("Filesave");
    testsupport::typeText(confirmation(), "Moon");
    for (Qt::Key move : k.moves)
        QTest::keyClick(confirmation(), move, move == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), k.holder);
    QTest::keyClick(confirmation(), k.press);
    flushDeletes();
    EXPECT_EQ(desktop.saveDialogs.size(), k.saves ? 1u : 0u);
    EXPECT_EQ(read("keyed"), k.saves ? savedWith("Moon") : "<missing>");
    EXPECT_EQ(window2() == nullptr, k.saves);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeysInTheConfirmationWindow,
    ::testing::Values(
        KeysAfterTheCode{"TabSpacePressesClose", {Qt::Key_Tab}, "PushButton2", Qt::Key_Space, true},
        KeysAfterTheCode{"TabTabSpacePressesOk", {Qt::Key_Tab, Qt::Key_Tab}, "PushButton1", Qt::Key_Space, true},
        KeysAfterTheCode{"ShiftTabSpacePressesOk", {Qt::Key_Backtab}, "PushButton1", Qt::Key_Space, true},
        KeysAfterTheCode{"ThirdTabIsBackInTheField", {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab}, "EditField1",
                         Qt::Key_Space, false},
        KeysAfterTheCode{"EnterInTheField", {}, "EditField1", Qt::Key_Return, false},
        KeysAfterTheCode{"EscapeInTheField", {}, "EditField1", Qt::Key_Escape, false},
        KeysAfterTheCode{"EnterOnClose", {Qt::Key_Tab}, "PushButton2", Qt::Key_Return, false},
        KeysAfterTheCode{"KeypadEnterOnOk", {Qt::Key_Backtab}, "PushButton1", Qt::Key_Enter, false},
        KeysAfterTheCode{"EscapeOnOk", {Qt::Key_Backtab}, "PushButton1", Qt::Key_Escape, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TypingTheCode, AClickOrASaveAsLeavesTheKeysInTheField)
{
    testsupport::typeText(editorWindow().EditField1(), "abc");
    trigger("Filesave");
    testsupport::typeText(confirmation(), "abd");
    for (QPushButton* button : {window2()->PushButton1(), window2()->PushButton2()}) {
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(QApplication::focusWidget(), window2()->EditField1()) << button->text().toStdString();
    }

    QTest::keyClick(confirmation(), Qt::Key_A, Qt::ControlModifier);
    testsupport::typeText(confirmation(), "a");
    QTest::keyClick(confirmation(), Qt::Key_Tab);
    QTest::keyClick(confirmation(), Qt::Key_S, Qt::ControlModifier);
    testsupport::typeText(confirmation(), "b");
    QTest::keyClick(confirmation(), Qt::Key_Tab);
    editorWindow().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editorWindow()));
    trigger("Filesave");
    testsupport::typeText(confirmation(), "c");
    EXPECT_EQ(window2()->EditField1()->text(), "abc") << "Save As, in front or not, gives the field the keys";
    desktop.savePaths.push_back(path("retyped"));
    QTest::keyClick(confirmation(), Qt::Key_Tab);
    QTest::keyClick(confirmation(), Qt::Key_Space);
    EXPECT_EQ(read("retyped"), savedWith("abc"));
}

struct TypedCharacter {
    const char* name;
    QString character;
    bool taken;
};

void PrintTo(const TypedCharacter& c, std::ostream* out)
{
    *out << c.name;
}

class ACharacterTypedIntoTheCodeFields : public TypingTheCode, public ::testing::WithParamInterface<TypedCharacter> {};

TEST_P(ACharacterTypedIntoTheCodeFields, IsTakenByBothOrRefusedByBothWithABeep)
{
    trigger("Filesave");
    const TypedCharacter& c = GetParam();
    for (QLineEdit* field : {editorWindow().EditField1(), window2()->EditField1()}) {
        const int beeps = desktop.beeps;
        testsupport::typeText(field, "a" + c.character + "b");
        EXPECT_EQ(field->text(), c.taken ? "a" + c.character + "b" : "ab") << field->window()->objectName().toStdString();
        EXPECT_EQ(desktop.beeps - beeps, c.taken ? 0 : 1) << field->window()->objectName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Characters, ACharacterTypedIntoTheCodeFields,
    ::testing::Values(TypedCharacter{"Letter", "q", true}, TypedCharacter{"Blank", " ", true},
                      TypedCharacter{"Tilde", "~", true}, TypedCharacter{"NoBreakSpace", "\u00a0", true},
                      TypedCharacter{"EAcute", "\u00e9", true}, TypedCharacter{"YDiaeresis", "\u00ff", true},
                      TypedCharacter{"AMacron", "\u0100", false}, TypedCharacter{"CyrillicZhe", "\u0416", false},
                      TypedCharacter{"Euro", "\u20ac", false}, TypedCharacter{"Ideograph", "\u4e2d", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TypingTheCode, OpeningACodeNoKeyCouldTypeMakesNoBeep)
{
    write("odd code", "\r\r\r\r\r\x03z\r");
    desktop.openPaths.push_back(path("odd code"));
    trigger("Fileopen");
    EXPECT_EQ(editorWindow().EditField1()->text(), QStringLiteral("x\x01"));
    EXPECT_EQ(desktop.beeps, 0);
}

// The confirmation window as the designer sees it, and what its comparison tells apart.

TEST_F(Saving, TheConfirmationWindowShowsItsControlsAtTheirPlaces)
{
    trigger("Filesave");
    ASSERT_NE(window2(), nullptr);
    using testsupport::ControlRow;
    const ControlRow controls[] = {
        {"PushButton1", {222, 68, 69, 20}, "ok", 12},
        {"EditField1", {20, 31, 271, 24}, "", 12},
        {"StaticText1", {20, 8, 112, 20}, "Repeat levelcode:", 12},
        {"PushButton2", {146, 67, 69, 20}, "Close", 12},
    };
    testsupport::expectControls(*window2(), controls);
    EXPECT_EQ(window2()->size(), QSize(310, 108));
    EXPECT_TRUE(window2()->windowTitle().isEmpty());
    EXPECT_EQ(window2()->EditField1()->echoMode(), QLineEdit::Normal) << "the second typing is shown";
}

TEST_F(Saving, CodesThatDifferOnlyInLetterCaseDoNotMatch)
{
    const std::pair<const char*, const char*> cases[] = {{"Abc", "abc"}, {"abc", "ABC"}};
    for (const auto& [first, again] : cases) {
        editorWindow().EditField1()->setText(QString::fromLatin1(first));
        desktop.savePaths.push_back(path("cased"));
        trigger("Filesave");
        QTest::keyClicks(window2()->EditField1(), again);
        QTest::mouseClick(window2()->PushButton1(), Qt::LeftButton);
        EXPECT_EQ(window2()->EditField1()->text(), kMismatch) << first << " " << again;
        EXPECT_TRUE(desktop.saveDialogs.empty()) << first << " " << again;
        window2()->close();
        flushDeletes();
        desktop.savePaths.clear();
    }
    EXPECT_EQ(read("cased"), "<missing>");
}

// New Level after a level was opened or saved: a new level, not the old file under a new
// grid, so that Save As proposes no file that would be overwritten.
TEST_F(Opening, NewLevelAfterwardsIsLevelOneAgainInTheTitleAndTheProposedName)
{
    write("Level 07", testsupport::levelFile({"#####", "#@$.#", "#####"}, "ab"));
    const std::string opened = read("Level 07");
    desktop.openPaths.push_back(path("Level 07"));
    trigger("Fileopen");
    ASSERT_EQ(editorWindow().windowTitle(), "Level Editor - Level 07");
    trigger("Filenew");
    EXPECT_EQ(editorWindow().windowTitle(), "Level Editor - Level 01");
    EXPECT_EQ(editorWindow().lvlname(), "Level 01");

    saveAs(path("fresh"));
    ASSERT_EQ(desktop.saveDialogs.size(), 1u);
    EXPECT_EQ(QFileInfo(desktop.saveDialogs[0].proposedPath).fileName(), "Level 01");
    EXPECT_EQ(read("Level 07"), opened);

    trigger("Filenew");
    EXPECT_EQ(editorWindow().windowTitle(), "Level Editor - Level 01") << "after a save as well";
    saveAs(path("fresh again"));
    ASSERT_EQ(desktop.saveDialogs.size(), 2u);
    EXPECT_EQ(QFileInfo(desktop.saveDialogs[1].proposedPath).fileName(), "Level 01");
}
