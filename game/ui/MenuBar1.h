// The game's menu bar: File with Quit, and the standard Edit items, which act only on a
// focused text field.
#pragma once

#include "shared/gui/MenuBar.h"

namespace game {

class MenuBar1 : public fw::MenuBar {
    Q_OBJECT
public:
    explicit MenuBar1(QObject* parent = nullptr);
};

} // namespace game
