// Menus by item name.
#include "shared/gui/MenuBar.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <stdexcept>

namespace fw {

MenuBar::MenuBar(QObject* parent)
    : QObject(parent)
{
}

QAction* MenuBar::Append(const QString& menuName, const QString& name, const QString& caption,
                         const QString& shortcut, bool quitItem)
{
    const bool separator = caption == QLatin1String("-");
    // A separator's text would be drawn beside its line as a section title.
    auto* action = new QAction(separator ? QString() : caption, this);
    action->setObjectName(name);
    action->setEnabled(true);
    action->setSeparator(separator);
    if (!shortcut.isEmpty()) {
        QString keys = shortcut;
        keys.replace(QLatin1String("Cmd"), QLatin1String("Ctrl"));
        action->setShortcut(QKeySequence(keys));
        action->setShortcutContext(Qt::WindowShortcut);
    }
    if (quitItem) {
        action->setMenuRole(QAction::QuitRole);
        connect(action, &QAction::triggered, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    }
    if (menuName.isEmpty()) {
        m_menus.push_back({action, {}});
    } else {
        for (Menu& menu : m_menus) {
            if (menu.action->objectName() == menuName) {
                menu.items.append(action);
                return action;
            }
        }
        throw std::runtime_error("no menu named " + menuName.toStdString());
    }
    return action;
}

QAction* MenuBar::Child(const QString& name) const
{
    for (const Menu& menu : m_menus) {
        if (menu.action->objectName() == name)
            return menu.action;
        for (QAction* item : menu.items) {
            if (item->objectName() == name)
                return item;
        }
    }
    return nullptr;
}

void MenuBar::AddMenuHandler(const QString& name, std::function<bool()> handler)
{
    QAction* item = Child(name);
    if (!item)
        throw std::runtime_error("no menu item named " + name.toStdString());
    connect(item, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
}

void MenuBar::bindEditItems()
{
    const auto onFocusedField = [this](const char* name, auto lineEdit, auto textEdit) {
        if (QAction* item = Child(QString::fromLatin1(name))) {
            connect(item, &QAction::triggered, this, [lineEdit, textEdit] {
                QWidget* focus = QApplication::focusWidget();
                if (auto* line = qobject_cast<QLineEdit*>(focus))
                    lineEdit(line);
                else if (auto* text = qobject_cast<QPlainTextEdit*>(focus))
                    textEdit(text);
            });
        }
    };
    onFocusedField("EditUndo", [](QLineEdit* e) { e->undo(); }, [](QPlainTextEdit* e) { e->undo(); });
    onFocusedField("EditCut", [](QLineEdit* e) { e->cut(); }, [](QPlainTextEdit* e) { e->cut(); });
    onFocusedField("EditCopy", [](QLineEdit* e) { e->copy(); }, [](QPlainTextEdit* e) { e->copy(); });
    onFocusedField("EditPaste", [](QLineEdit* e) { e->paste(); }, [](QPlainTextEdit* e) { e->paste(); });
    onFocusedField("EditClear", [](QLineEdit* e) { e->del(); },
                   [](QPlainTextEdit* e) { e->textCursor().removeSelectedText(); });
}

QMenuBar* MenuBar::createMenuBarFor(QWidget* window) const
{
    auto* bar = new QMenuBar(window);
    for (const Menu& menu : m_menus) {
        QMenu* shown = bar->addMenu(menu.action->text());
        shown->setObjectName(menu.action->objectName());
        shown->addActions(menu.items);
    }
    attachShortcuts(window);
    return bar;
}

void MenuBar::attachShortcuts(QWidget* window) const
{
    for (const Menu& menu : m_menus)
        window->addActions(menu.items);
}

} // namespace fw
