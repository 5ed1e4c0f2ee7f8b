// The game's pictures by resource number, and the picture each board cell kind shows.
#pragma once

#include <QPixmap>
#include <QSize>

#include "shared/level/CellKind.h"

namespace game::pictures {

inline constexpr int underram = 169;
inline constexpr int sidram = 170;
inline constexpr int gubbv = 171;
inline constexpr int ddd = 172;
inline constexpr int skelet = 173;
inline constexpr int gubb4 = 175;
inline constexpr int gubb3 = 176;
inline constexpr int gubb2 = 177;
inline constexpr int gubb = 178;
inline constexpr int wal = 179;
inline constexpr int box2 = 180;
inline constexpr int box = 181;
inline constexpr int back = 182;
inline constexpr int backprick = 183;

// The sizes the cover and the strips are drawn at; their canvases show the top-left part
// of them when they are smaller.
inline constexpr QSize kCellPicture{50, 50};
inline constexpr QSize kCoverPicture{590, 600};
inline constexpr QSize kBottomStripPicture{723, 68};
inline constexpr QSize kSideStripPicture{171, 640};

int idFor(level::CellKind kind);

// The kept picture of a cell kind at cell size.
const QPixmap& forKind(level::CellKind kind, qreal devicePixelRatio);

} // namespace game::pictures
