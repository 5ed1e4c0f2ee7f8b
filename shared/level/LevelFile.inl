// Template part of LevelFile.h.
#pragma once

#include <algorithm>

#include "shared/fw/Text.h"

namespace level {

template <typename F>
void forEachCell(std::string_view list, F&& f)
{
    for (std::string_view entry : fw::SplitFields(list, ","))
        f(fw::ValInt32(entry));
}

template <typename Set>
void drawGravesThenGhosts(int antalboxes, const std::array<std::int32_t, kMaxBoxes + 1>& prickplats,
                          const std::array<std::int32_t, kMaxBoxes + 1>& boxpos, Set&& set)
{
    const int count = std::min(antalboxes, kMaxBoxes);
    for (int k = 1; k <= count; ++k)
        set(prickplats[k], CellKind::backprick);
    for (int k = 1; k <= count; ++k)
        set(boxpos[k], CellKind::box);
}

} // namespace level
