// The settings window: the six key bindings, sound, the level set, and the version check.
//
// What the player changes here stays in the window until "save" copies it into the
// preferences and writes the preferences file; "Cancel" and the close box drop it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include <QLabel>
#include <QNetworkAccessManager>
#include <QTimer>
#include <QUrl>

#include "game/core/Preferences.h"
#include "game/windows/SideWindow.h"

class QCheckBox;
class QListWidget;

namespace game {

// The name a key field shows for a key code: the arrows, Space, Enter, Backspace and Tab
// by name, any other code as its one character.
QString keyName(std::int32_t code);

// The maker's pages, as configured for the build.
QUrl versionPageUrl();
QUrl downloadsPageUrl();

// A static text that reports presses: the key fields and the "Download" link.
class ClickableText : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void pressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// The settings window ("preferences").
class preff : public SideWindow {
    Q_OBJECT
public:
    static constexpr int kVersionDelayMs = 1000;
    // A version page is a few bytes; anything past this is not ours and is dropped.
    static constexpr qint64 kMaxPageBytes = 64 * 1024;

    preff(Preferences& app, QWidget* mainWindow, const fw::MenuBar* menuBar = nullptr);

    // Tests point the check at a server of their own.
    void setVersionUrl(const QUrl& url) { m_versionUrl = url; }

    // The key field of binding i (1 to 6).
    ClickableText* t(int i) const { return m_t.at(static_cast<std::size_t>(i)); }
    std::int32_t vilkenknapp() const { return m_vilkenknapp; }
    const std::array<std::int32_t, 7>& dontsavebutts() const { return m_dontsavebutts; }
    const std::string& versionsstring() const { return m_versionsstring; }

    // Shows the settings that the preferences hold in the controls.
    void readinit();
    // A click on key field index: that field waits for a key, and the list is locked.
    void t_MouseDown(int index);
    void PushButton1_Action(); // "save": the shown settings into the preferences and the file
    void PushButton2_Action(); // "Cancel"
    // Lists the folders of the level folder, the level sets. A level folder that cannot be
    // listed is told once the window is on the screen (showSettings), so that the message
    // stands over it.
    void ListBox1_Open();
    // The double-clicked set becomes the shown choice, with its level count.
    void ListBox1_DoubleClick();
    void PushButton3_Action(); // "Check": asks the maker's version page
    void httpsock_PageReceived(const std::string& content);
    // A second after "Check": the page's version against the program's own.
    void Timer1_Action();
    // Opens the maker's downloads page.
    void downloadtxt_MouseDown();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    // Tab is a key to bind here, never a move between controls.
    bool focusNextPrevChild(bool next) override;

private:
    // A key press, as its key code: captured for the waiting field, if one waits.
    void KeyDown(std::int32_t code);
    friend preff& showSettings(Preferences& app, QWidget* mainWindow, const fw::MenuBar* menuBar);
    // The messages of building the window, given once it is shown.
    void tellWhatOpeningFound();
    // Whether a press is a held key's repeat rather than a press of its own.
    bool isRepeat(const QKeyEvent& press) const;
    void setFieldColour(int i, QColor colour);

    Preferences& m_app;
    std::int32_t m_vilkenknapp = 0; // the key field (1 to 6) that waits for a key; 0 while none waits
    // The key codes captured for bindings 1 to 6 since the window opened, kept until
    // "save"; 0 where no key was captured and the binding stays.
    std::array<std::int32_t, 7> m_dontsavebutts{};
    std::string m_versionsstring; // the last version page received
    // The last release that the platform gave, with the physical key it names; a press of
    // that key at the same moment is a repeat.
    struct Release {
        int key = 0;
        quint64 timestamp = 0;
    };
    std::optional<Release> m_lastRelease;
    QUrl m_versionUrl = versionPageUrl();
    // The set that the window shows as chosen, kept as bytes so that saving gives back
    // exactly the name that was read.
    std::string m_shownSet;
    std::string m_shownCount;
    bool m_levelsNotFound = false; // the level folder could not be listed

    std::array<ClickableText*, 7> m_t{};
    QLabel* m_valavleveltxt = nullptr;  // the chosen set's name
    QLabel* m_antallvltext = nullptr;   // the chosen set's level count
    QLabel* m_StaticText2 = nullptr;    // the version check's result line
    QLabel* m_yourversiontxt = nullptr; // the program's own version
    ClickableText* m_downloadtxt = nullptr;
    QCheckBox* m_soundbox = nullptr;
    QCheckBox* m_musicbox = nullptr;
    QListWidget* m_ListBox1 = nullptr; // the level sets
    QTimer m_Timer1{this};             // the version check's wait for its page
    // Declared last so that it ends first: a request still running is cancelled while the
    // rest of the window is still whole.
    QNetworkAccessManager m_httpsock;
};

// Shows the one settings window, building it when none is open.
preff& showSettings(Preferences& app, QWidget* mainWindow, const fw::MenuBar* menuBar = nullptr);

} // namespace game
