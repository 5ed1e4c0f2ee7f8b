// Pictures from the program's resources by number, drawn from our SVG sources once per
// size and device pixel ratio and then kept for the life of the program.
#pragma once

#include <QPixmap>
#include <QSize>

namespace fw {

// The picture with resource number id (":/pictures/<id>.svg") at a logical size; a null
// pixmap when the resource is missing, which is reported once on standard error. Nothing
// is kept for a missing picture, so a later call looks for it again.
const QPixmap& picture(int id, QSize size, qreal devicePixelRatio);

// The same with white left undrawn, for frame strips laid over the board.
const QPixmap& pictureWhiteTransparent(int id, QSize size, qreal devicePixelRatio);

} // namespace fw
