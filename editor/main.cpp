// The level editor program: the menu bar, the editor window, then the event loop.
#include "editor/ui/App.h"
#include "shared/gui/Application.h"

int main(int argc, char** argv)
{
    fw::Application application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vesperon-editor"));
    return fw::guardedRun([&] {
        editor::App app;
        app.window1();
        return QApplication::exec();
    });
}
