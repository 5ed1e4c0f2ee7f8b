// The editor's nine pictures: the seven tiles a cell can show and the two wall buttons'
// icons, fetched from the program's resources by number and kept once drawn.
#pragma once

#include <array>

#include <QIcon>
#include <QPixmap>

#include "shared/level/CellKind.h"

namespace editor {

inline constexpr int kBackId = 168;
inline constexpr int kBackprickId = 169;
inline constexpr int kGubbId = 170;
inline constexpr int kWalId = 171;
inline constexpr int kBox2Id = 172;
inline constexpr int kBoxId = 173;
inline constexpr int kSkeletId = 174;
inline constexpr int kFramepicId = 175;
inline constexpr int kFramepic2Id = 176;

inline constexpr int kToolCount = 6;

// The tile each palette button places, by the button's index.
inline constexpr std::array<level::CellKind, kToolCount> kToolTiles = {
    level::CellKind::wal,       level::CellKind::box,  level::CellKind::gubb,
    level::CellKind::backprick, level::CellKind::box2, level::CellKind::skelet,
};

// The resource number of a tile; kinds the editor never shows fall back to floor.
int pictureId(level::CellKind kind);

// A tile drawn for a 50 x 50 cell. The same kind always gives the same object.
const QPixmap& tilePicture(level::CellKind kind, qreal devicePixelRatio);

// A picture as a button icon of the given side, sharp at ratios 1 and 2.
QIcon iconOf(int pictureId, int side);

} // namespace editor
