// Board drawing and the pixel-cell conversions.
#include "shared/gui/BoardView.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace fw {

using level::kColumns;

QRect cellRect(int cell)
{
    return {kColumnPitch * (cell % kColumns), kRowPitch * (cell / kColumns), kCellSize, kCellSize};
}

// The part of a cell that shows: all but the pixel column its right-hand neighbour covers.
QRect visibleRect(int cell)
{
    QRect rect = cellRect(cell);
    if (cell % kColumns != kColumns - 1)
        rect.setWidth(kColumnPitch);
    return rect;
}

int cellAt(QPoint point)
{
    const QSize size = boardSize();
    if (point.x() < 0 || point.y() < 0 || point.x() >= size.width() || point.y() >= size.height())
        return -1;
    const int column = std::min(point.x() / kColumnPitch, kColumns - 1);
    const int row = std::min(point.y() / kRowPitch, level::kRows - 1);
    return row * kColumns + column;
}

QSize boardSize()
{
    return {kColumnPitch * (kColumns - 1) + kCellSize, kRowPitch * level::kRows};
}

BoardView::BoardView(const level::Grid& grid, PictureFor pictureFor, QWidget* parent)
    : QWidget(parent)
    , m_grid(grid)
    , m_pictureFor(std::move(pictureFor))
{
    setFixedSize(boardSize());
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardView::updateCell(int cell)
{
    if (level::onBoard(cell))
        update(visibleRect(cell));
}

void BoardView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const qreal dpr = devicePixelRatioF();
    m_lastPainted = 0;
    // In index order, so that a right-hand neighbour lies over the shared pixel column.
    for (int cell = 0; cell < level::kCells; ++cell) {
        const QRect rect = cellRect(cell);
        if (!event->region().intersects(visibleRect(cell)))
            continue;
        ++m_lastPainted;
        const QPixmap& pixmap = m_pictureFor(m_grid[cell], dpr);
        if (pixmap.isNull())
            painter.fillRect(rect, Qt::black);
        else
            painter.drawPixmap(rect.topLeft(), pixmap);
    }
}

void BoardView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int cell = cellAt(event->position().toPoint());
    if (cell >= 0)
        emit cellPressed(cell);
}

} // namespace fw
