// What the windows opened from the main window's labels share: while one is open the main
// window is hidden and the side window stands centred on its place, though never off that
// window's screen, and closing it, by a button or by the close box, shows the main window
// again where it was; the menu bar's shortcuts act in it as in the main window.
#pragma once

#include <optional>

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

class QCloseEvent;
class QLabel;
class QShowEvent;

class QPushButton;

namespace fw {
class MenuBar;
} // namespace fw

namespace game {

class SideWindow : public QWidget {
    Q_OBJECT
public:
    // mainWindow may be nullptr (no main window to hide) and may end before this window;
    // menuBar may be nullptr (no shortcuts).
    SideWindow(QWidget* mainWindow, QColor background, const fw::MenuBar* menuBar);

protected:
    // The window's Open: this window takes the main window's place, centred on it and moved
    // inside the available area of its screen, and the main window goes out of sight. Called
    // once the window has its size.
    void hideMainWindow();
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_mainWindow;
    // The area this window was moved inside, until it is on the screen with its own frame.
    std::optional<QRect> m_area;
    // Where the main window stood, inside its frame, when this window hid it.
    std::optional<QPoint> m_mainPlace;
};

// The program's own version: "1.1".
QString ownVersion();

// The system font at a pixel size, so that the fixed layouts fit on every screen.
QFont systemFont(int pixelSize, bool bold = false);

// A static text at its place: plain text, named as the layout names it. A one-line text
// that the font makes wider than its box gets a wider box.
QLabel* staticText(QWidget* window, const char* name, QRect geometry, const QString& text, const QFont& font);

// A push button at its place, in the 12 pixel system font. It takes no keyboard focus, so
// that key presses stay with the window and its fields.
QPushButton* pushButton(QWidget* window, const char* name, QRect geometry, const QString& text);

} // namespace game
