// The game's application object: it owns the player's settings, the menu bar and the
// sounds for the life of the program, and opens the main window once the settings are in.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "game/core/Preferences.h"
#include "game/ui/SoundBank.h"
#include "shared/gui/Application.h"

namespace game {

class MenuBar1;

// A file type the program declares by name. Nothing in the game asks for one later: no
// dialog, file or check refers to them.
struct FileType {
    std::string Name;
    std::string Extensions;
    std::string MacType;
    std::string MacCreator;
};

class App : public fw::Application, public Preferences {
    Q_OBJECT
public:
    // The main window plays through sounds; without one, through the program's own.
    App(int& argc, char** argv, std::unique_ptr<SoundBank> sounds = nullptr);
    ~App() override;

    // The one application object while it exists.
    static App& instance();

    // Runs the event loop, whose first event is Open; returns the exit status.
    int run();
    // Loads the preferences (writing the defaults when there are none), then opens the
    // main window, over which a failed write of the defaults is reported.
    void Open();

    MenuBar1& MenuBar() { return *m_menuBar; }
    const std::vector<FileType>& fileTypes() const { return m_fileTypes; }

private:
    std::vector<FileType> m_fileTypes;
    std::unique_ptr<MenuBar1> m_menuBar;
    std::unique_ptr<SoundBank> m_sounds;
};

} // namespace game
