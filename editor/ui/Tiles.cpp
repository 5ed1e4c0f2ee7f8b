// The editor's pictures by kind.
#include "editor/ui/Tiles.h"

#include "shared/gui/BoardView.h"
#include "shared/gui/Pictures.h"

namespace editor {

int pictureId(level::CellKind kind)
{
    using level::CellKind;
    switch (kind) {
    case CellKind::backprick: return kBackprickId;
    case CellKind::gubb: return kGubbId;
    case CellKind::wal: return kWalId;
    case CellKind::box2: return kBox2Id;
    case CellKind::box: return kBoxId;
    case CellKind::skelet: return kSkeletId;
    default: return kBackId;
    }
}

const QPixmap& tilePicture(level::CellKind kind, qreal devicePixelRatio)
{
    return fw::picture(pictureId(kind), {fw::kCellSize, fw::kCellSize}, devicePixelRatio);
}

QIcon iconOf(int pictureId, int side)
{
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0})
        icon.addPixmap(fw::picture(pictureId, {side, side}, ratio));
    return icon;
}

} // namespace editor
