// Cell kinds to the game's picture numbers.
#include "game/ui/GamePictures.h"

#include "shared/gui/Pictures.h"

namespace game::pictures {

int idFor(level::CellKind kind)
{
    using level::CellKind;
    switch (kind) {
    case CellKind::back: return back;
    case CellKind::wal: return wal;
    case CellKind::gubb: return gubb;
    case CellKind::box: return box;
    case CellKind::backprick: return backprick;
    case CellKind::box2: return box2;
    case CellKind::skelet: return skelet;
    case CellKind::gubb2: return gubb2;
    case CellKind::gubb3: return gubb3;
    case CellKind::gubb4: return gubb4;
    case CellKind::gubbv: return gubbv;
    }
    return back;
}

const QPixmap& forKind(level::CellKind kind, qreal devicePixelRatio)
{
    return fw::picture(idFor(kind), kCellPicture, devicePixelRatio);
}

} // namespace game::pictures
