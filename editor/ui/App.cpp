// Start-up of the menu bar and the menu handlers.
#include "editor/ui/App.h"

#include <array>

#include <QAction>
#include <QLineEdit>
#include <QMenu>

#include "editor/ui/Window1.h"
#include "editor/ui/Window2.h"
#include "editor/ui/convertwindow.h"
#include "shared/gui/SingleWindow.h"

namespace editor {
namespace {

struct Item {
    const char* menu; // empty for a menu of the bar itself
    const char* name;
    const char* caption;
    const char* shortcut;
};

constexpr std::array<Item, 14> kMenuBar1 = {{
    {"", "FileMenu", "&File", ""},
    {"FileMenu", "Filenew", "New Level", "Cmd+N"},
    {"FileMenu", "Fileopen", "Open", "Cmd+O"},
    {"FileMenu", "Filesave", "Save As", "Cmd+S"},
    {"FileMenu", "UntitledMenu1", "-", ""},
    {"FileMenu", "fileconvert", "Convert", "Cmd+K"},
    {"FileMenu", "FileQuit", "Quit", "Cmd+Q"},
    {"", "EditMenu", "&Edit", ""},
    {"EditMenu", "EditUndo", "&Undo", "Cmd+Z"},
    {"EditMenu", "UntitledMenu0", "-", ""},
    {"EditMenu", "EditCut", "Cu&t", "Cmd+X"},
    {"EditMenu", "EditCopy", "&Copy", "Cmd+C"},
    {"EditMenu", "EditPaste", "&Paste", "Cmd+V"},
    {"EditMenu", "EditClear", "Clear", ""},
}};

void bringToFront(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

App::App()
{
    for (const Item& item : kMenuBar1) {
        const QString name = QString::fromLatin1(item.name);
        m_MenuBar1.Append(QString::fromLatin1(item.menu), name, QString::fromLatin1(item.caption),
                          QString::fromLatin1(item.shortcut), name == QLatin1String("FileQuit"));
    }
    m_MenuBar1.AddMenuHandler(QStringLiteral("Filenew"), [this] { return _Filenew_Action(); });
    m_MenuBar1.AddMenuHandler(QStringLiteral("Filesave"), [this] { return _Filesave_Action(); });
    m_MenuBar1.AddMenuHandler(QStringLiteral("Fileopen"), [this] { return _Fileopen_Action(); });
    m_MenuBar1.AddMenuHandler(QStringLiteral("fileconvert"), [this] { return _fileconvert_Action(); });
    m_MenuBar1.bindEditItems();
    EnableMenuItems();
}

App::~App()
{
    delete fw::SingleWindow<convertwindow>::find();
    delete fw::SingleWindow<Window2>::find();
    delete fw::SingleWindow<Window1>::find();
}

void App::EnableMenuItems()
{
    for (const char* name : {"fileconvert", "Filenew", "Fileopen", "FileQuit", "Filesave"}) {
        if (QAction* item = m_MenuBar1.Child(QString::fromLatin1(name)))
            item->setEnabled(true);
    }
}

bool App::_Filenew_Action()
{
    window1().cleaneditor();
    return false;
}

bool App::_Filesave_Action()
{
    Window2& window = window2();
    bringToFront(window);
    // The code is typed again into the field, wherever Tab had left the keys.
    window.EditField1()->setFocus();
    return false;
}

bool App::_Fileopen_Action()
{
    window1().openlevel();
    return false;
}

bool App::_fileconvert_Action()
{
    bringToFront(convertWindow());
    return false;
}

Window1& App::window1()
{
    bool made = false;
    Window1& window = fw::SingleWindow<Window1>::get([&] {
        made = true;
        return new Window1(m_MenuBar1, m_lastFolder);
    });
    if (made) {
        // The menus ask for enabling each time they open, as the menu-enabling event does.
        for (QMenu* menu : window.findChildren<QMenu*>())
            QObject::connect(menu, &QMenu::aboutToShow, menu, [this] { EnableMenuItems(); });
        window.show();
    }
    return window;
}

Window2& App::window2()
{
    return fw::SingleWindow<Window2>::get([this] { return new Window2(*this); });
}

convertwindow& App::convertWindow()
{
    return fw::SingleWindow<convertwindow>::get([this] { return new convertwindow(m_MenuBar1, m_lastFolder); });
}

} // namespace editor
