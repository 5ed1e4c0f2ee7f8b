// Template part of LevelFile.h.
#pragma once

#include "shared/fw/Text.h"

namespace level {

template <typename F>
void forEachCell(std::string_view list, F&& f)
{
    for (std::string_view entry : fw::SplitFields(list, ","))
        f(fw::ValInt32(entry));
}

} // namespace level
