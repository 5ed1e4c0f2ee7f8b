// The game's side windows as the tests reach them: the title label that opens each, and how
// to find it once it is open.
#pragma once

#include <QWidget>

#include "game/windows/AboutBox.h"
#include "game/windows/LoadGameWindow.h"
#include "game/windows/SettingsWindow.h"
#include "shared/gui/SingleWindow.h"

namespace testsupport {

struct SideWindowLabel {
    const char* label;
    QWidget* (*find)();
};

inline constexpr SideWindowLabel kSideWindows[] = {
    {"StaticText3", [] { return static_cast<QWidget*>(fw::SingleWindow<game::preff>::find()); }},
    {"StaticText6", [] { return static_cast<QWidget*>(fw::SingleWindow<game::Loadgamewindow>::find()); }},
    {"StaticText2", [] { return static_cast<QWidget*>(fw::SingleWindow<game::about>::find()); }},
};

} // namespace testsupport
