// The level editor's main window: the 12 by 12 grid, the tile palette, the two wall
// buttons and the masked level code field. The grid's kinds are the level itself.
#pragma once

#include <array>
#include <cstdint>

#include <QString>
#include <QWidget>

#include "editor/ui/Tiles.h"
#include "shared/level/CellKind.h"
#include "shared/level/LevelFile.h"

class QLabel;
class QLineEdit;
class QToolButton;

namespace fw {
class BoardView;
class MenuBar;
} // namespace fw

namespace editor {

class LastFolder;

class Window1 : public QWidget {
    Q_OBJECT
public:
    // The file dialogs start in lastFolder, and each file opened or saved moves it.
    Window1(const fw::MenuBar& menuBar, LastFolder& lastFolder, QWidget* parent = nullptr);

    // New Level: all floor, the name "Level 01", no code; the tool stays.
    void cleaneditor();
    // Writes the grid and the code to the file the save dialog gives.
    void savelevel();
    // Reads the file the open dialog gives into the grid and the code field.
    void openlevel();

    const level::Grid& grid() const { return m_grid; }
    int vilkentool() const { return m_vilkentool; } // the selected tool, 0 to 5 (kToolTiles)
    // The level's name: the title shows it and the save dialog proposes it.
    const QString& lvlname() const { return m_lvlname; }

    // The file last opened, as read: its fields and what they gave.
    const level::LevelFields& readlvldata() const { return m_opened.readlvldata; } // fields 1 to 6
    const std::string& lvlstring() const { return m_opened.lvlstring; }            // the walls
    std::int32_t gubbpos() const { return m_opened.gubbpos; }                      // the player's cell
    // The graves, entries 1 to the number the file lists.
    const std::array<std::int32_t, level::kMaxBoxes + 1>& prickplats() const { return m_opened.prickplats; }
    // The ghosts, entries 1 to antalboxes.
    const std::array<std::int32_t, level::kMaxBoxes + 1>& boxpos() const { return m_opened.boxpos; }
    int antalboxes() const { return m_opened.antalboxes; }                         // the number of ghosts
    const std::string& skelstring() const { return m_opened.skelstring; }          // the skeletons

    fw::BoardView* ban() const { return m_ban; }           // the grid, one cell per CellIndex
    QLineEdit* EditField1() const { return m_EditField1; } // the masked level code
    // The palette buttons: tool index selects the tile kToolTiles gives.
    QToolButton* tools(int index) const { return m_tools.at(static_cast<std::size_t>(index)); }
    QToolButton* extras() const { return m_extras; }   // puts walls round the border
    QToolButton* extras2() const { return m_extras2; } // fills the grid with walls

private:
    void tools_Action(int index);
    void ban_MouseDown(int cell); // a press on a grid cell
    void extras_Action();
    void extras2_Action();

    void setCell(std::int64_t cell, level::CellKind kind);
    void setLvlname(const QString& name);
    QToolButton* makeButton(QWidget* content, int pictureId, int left, int top);

    LastFolder& m_lastFolder;
    level::Grid m_grid{};
    int m_vilkentool = 0;
    level::LevelData m_opened;
    QString m_lvlname;

    fw::BoardView* m_ban = nullptr;
    QLabel* m_ram = nullptr; // hidden; its text lists the border cells
    QLineEdit* m_EditField1 = nullptr;
    std::array<QToolButton*, kToolCount> m_tools{};
    QToolButton* m_extras = nullptr;
    QToolButton* m_extras2 = nullptr;
};

// What a save that could not write to path tells the designer.
QString notSavedMessage(const QString& path);

// Makes field take the characters a typed level code may hold, the same in every code
// field, and beep at a key it refuses.
void takeCodeCharacters(QLineEdit& field);

// A window title that shows text exactly, with Qt's "[*]" placeholder taken literally.
QString plainTitle(const QString& text);

} // namespace editor
