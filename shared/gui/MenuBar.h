// A program's one menu bar: items found and bound by name, shown in the menu bar of each
// window that wants it, with shortcuts that act in every window of the program.
#pragma once

#include <functional>
#include <vector>

#include <QList>
#include <QObject>
#include <QString>

class QAction;
class QMenuBar;
class QWidget;

namespace fw {

class MenuBar : public QObject {
    Q_OBJECT
public:
    explicit MenuBar(QObject* parent = nullptr);

    // Appends an item to the menu named menuName, or a menu to the bar when menuName is
    // empty. Caption "-" makes a separator; "&" marks a mnemonic; shortcut "Cmd+N" means
    // Ctrl+N here. A quit item quits the program.
    QAction* Append(const QString& menuName, const QString& name, const QString& caption,
                    const QString& shortcut = {}, bool quitItem = false);

    // The item of that name anywhere in the bar, or nullptr.
    QAction* Child(const QString& name) const;

    // Binds a handler to the item of that name for the life of the program.
    void AddMenuHandler(const QString& name, std::function<bool()> handler);

    // Gives the standard Edit items their work on the focused text field.
    void bindEditItems();

    // A menu bar widget for window that shows these items.
    QMenuBar* createMenuBarFor(QWidget* window) const;
    // Makes the items' shortcuts act while window is in front, without showing a bar.
    void attachShortcuts(QWidget* window) const;

    // Top-level menus in order, with their items in order.
    struct Menu {
        QAction* action;
        QList<QAction*> items;
    };
    const std::vector<Menu>& menus() const { return m_menus; }

private:
    std::vector<Menu> m_menus;
};

} // namespace fw
