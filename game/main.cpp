// The game program: the application object runs until the player quits.
#include "game/ui/App.h"

int main(int argc, char** argv)
{
    return fw::guardedRun([&] {
        game::App app(argc, argv);
        return app.run();
    });
}
