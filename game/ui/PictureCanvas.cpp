// Picture canvases.
#include "game/ui/PictureCanvas.h"

#include <QPainter>

#include "shared/gui/Pictures.h"

namespace game {

PictureCanvas::PictureCanvas(int pictureId, QSize pictureSize, bool whiteTransparent, QWidget* parent)
    : QWidget(parent)
    , m_pictureId(pictureId)
    , m_pictureSize(pictureSize)
    , m_whiteTransparent(whiteTransparent)
{
    setFocusPolicy(Qt::NoFocus);
}

void PictureCanvas::paintEvent(QPaintEvent*)
{
    const qreal dpr = devicePixelRatioF();
    const QPixmap& pixmap = m_whiteTransparent ? fw::pictureWhiteTransparent(m_pictureId, m_pictureSize, dpr)
                                               : fw::picture(m_pictureId, m_pictureSize, dpr);
    if (pixmap.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, pixmap);
}

} // namespace game
