// The editor's application object: the one menu bar with its items bound to the menu
// handlers by name, and the windows, each made at most once.
#pragma once

#include "editor/ui/LastFolder.h"
#include "shared/gui/MenuBar.h"

namespace editor {

class Window1;
class Window2;
class convertwindow;

class App {
public:
    App();
    // Ends the windows still open; they use the menu bar.
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    fw::MenuBar& MenuBar1() { return m_MenuBar1; }

    // Nothing is ever disabled: New Level, Open, Save As, Convert and Quit act at all times.
    void EnableMenuItems();

    bool _Filenew_Action();
    bool _Filesave_Action();
    bool _Fileopen_Action();
    bool _fileconvert_Action();

    // The open window of each kind, or a fresh one; a fresh editor window opens at once.
    Window1& window1();
    Window2& window2();
    convertwindow& convertWindow();

private:
    fw::MenuBar m_MenuBar1;
    LastFolder m_lastFolder; // shared by the editor's and the converter's dialogs
};

} // namespace editor
