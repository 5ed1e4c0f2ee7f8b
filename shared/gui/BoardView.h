// The 12 by 12 board as one widget: draws each cell's picture and reports presses by cell.
// Columns are 49 pixels apart and rows 50, each cell 50 x 50, so a cell's rightmost pixel
// column lies under its right-hand neighbour, as in both programs' layouts.
#pragma once

#include <functional>

#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QWidget>

#include "shared/level/CellKind.h"

namespace fw {

inline constexpr int kCellSize = 50;
inline constexpr int kColumnPitch = 49;
inline constexpr int kRowPitch = 50;

// The cell's rectangle relative to the board's top-left corner.
QRect cellRect(int cell);
// The part of the cell not covered by its right-hand neighbour.
QRect visibleRect(int cell);
// The cell that shows at a point relative to the board's top-left corner, or -1. On a
// shared pixel column the right-hand cell, which lies above, wins.
int cellAt(QPoint point);
// The board's size: 589 x 600.
QSize boardSize();

class BoardView : public QWidget {
    Q_OBJECT
public:
    using PictureFor = std::function<const QPixmap&(level::CellKind kind, qreal devicePixelRatio)>;

    BoardView(const level::Grid& grid, PictureFor pictureFor, QWidget* parent = nullptr);

    // Repaints one cell after its kind changed.
    void updateCell(int cell);
    // Cells painted by the last paint event, for measuring how much a change redraws.
    int lastPaintedCells() const { return m_lastPainted; }

signals:
    void cellPressed(int cell);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const level::Grid& m_grid;
    PictureFor m_pictureFor;
    int m_lastPainted = 0;
};

} // namespace fw
