// Start-up of the game's application object.
#include "game/ui/App.h"

#include <QIcon>

#include <QTimer>

#include "game/ui/MenuBar1.h"
#include "game/ui/SoundBank.h"
#include "game/ui/Window1.h"
#include "game/windows/AboutBox.h"
#include "game/windows/LoadGameWindow.h"
#include "game/windows/SettingsWindow.h"
#include "shared/gui/Desktop.h"
#include "shared/gui/SingleWindow.h"

namespace game {
namespace {

App* s_app = nullptr;

} // namespace

App::App(int& argc, char** argv, std::unique_ptr<SoundBank> sounds)
    : fw::Application(argc, argv)
    , m_fileTypes{{"text", "", "TEXT", "R*ch"}, {"special/folder", "", "fold", "MACS"}}
    , m_menuBar(std::make_unique<MenuBar1>())
    , m_sounds(sounds ? std::move(sounds) : std::make_unique<EffectSoundBank>())
{
    setApplicationName(QStringLiteral("vesperon"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/vesperon.svg")));
    s_app = this;
}

App::~App()
{
    // Every window reads our settings, and the main window plays through our sounds: they
    // go first, a side window still open at Quit included.
    delete fw::SingleWindow<preff>::find();
    delete fw::SingleWindow<Loadgamewindow>::find();
    delete fw::SingleWindow<about>::find();
    delete Window1::instance();
    s_app = nullptr;
}

App& App::instance()
{
    return *s_app;
}

int App::run()
{
    QTimer::singleShot(0, this, &App::Open);
    return exec();
}

void App::Open()
{
    const PrefsFile prefs = loadprefs();
    Window1& window = fw::SingleWindow<Window1>::get([this] { return new Window1(*this, *m_sounds, m_menuBar.get()); });
    const MenuBar1* menuBar = m_menuBar.get();
    window.onSettings = [this, &window, menuBar] { showSettings(*this, &window, menuBar); };
    window.onAbout = [&window, menuBar] { showAbout(&window, menuBar); };
    window.onLoadGame = [this, &window, menuBar] {
        const auto startAt = [&window](int level) {
            window.game().wichlevel = level;
            window.klickanewgame();
        };
        showLoadGame(*this, &window, startAt, menuBar);
    };
    window.show();
    if (prefs == PrefsFile::NotWritten)
        fw::MsgBox(&window, prefsNotSavedMessage());
    else if (prefs == PrefsFile::Unusable)
        fw::MsgBox(&window, prefsUnusableMessage());
}

} // namespace game
