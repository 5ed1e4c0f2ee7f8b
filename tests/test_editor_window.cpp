// The editor window as the designer meets it: its layout, and drawing on the grid.
#include <algorithm>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWindow>

#include "editor/ui/Tiles.h"
#include "shared/fw/Text.h"
#include "tests/support/EditorFixture.h"
#include "tests/support/TextLevel.h"
#include "tests/support/Typing.h"

using level::CellKind;
using testsupport::EditorTest;

namespace {

level::Grid allOf(CellKind kind)
{
    level::Grid grid;
    grid.fill(kind);
    return grid;
}

std::vector<int> pressedTools(const editor::Window1& window)
{
    std::vector<int> pressed;
    for (int i = 0; i < editor::kToolCount; ++i) {
        if (window.tools(i)->isChecked())
            pressed.push_back(i);
    }
    return pressed;
}

bool onBorder(int cell)
{
    const int row = cell / level::kColumns;
    const int column = cell % level::kColumns;
    return row == 0 || row == level::kRows - 1 || column == 0 || column == level::kColumns - 1;
}

} // namespace

using EditorWindow = EditorTest;

TEST_F(EditorWindow, StartsWithAnEmptyGridToolZeroAndTheNewLevelTitle)
{
    editor::Window1& w = editorWindow();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.grid(), allOf(CellKind::back));
    EXPECT_EQ(w.vilkentool(), 0);
    EXPECT_EQ(pressedTools(w), std::vector<int>{0});
    EXPECT_TRUE(w.EditField1()->text().isEmpty());
    EXPECT_EQ(w.lvlname(), "Level 01");
    EXPECT_EQ(w.windowTitle(), "Level Editor - Level 01");
}

TEST_F(EditorWindow, ControlsStandWhereTheLayoutPutsThem)
{
    editor::Window1& w = editorWindow();
    QWidget* content = w.ban()->parentWidget();
    EXPECT_EQ(content->size(), QSize(803, 671));
    EXPECT_EQ(w.minimumSize(), w.maximumSize()) << "the window is not resizable";
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(content->palette().color(QPalette::Window), QColor(0xFF, 0xDF, 0xDF));
    EXPECT_EQ(w.font().pixelSize(), 12);

    const QPoint board = w.ban()->pos();
    EXPECT_EQ(board + fw::cellRect(0).topLeft(), QPoint(55, 33));
    EXPECT_EQ(board + fw::cellRect(11).topLeft(), QPoint(594, 33));
    EXPECT_EQ(board + fw::cellRect(12).topLeft(), QPoint(55, 83));
    EXPECT_EQ(board + fw::cellRect(143).topLeft(), QPoint(594, 583));
    EXPECT_EQ(w.ban()->focusPolicy(), Qt::NoFocus);

    const QRect tools[] = {{656, 47, 60, 60}, {656, 181, 60, 60}, {721, 181, 60, 60},
                           {656, 114, 60, 60}, {721, 114, 60, 60}, {721, 47, 60, 60}};
    for (int i = 0; i < editor::kToolCount; ++i) {
        EXPECT_EQ(w.tools(i)->geometry(), tools[i]) << "tools(" << i << ")";
        EXPECT_TRUE(w.tools(i)->isCheckable());
        EXPECT_TRUE(w.tools(i)->text().isEmpty());
    }
    EXPECT_EQ(w.extras()->geometry(), QRect(655, 292, 60, 60));
    EXPECT_EQ(w.extras2()->geometry(), QRect(721, 292, 60, 60));
    EXPECT_TRUE(w.extras()->isChecked());
    EXPECT_TRUE(w.extras2()->isChecked());
    EXPECT_EQ(w.EditField1()->geometry(), QRect(655, 425, 125, 22));

    const auto* tallowick = w.findChild<QLabel*>("StaticText1");
    ASSERT_NE(tallowick, nullptr);
    EXPECT_EQ(tallowick->text(), "Tallowick");
    EXPECT_EQ(tallowick->geometry(), QRect(727, 645, 100, 20));
    const auto* levelcode = w.findChild<QLabel*>("StaticText2");
    ASSERT_NE(levelcode, nullptr);
    EXPECT_EQ(levelcode->text(), "Levelcode:");
    EXPECT_EQ(levelcode->geometry(), QRect(655, 405, 100, 20));
    const auto* group = w.findChild<QGroupBox*>("GroupBox1");
    ASSERT_NE(group, nullptr);
    EXPECT_TRUE(group->title().isEmpty());
    EXPECT_EQ(group->geometry(), QRect(649, 33, 140, 600));
}

TEST_F(EditorWindow, TheBorderListNamesTheFortyFourEdgeCellsAndIsNeverShown)
{
    const auto* ram = editorWindow().findChild<QLabel*>("ram");
    ASSERT_NE(ram, nullptr);
    EXPECT_TRUE(ram->isHidden());
    EXPECT_EQ(ram->text(), "0,1,2,3,4,5,6,7,8,9,10,11,12,23,24,35,36,47,48,59,60,71,72,83,84,95,96,107,108,"
                           "119,120,131,132,133,134,135,136,137,138,139,140,141,142,143");
    std::vector<int> listed;
    level::forEachCell(ram->text().toStdString(), [&](int cell) { listed.push_back(cell); });
    std::vector<int> border;
    for (int cell = 0; cell < level::kCells; ++cell) {
        if (onBorder(cell))
            border.push_back(cell);
    }
    EXPECT_EQ(listed, border);
}

TEST_F(EditorWindow, TheCodeFieldIsMaskedAndTakesPrintableLatin1Only)
{
    QLineEdit* field = editorWindow().EditField1();
    EXPECT_EQ(field->echoMode(), QLineEdit::Password);
    const QString typed = QStringLiteral("a B~\u00a0\u00e9\u00fe\u00ff");
    testsupport::typeText(field, typed);
    EXPECT_EQ(field->text(), typed);
    EXPECT_NE(field->displayText(), field->text());
    // Code 11 would be stored as a carriage return; beyond U+00FF no byte is left.
    for (const QString& refused : {QStringLiteral("\r"), QStringLiteral("\n"), QStringLiteral("\x0b"),
                                   QStringLiteral("\x7f"), QStringLiteral("\u0085"), QStringLiteral("\u0416"),
                                   QStringLiteral("\u20ac")}) {
        testsupport::typeText(field, refused);
        field->insert(refused);
        EXPECT_EQ(field->text(), typed) << refused.toStdString();
    }
}

TEST_F(EditorWindow, ChoosingAToolPressesItsButtonAlone)
{
    editor::Window1& w = editorWindow();
    for (int tool : {3, 5, 5, 0, 1, 4, 2}) {
        chooseTool(tool);
        EXPECT_EQ(w.vilkentool(), tool);
        EXPECT_EQ(pressedTools(w), std::vector<int>{tool});
    }
}

// One cell pressed again and again, each time with the tool given; the kind after each press.
struct PressCase {
    const char* name;
    std::vector<std::pair<int, CellKind>> steps;
};

void PrintTo(const PressCase& c, std::ostream* out)
{
    *out << c.name;
}

class PressingACell : public EditorTest, public ::testing::WithParamInterface<PressCase> {};

TEST_P(PressingACell, PlacesTheToolsTileOrTakesTheSameTileAway)
{
    constexpr int kCell = 77;
    for (const auto& [tool, expected] : GetParam().steps) {
        chooseTool(tool);
        press(kCell);
        level::Grid want = allOf(CellKind::back);
        want[kCell] = expected;
        EXPECT_EQ(editorWindow().grid(), want) << "tool " << tool;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tools, PressingACell,
    ::testing::Values(
        PressCase{"WallThenFloorAgain", {{0, CellKind::wal}, {0, CellKind::back}}},
        PressCase{"GhostReplacesWallNotFloor", {{0, CellKind::wal}, {1, CellKind::box}, {1, CellKind::back}}},
        PressCase{"PlayerReplacesGrave", {{3, CellKind::backprick}, {2, CellKind::gubb}}},
        PressCase{"GhostOnGraveBecomesAPlainGhost", {{4, CellKind::box2}, {1, CellKind::box}}},
        PressCase{"GhostOnGraveClearedOnlyByItsOwnTool", {{4, CellKind::box2}, {4, CellKind::back}}},
        PressCase{"SkeletonThenFloorAgain", {{5, CellKind::skelet}, {5, CellKind::back}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditorWindow, SeveralPlayersAndUnequalGhostsAndGravesAreAllowed)
{
    placeAll(2, {13, 25});
    placeAll(1, {40, 41, 42});
    placeAll(3, {60});
    EXPECT_EQ(testsupport::rowsOf(editorWindow().grid()),
              testsupport::rowsOf(testsupport::grid({"", " @", " @", "    $$$", "", "."})))
        << "the editor refuses nothing";
}

TEST_F(EditorWindow, HoldingTheButtonAndMovingChangesOnlyTheFirstCell)
{
    fw::BoardView* board = editorWindow().ban();
    QTest::mousePress(board, Qt::LeftButton, {}, fw::cellRect(30).center());
    for (int cell : {31, 32, 44, 56})
        QTest::mouseMove(board, fw::cellRect(cell).center());
    QTest::mouseRelease(board, Qt::LeftButton, {}, fw::cellRect(56).center());
    level::Grid want = allOf(CellKind::back);
    want[30] = CellKind::wal;
    EXPECT_EQ(editorWindow().grid(), want);
}

TEST_F(EditorWindow, TheBorderButtonWallsTheEdgeAndLeavesTheInside)
{
    placeAll(1, {5, 50});
    placeAll(5, {143, 70});
    QTest::mouseClick(editorWindow().extras(), Qt::LeftButton);
    const level::Grid after = editorWindow().grid();
    for (int cell = 0; cell < level::kCells; ++cell) {
        const CellKind want = onBorder(cell) ? CellKind::wal
            : cell == 50                     ? CellKind::box
            : cell == 70                     ? CellKind::skelet
                                             : CellKind::back;
        EXPECT_EQ(after[cell], want) << "cell " << cell;
    }
    QTest::mouseClick(editorWindow().extras(), Qt::LeftButton);
    EXPECT_EQ(editorWindow().grid(), after) << "a second press changes nothing";
    EXPECT_TRUE(editorWindow().extras()->isChecked());
}

TEST_F(EditorWindow, TheFillButtonWallsEveryCellAndWallsCanThenBeTakenAway)
{
    placeAll(4, {10, 99});
    chooseTool(0);
    QTest::mouseClick(editorWindow().extras2(), Qt::LeftButton);
    EXPECT_EQ(editorWindow().grid(), allOf(CellKind::wal));
    EXPECT_TRUE(editorWindow().extras2()->isChecked());
    press(99);
    EXPECT_EQ(editorWindow().grid()[99], CellKind::back);
}

TEST_F(EditorWindow, NewLevelClearsEverythingButTheChosenTool)
{
    placeAll(3, {1, 2, 3});
    QTest::keyClicks(editorWindow().EditField1(), "secret");
    trigger("Filenew");
    editor::Window1& w = editorWindow();
    EXPECT_EQ(w.grid(), allOf(CellKind::back));
    EXPECT_EQ(w.vilkentool(), 3);
    EXPECT_EQ(pressedTools(w), std::vector<int>{3});
    EXPECT_TRUE(w.EditField1()->text().isEmpty());
    EXPECT_EQ(w.windowTitle(), "Level Editor - Level 01");
}

TEST_F(EditorWindow, NewLevelAfterClosingTheWindowOpensAFreshOne)
{
    placeAll(5, {20});
    QTest::keyClicks(editorWindow().EditField1(), "x");
    editor::Window1* closed = &editorWindow();
    closed->close();
    flushDeletes();
    EXPECT_EQ(fw::SingleWindow<editor::Window1>::find(), nullptr);

    trigger("Filenew");
    editor::Window1& fresh = editorWindow();
    EXPECT_TRUE(fresh.isVisible());
    EXPECT_EQ(fresh.grid(), allOf(CellKind::back));
    EXPECT_EQ(fresh.vilkentool(), 0);
    EXPECT_EQ(pressedTools(fresh), std::vector<int>{0});
    EXPECT_EQ(fresh.lvlname(), "Level 01");
    EXPECT_TRUE(fresh.EditField1()->text().isEmpty());
}

TEST_F(EditorWindow, EveryTileHasOnePictureOfItsOwn)
{
    const CellKind kinds[] = {CellKind::back, CellKind::wal,  CellKind::gubb,  CellKind::box,
                              CellKind::backprick, CellKind::box2, CellKind::skelet};
    std::vector<qint64> seen;
    for (CellKind kind : kinds) {
        const QPixmap& tile = editor::tilePicture(kind, 1.0);
        ASSERT_FALSE(tile.isNull());
        EXPECT_EQ(&tile, &editor::tilePicture(kind, 1.0)) << "fetched once and kept";
        seen.push_back(tile.cacheKey());
    }
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(std::unique(seen.begin(), seen.end()), seen.end());
    for (int id = editor::kBackId; id <= editor::kFramepic2Id; ++id)
        EXPECT_TRUE(QFile::exists(QStringLiteral(":/pictures/%1.svg").arg(id))) << id;
}

// The two wall buttons show pressed at all times: after every single click, not only
// after an even number of them.
TEST_F(EditorWindow, TheWallButtonsStayPressedAfterEveryClick)
{
    editor::Window1& w = editorWindow();
    for (QToolButton* button : {w.extras(), w.extras2()}) {
        SCOPED_TRACE(button->objectName().toStdString());
        for (int click = 1; click <= 3; ++click) {
            QTest::mouseClick(button, Qt::LeftButton);
            EXPECT_TRUE(button->isChecked()) << "click " << click;
        }
    }
}

// The frame around the palette lies beneath it: a click where a button is drawn reaches it.
TEST_F(EditorWindow, EveryButtonTakesTheClicksWhereItIsDrawn)
{
    editor::Window1& w = editorWindow();
    std::vector<QToolButton*> buttons{w.extras(), w.extras2()};
    for (int i = 0; i < editor::kToolCount; ++i)
        buttons.push_back(w.tools(i));
    for (const QToolButton* button : buttons) {
        const QWidget* content = button->parentWidget();
        EXPECT_EQ(content->childAt(button->geometry().center()), button) << button->objectName().toStdString();
    }
    EXPECT_EQ(w.EditField1()->parentWidget()->childAt(w.EditField1()->geometry().center()), w.EditField1());
}
