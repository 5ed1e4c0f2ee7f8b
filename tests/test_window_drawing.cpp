// The main window as the player sees it: its grab compared with our drawings rendered on
// their own, for the cover, the strips, every kind of cell and the message line's frame.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <iostream>
#include <map>
#include <memory>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>
#include <QTimer>

#include "game/ui/MenuLabel.h"
#include "game/ui/Window1.h"
#include "shared/gui/BoardView.h"
#include "tests/support/GameFixture.h"
#include "tests/support/RecordingSoundBank.h"
#include "tests/support/WidgetTest.h"

using level::CellKind;
using namespace testsupport;

namespace {

const auto* const kQt = ::testing::AddGlobalTestEnvironment(new QtEnvironment("test_window_drawing"));

// Where the strips lie over the board, in window coordinates: everything else of the
// board's area is in plain view once the cover is off.
constexpr int kSideStripLeft = 580;
constexpr int kBottomStripTop = 591;
// The strips' see-through bands: the parts of them that lie over the board.
constexpr QRect kSideBand{580, 1, 8, 590};
constexpr QRect kBottomBand{0, 591, 588, 10};

// Each cell kind's drawing, by its source file: what that kind must look like.
const std::map<CellKind, const char*> kDrawings = {
    {CellKind::back, "floor"},         {CellKind::wal, "wall"},
    {CellKind::gubb, "player-down"},   {CellKind::box, "ghost"},
    {CellKind::backprick, "grave"},    {CellKind::box2, "ghost-on-grave"},
    {CellKind::skelet, "skeleton"},    {CellKind::gubb2, "player-up"},
    {CellKind::gubb3, "player-right"}, {CellKind::gubb4, "player-left"},
    {CellKind::gubbv, "player-solved"},
};

// One of our drawings rendered on its own at a size, as the program renders its pictures.
QImage drawing(const char* name, QSize size)
{
    QSvgRenderer renderer(QStringLiteral(VESPERON_SOURCE_DIR "/art/%1.svg").arg(QLatin1String(name)));
    EXPECT_TRUE(renderer.isValid()) << name;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

const QImage& cellDrawing(CellKind kind)
{
    static std::map<CellKind, QImage> drawn;
    auto it = drawn.find(kind);
    if (it == drawn.end())
        it = drawn.emplace(kind, drawing(kDrawings.at(kind), {fw::kCellSize, fw::kCellSize})).first;
    return it->second;
}

bool samePixel(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) <= 2 && std::abs(qGreen(a) - qGreen(b)) <= 2
        && std::abs(qBlue(a) - qBlue(b)) <= 2;
}

// Pixels of area in shot that differ from expected(point); area is clipped to the shot.
int differing(const QImage& shot, QRect area, const std::function<QRgb(QPoint)>& expected)
{
    area &= shot.rect();
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += !samePixel(shot.pixel(x, y), expected({x, y}));
    }
    return count;
}

// The message plaque's frame colour, old gold; nothing else below the board is like it.
bool isGold(QRgb p)
{
    return qRed(p) >= 115 && qRed(p) <= 160 && qGreen(p) >= 95 && qGreen(p) <= 135 && qBlue(p) >= 40
        && qBlue(p) <= 85;
}

bool isBrightText(QRgb p)
{
    return qGray(p) > 200;
}

class DrawnWindow : public LevelSetFixture {
protected:
    game::Window1& w()
    {
        if (!m_window) {
            m_window = std::make_unique<game::Window1>(app, sounds);
            m_window->show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
        }
        return *m_window;
    }
    game::Game& g() { return w().game(); }

    // The window's content as drawn, in window coordinates.
    QImage shot()
    {
        m_lastShot = w().centralWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(m_lastShot.size(), QSize(game::kWindowWidth, game::kWindowHeight)) << "one pixel a point";
        return m_lastShot;
    }

    // A test that failed leaves its last grab where a person can look at it.
    void TearDown() override
    {
        if (!HasFailure() || m_lastShot.isNull())
            return;
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        const QString path = QDir::temp().filePath(QStringLiteral("%1.png").arg(QLatin1String(test->name())));
        if (m_lastShot.save(path))
            std::cerr << "The window as drawn: " << path.toStdString() << "\n";
    }

    void click(const char* name)
    {
        auto* label = w().findChild<game::MenuLabel*>(QLatin1String(name));
        ASSERT_NE(label, nullptr) << name;
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(10, 10));
    }
    void key(Qt::Key k) { QTest::keyClick(&w(), k); }

    QPoint boardAt() { return w().findChild<fw::BoardView*>(QStringLiteral("ban"))->pos(); }

    // What the board shows at a window point: the drawing of the kind of the cell on top there.
    QRgb boardPixel(QPoint point)
    {
        const QPoint onBoard = point - boardAt();
        const int cell = fw::cellAt(onBoard);
        if (cell < 0)
            return qRgb(255, 0, 255);
        return cellDrawing(g().kind(cell)).pixel(onBoard - fw::cellRect(cell).topLeft());
    }

    // Pixels of a cell's part in plain view that differ from the drawing of kind.
    int cellDiffers(const QImage& image, int cell, CellKind kind)
    {
        const QPoint at = boardAt() + fw::cellRect(cell).topLeft();
        const QRect plain = fw::visibleRect(cell).translated(boardAt()) & QRect(0, 0, kSideStripLeft, kBottomStripTop);
        return differing(image, plain, [&](QPoint p) { return cellDrawing(kind).pixel(p - at); });
    }

    RecordingSoundBank sounds;

private:
    std::unique_ptr<game::Window1> m_window;
    QImage m_lastShot;
};

} // namespace

TEST_F(DrawnWindow, TheCellDrawingsAllDifferSoThatEachKindCanBeTold)
{
    const QRect shown = fw::visibleRect(13).translated(-fw::cellRect(13).topLeft());
    for (const auto& [a, nameA] : kDrawings) {
        for (const auto& [b, nameB] : kDrawings) {
            if (a == b)
                continue;
            const int unlike = differing(cellDrawing(a), shown, [&](QPoint p) { return cellDrawing(b).pixel(p); });
            EXPECT_GT(unlike, 100) << nameA << " and " << nameB;
        }
    }
}

TEST_F(DrawnWindow, TheTitleStateShowsTheCoverOverTheBoardAndThroughTheStripsWhite)
{
    addLevel(1, {"#####", "#@$.#", "#####"});
    const QImage cover = drawing("cover", {590, 600});
    const auto coverPixel = [&](QPoint p) { return cover.pixel(p); };
    // The cover's whole width up to the side strip's moulding, and its whole height.
    const QRect covered{0, 0, 588, 600};

    const QImage title = shot();
    EXPECT_EQ(differing(title, covered, coverPixel), 0);

    click("StaticText1");
    EXPECT_GT(differing(shot(), covered, coverPixel), 100000) << "the board is uncovered";
    click("StaticText5");
    EXPECT_EQ(differing(shot(), covered, coverPixel), 0) << "End Game covers it again";
}

TEST_F(DrawnWindow, EveryCellShowsThePictureOfItsKind)
{
    addLevel(1, {
        "############",
        "#  S    .  #",
        "# @ $   *  #",
        "#   S  .$  #",
        "############",
    });
    click("StaticText1");
    ASSERT_FALSE(g().victory);
    const QImage level = shot();
    int seen[11] = {};
    for (int cell = 0; cell < level::kCells; ++cell) {
        const CellKind kind = g().kind(cell);
        ++seen[int(kind)];
        EXPECT_EQ(cellDiffers(level, cell, kind), 0) << "cell " << cell << " showing " << kDrawings.at(kind);
    }
    for (CellKind kind : {CellKind::back, CellKind::wal, CellKind::gubb, CellKind::box, CellKind::backprick,
                          CellKind::box2, CellKind::skelet})
        EXPECT_GT(seen[int(kind)], 0) << kDrawings.at(kind);
}

TEST_F(DrawnWindow, ThePlayerFacesTheLastDirectionAndShowsTheSolvedPictureOnAWin)
{
    addLevel(1, {"#######", "#     #", "# @$. #", "#     #", "#######"});
    click("StaticText1");
    ASSERT_EQ(g().gubbpos, 26);
    struct Case { Qt::Key key; int cell; CellKind facing; };
    // Round the ghost and back to where the player started, then the push onto the grave.
    const Case cases[] = {
        {Qt::Key_Up, 14, CellKind::gubb2},   {Qt::Key_Right, 15, CellKind::gubb3},
        {Qt::Key_Right, 16, CellKind::gubb3}, {Qt::Key_Down, 28, CellKind::gubb},
        {Qt::Key_Down, 40, CellKind::gubb},  {Qt::Key_Left, 39, CellKind::gubb4},
        {Qt::Key_Left, 38, CellKind::gubb4}, {Qt::Key_Up, 26, CellKind::gubb2},
    };
    for (const Case& c : cases) {
        key(c.key);
        ASSERT_EQ(g().gubbpos, c.cell);
        EXPECT_EQ(cellDiffers(shot(), c.cell, c.facing), 0) << kDrawings.at(c.facing);
    }
    key(Qt::Key_Right);
    ASSERT_TRUE(g().lockedkeys);
    const QImage won = shot();
    EXPECT_EQ(cellDiffers(won, 27, CellKind::gubbv), 0);
    EXPECT_EQ(cellDiffers(won, 28, CellKind::box2), 0);
}

TEST_F(DrawnWindow, TheBoardShowsThroughTheStripsWhiteParts)
{
    // Floor, graves, a ghost and skeletons in the outer column and row that the strips
    // overlap, so that what shows there is the board and not some one colour.
    addLevel(1, {
        "############",
        "#@$.       .",
        "#          S",
        "#           ",
        "#          $",
        "#          #",
        "#          #",
        "#          #",
        "#          #",
        "#          #",
        "#          #",
        "# . S $ # S ",
    });
    click("StaticText1");
    const QImage level = shot();
    const auto board = [&](QPoint p) { return boardPixel(p); };
    EXPECT_EQ(differing(level, kSideBand, board), 0);
    EXPECT_EQ(differing(level, kBottomBand, board), 0);

    // Where the strips are not white, they are drawn over the board.
    const QImage side = drawing("strip-side", {171, 640});
    const QImage bottom = drawing("strip-bottom", {723, 68});
    const QRect sideScene{592, 330, 132, 248}; // below the labels
    const QRect bottomScene{0, 606, 160, 43};  // left of the message line
    EXPECT_EQ(differing(level, sideScene, [&](QPoint p) { return side.pixel(p - QPoint(580, -2)); }), 0);
    EXPECT_EQ(differing(level, bottomScene, [&](QPoint p) { return bottom.pixel(p - QPoint(0, 591)); }), 0);
}

TEST_F(DrawnWindow, TheMessageLinesGoldFrameShowsWholeAroundTheLongestMessage)
{
    addLevel(1, {"#####", "#@$.#", "#####"});
    click("StaticText1");
    w().findChild<QTimer*>(QStringLiteral("Timer1"))->setInterval(1);
    key(Qt::Key_Right);
    ASSERT_TRUE(waitUntil([&] { return g().victory; }));
    const QImage image = shot();

    const QRect belowBoard{0, 601, image.width(), image.height() - 601};
    QRect frame;
    for (int y = belowBoard.top(); y <= belowBoard.bottom(); ++y) {
        for (int x = belowBoard.left(); x <= belowBoard.right(); ++x) {
            if (isGold(image.pixel(x, y)))
                frame |= QRect(x, y, 1, 1);
        }
    }
    ASSERT_FALSE(frame.isEmpty());
    // Each edge is a gold line along its whole straight part, between the rounded corners.
    const int corner = 8;
    const auto goldAcross = [&](QPoint from, QPoint step, int length, QPoint inward) {
        int missing = 0;
        for (int k = 0; k < length; ++k) {
            const QPoint p = from + step * k;
            missing += !isGold(image.pixel(p)) && !isGold(image.pixel(p + inward));
        }
        return missing;
    };
    const int width = frame.width() - 2 * corner;
    const int height = frame.height() - 2 * corner;
    ASSERT_GT(width, 300);
    ASSERT_GT(height, 15);
    EXPECT_EQ(goldAcross(frame.topLeft() + QPoint(corner, 0), {1, 0}, width, {0, 1}), 0) << "top edge";
    EXPECT_EQ(goldAcross(frame.bottomLeft() + QPoint(corner, 0), {1, 0}, width, {0, -1}), 0) << "bottom edge";
    EXPECT_EQ(goldAcross(frame.topLeft() + QPoint(0, corner), {0, 1}, height, {1, 0}), 0) << "left edge";
    EXPECT_EQ(goldAcross(frame.topRight() + QPoint(0, corner), {0, 1}, height, {-1, 0}), 0) << "right edge";

    // The message sits inside the frame.
    int outside = 0, inside = 0;
    for (int y = belowBoard.top(); y <= belowBoard.bottom(); ++y) {
        for (int x = 150; x < kSideStripLeft; ++x) {
            if (isBrightText(image.pixel(x, y)))
                ++(frame.adjusted(2, 2, -2, -2).contains(x, y) ? inside : outside);
        }
    }
    EXPECT_GT(inside, 200) << "the message is drawn";
    EXPECT_EQ(outside, 0);
}
