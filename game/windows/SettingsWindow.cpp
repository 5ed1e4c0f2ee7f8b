// The settings window's controls, key capture, level sets and version check.
#include "game/windows/SettingsWindow.h"

#include <algorithm>
#include <memory>
#include <utility>

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPushButton>

#include "shared/fw/FolderItem.h"
#include "shared/fw/Text.h"
#include "shared/gui/Desktop.h"
#include "shared/gui/KeyText.h"
#include "shared/gui/SingleWindow.h"

namespace game {
namespace {

constexpr QColor kWaiting{225, 0, 0};
constexpr QColor kBlue{0, 0, 255};

constexpr int kFieldFont = 10;
// Wide enough for "Right Arrow" in any common system font; the frame ends at 225.
constexpr int kKeyFieldWidth = 84;
constexpr int kLabelFont = 12;

QString fromBytes(const std::string& bytes)
{
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

bool isModifierOnly(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
        return true;
    default:
        return false;
    }
}

QCheckBox* checkBox(QWidget* window, const char* name, QRect geometry, const QString& text, int fontSize)
{
    auto* box = new QCheckBox(text, window);
    box->setObjectName(QString::fromLatin1(name));
    box->setFont(systemFont(fontSize));
    box->setGeometry(geometry);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

// Frames lie beneath what they frame, so that they never take a click meant for a control.
void groupBox(QWidget* window, const char* name, QRect geometry, const QString& title)
{
    auto* box = new QGroupBox(title, window);
    box->setObjectName(QString::fromLatin1(name));
    box->setFont(systemFont(kLabelFont));
    box->setGeometry(geometry);
    box->setFocusPolicy(Qt::NoFocus);
    box->lower();
}

} // namespace

QString keyName(std::int32_t code)
{
    switch (code) {
    case 28: return QStringLiteral("Left Arrow");
    case 29: return QStringLiteral("Right Arrow");
    case 30: return QStringLiteral("Up Arrow");
    case 31: return QStringLiteral("Down Arrow");
    case 32: return QStringLiteral("Space");
    case 13: return QStringLiteral("Enter");
    case 8: return QStringLiteral("Backspace");
    case 9: return QStringLiteral("Tab");
    default: break;
    }
    // Code 0 is no key, and a code past the last code point (only a hand-edited file holds
    // one) names no character: both show nothing.
    if (code <= 0 || code > 0x10FFFF)
        return {};
    const auto character = static_cast<char32_t>(code);
    return QString::fromUcs4(&character, 1);
}

QUrl versionPageUrl()
{
    return QUrl(QStringLiteral(VESPERON_VERSION_URL));
}

QUrl downloadsPageUrl()
{
    return QUrl(QStringLiteral(VESPERON_DOWNLOADS_URL));
}

void ClickableText::mousePressEvent(QMouseEvent* event)
{
    QLabel::mousePressEvent(event);
    emit pressed();
}

preff::preff(Preferences& app, QWidget* mainWindow, const fw::MenuBar* menuBar)
    : SideWindow(mainWindow, QColor(0x89, 0x89, 0x89), menuBar)
    , m_app(app)
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QString());
    setFixedSize(693, 319);

    const auto keyField = [this](int i, int top, const QString& text) {
        auto* field = new ClickableText(this);
        field->setObjectName(QStringLiteral("t%1").arg(i));
        field->setTextFormat(Qt::PlainText);
        field->setText(text);
        field->setFont(systemFont(kFieldFont, true));
        field->setGeometry(140, top, kKeyFieldWidth, 20);
        field->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        connect(field, &ClickableText::pressed, this, [this, i] { t_MouseDown(i); });
        m_t.at(static_cast<std::size_t>(i)) = field;
    };
    const QFont label = systemFont(kLabelFont, true);
    keyField(3, 90, QStringLiteral("Left Arrow"));
    keyField(4, 110, QStringLiteral("Right Arrow"));
    keyField(1, 50, QStringLiteral("Up Arrow"));
    keyField(2, 70, QStringLiteral("Down Arrow"));
    keyField(5, 130, QStringLiteral("Space"));
    staticText(this, "StaticText4", {34, 50, 91, 20}, QStringLiteral("Up:"), label);
    staticText(this, "StaticText5", {34, 70, 91, 20}, QStringLiteral("Down:"), label);
    staticText(this, "StaticText6", {34, 90, 91, 20}, QStringLiteral("Left:"), label);
    staticText(this, "StaticText7", {34, 110, 91, 20}, QStringLiteral("Right:"), label);
    staticText(this, "StaticText8", {34, 130, 91, 20}, QStringLiteral("Return:"), label);
    staticText(this, "StaticText9", {34, 150, 91, 20}, QStringLiteral("Restart Level:"), label);
    keyField(6, 150, QStringLiteral("r"));

    auto* save = pushButton(this, "PushButton1", {590, 283, 69, 20}, QStringLiteral("save"));
    connect(save, &QPushButton::clicked, this, &preff::PushButton1_Action);
    auto* cancel = pushButton(this, "PushButton2", {502, 283, 69, 20}, QStringLiteral("Cancel"));
    connect(cancel, &QPushButton::clicked, this, &preff::PushButton2_Action);
    groupBox(this, "GroupBox1", {20, 31, 205, 150}, QStringLiteral("Controls"));

    m_soundbox = checkBox(this, "soundbox", {491, 68, 80, 20}, QStringLiteral("Sounds"), kLabelFont);
    m_musicbox = checkBox(this, "musicbox", {491, 90, 133, 20}, QStringLiteral("Music (not yet)"), kLabelFont);
    m_musicbox->setEnabled(false);

    m_ListBox1 = new QListWidget(this);
    m_ListBox1->setObjectName(QStringLiteral("ListBox1"));
    m_ListBox1->setFont(systemFont(kLabelFont));
    m_ListBox1->setGeometry(260, 55, 173, 85);
    m_ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    m_ListBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_ListBox1->setFocusPolicy(Qt::NoFocus);
    connect(m_ListBox1, &QListWidget::itemDoubleClicked, this, &preff::ListBox1_DoubleClick);

    m_valavleveltxt = staticText(this, "valavleveltxt", {260, 141, 147, 20}, QStringLiteral("Standard"),
                                 systemFont(kFieldFont));
    m_antallvltext = staticText(this, "antallvltext", {247, 156, 25, 20}, QStringLiteral("99"), systemFont(kFieldFont));
    m_antallvltext->setAlignment(Qt::AlignRight | Qt::AlignTop);
    groupBox(this, "GroupBox2", {244, 31, 205, 150}, QStringLiteral("Level Folder"));
    groupBox(this, "GroupBox3", {470, 31, 205, 150}, QStringLiteral("Sound/Music"));
    groupBox(this, "GroupBox4", {20, 188, 429, 115}, QStringLiteral("Other"));

    auto* automatic = checkBox(this, "CheckBox1", {35, 279, 104, 15}, QStringLiteral("check automatic"), kFieldFont);
    automatic->setEnabled(false);
    auto* check = pushButton(this, "PushButton3", {145, 272, 69, 20}, QStringLiteral("Check"));
    connect(check, &QPushButton::clicked, this, &preff::PushButton3_Action);

    m_Timer1.setObjectName(QStringLiteral("Timer1"));
    m_Timer1.setSingleShot(true);
    m_Timer1.setInterval(kVersionDelayMs);
    connect(&m_Timer1, &QTimer::timeout, this, &preff::Timer1_Action);

    const QLabel* youGot = staticText(this, "StaticText1", {34, 218, 105, 20}, QStringLiteral("You got Vesperon\r"),
                                      systemFont(kLabelFont));
    m_StaticText2 = staticText(this, "StaticText2", {34, 235, 210, 15},
                               QStringLiteral("The latest version of vesperon is"), systemFont(kFieldFont));
    // The version reads as the end of "You got Vesperon", however wide the font sets it.
    const int versionLeft
        = std::max(138, youGot->x() + youGot->fontMetrics().horizontalAdvance(QStringLiteral("You got Vesperon")) + 4);
    m_yourversiontxt
        = staticText(this, "yourversiontxt", {versionLeft, 218, 38, 20}, ownVersion(), systemFont(kLabelFont));

    m_downloadtxt = new ClickableText(this);
    m_downloadtxt->setObjectName(QStringLiteral("downloadtxt"));
    m_downloadtxt->setTextFormat(Qt::PlainText);
    m_downloadtxt->setText(QStringLiteral("Download"));
    QFont link = systemFont(kFieldFont);
    link.setUnderline(true);
    m_downloadtxt->setFont(link);
    QPalette blue = m_downloadtxt->palette();
    blue.setColor(QPalette::WindowText, kBlue);
    m_downloadtxt->setPalette(blue);
    m_downloadtxt->setGeometry(35, 247, 53, 20);
    m_downloadtxt->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_downloadtxt->setCursor(Qt::PointingHandCursor);
    m_downloadtxt->setVisible(false);
    connect(m_downloadtxt, &ClickableText::pressed, this, &preff::downloadtxt_MouseDown);

    staticText(this, "StaticText3", {277, 156, 67, 20}, QStringLiteral("Levels"), systemFont(kFieldFont));

    ListBox1_Open();

    // Open
    readinit();
    hideMainWindow();
}

void preff::readinit()
{
    for (int i = 1; i <= 6; ++i)
        t(i)->setText(keyName(m_app.butts[static_cast<std::size_t>(i)]));
    m_soundbox->setChecked(m_app.soundON);
    m_musicbox->setChecked(m_app.musicON);
    m_shownSet = m_app.lvlmapp;
    m_shownCount = m_app.lvlmappantal;
    m_valavleveltxt->setText(fromBytes(m_shownSet));
    m_antallvltext->setText(fromBytes(m_shownCount));
}

void preff::setFieldColour(int i, QColor colour)
{
    QPalette palette = t(i)->palette();
    palette.setColor(QPalette::WindowText, colour);
    t(i)->setPalette(palette);
}

void preff::t_MouseDown(int index)
{
    for (int k = 1; k <= 6; ++k)
        setFieldColour(k, Qt::black);
    setFieldColour(index, kWaiting);
    m_vilkenknapp = index;
    m_ListBox1->setEnabled(false);
}

void preff::KeyDown(std::int32_t code)
{
    if (m_vilkenknapp <= 0)
        return;
    const int i = m_vilkenknapp;
    m_dontsavebutts.at(static_cast<std::size_t>(i)) = code;
    t(i)->setText(keyName(code));
    setFieldColour(i, Qt::black);
    if (i < 6) {
        setFieldColour(i + 1, kWaiting);
        m_vilkenknapp = i + 1;
    } else {
        m_vilkenknapp = 0;
        m_ListBox1->setEnabled(true);
    }
}

bool preff::event(QEvent* event)
{
    // A waiting field takes every key, also one that is a shortcut elsewhere. A key held
    // down acts once here: its repeats are no shortcut either, so that holding the key just
    // captured for the last field does not go on to act as Quit.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isRepeat(*key) || (m_vilkenknapp > 0 && !isModifierOnly(key->key()))) {
            event->accept();
            return true;
        }
    }
    return SideWindow::event(event);
}

void preff::keyPressEvent(QKeyEvent* event)
{
    // Shift and the like only make the next key; they are no key of their own to bind.
    if (isModifierOnly(event->key())) {
        event->ignore();
        return;
    }
    // One physical press fills one field: a held key's repeats would fill the rest.
    if (!isRepeat(*event))
        KeyDown(fw::keyCode(*event));
    event->accept();
}

void preff::keyReleaseEvent(QKeyEvent* event)
{
    // Only a release from the keyboard names its physical key (X11 gives every key's
    // code); a key event made up in code names none, and a press that follows it at the
    // same moment is a press of its own.
    if (event->nativeScanCode() != 0)
        m_lastRelease = Release{event->key(), event->timestamp()};
    else
        m_lastRelease.reset();
    SideWindow::keyReleaseEvent(event);
}

bool preff::isRepeat(const QKeyEvent& press) const
{
    if (press.isAutoRepeat())
        return true;
    // X11 gives a held key's repeats as a release and a press at one moment, and Qt marks
    // them as repeats only when the press has come in by the time it reads the release. A
    // hand takes longer than that moment to press a key again.
    return m_lastRelease && m_lastRelease->key == press.key() && m_lastRelease->timestamp == press.timestamp();
}

bool preff::focusNextPrevChild(bool)
{
    return false;
}

void preff::ListBox1_Open()
{
    const fw::FolderItem levels = fw::GetFolderItem(":Levels");
    if (!levels.Directory()) {
        m_levelsNotFound = true;
        return;
    }
    // One reading of the folder for the whole list: a folder of thousands of sets opens
    // the window as fast as one of a few. An entry gone since is no folder any more.
    const fw::FolderEntries entries = levels.Entries();
    const int n = entries.Count();
    for (int k = 1; k <= n; ++k) {
        const fw::FolderItem item = entries.Item(k);
        if (item.MacType() == "fold")
            m_ListBox1->addItem(fromBytes(item.Name()));
    }
}

void preff::tellWhatOpeningFound()
{
    // A box raised while the window is still being built has no window on the screen to
    // stand over: the window manager puts it in a corner, away from the game.
    if (std::exchange(m_levelsNotFound, false))
        fw::MsgBox(this, QStringLiteral("Can't finde any levels!"));
}

void preff::ListBox1_DoubleClick()
{
    const QListWidgetItem* row = m_ListBox1->currentItem();
    if (!row)
        return;
    const std::string name = row->text().toStdString();
    int n = levelSetFolder(name).Count();
    if (n > 0)
        n = n - 1;
    else
        fw::Beep();
    m_shownSet = name;
    m_shownCount = fw::Str(n);
    m_valavleveltxt->setText(fromBytes(m_shownSet));
    m_antallvltext->setText(fromBytes(m_shownCount));
}

void preff::PushButton1_Action()
{
    for (std::size_t i = 1; i <= 6; ++i) {
        if (m_dontsavebutts[i] > 0)
            m_app.butts[i] = m_dontsavebutts[i];
    }
    m_app.soundON = m_soundbox->isChecked();
    m_app.musicON = m_musicbox->isChecked();
    m_app.lvlmapp = m_shownSet;
    m_app.lvlmappantal = m_shownCount;
    if (!m_app.saveprefs())
        fw::MsgBox(this, prefsNotSavedMessage());
    close();
}

void preff::PushButton2_Action()
{
    close();
}

void preff::PushButton3_Action()
{
    QNetworkReply* reply = m_httpsock.get(QNetworkRequest(m_versionUrl));
    auto body = std::make_shared<QByteArray>();
    connect(reply, &QNetworkReply::readyRead, this, [reply, body] {
        body->append(reply->read(kMaxPageBytes - body->size()));
        if (reply->bytesAvailable() > 0)
            reply->abort(); // past the cap: what came is the page
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, body] {
        reply->deleteLater();
        // Only an answer of the server is a page; a refused or broken connection brings none
        // and leaves the page of an earlier check standing.
        if (!reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid())
            return;
        if (reply->isOpen())
            body->append(reply->read(kMaxPageBytes - body->size()));
        httpsock_PageReceived(body->toStdString());
    });
    m_Timer1.start();
}

void preff::httpsock_PageReceived(const std::string& content)
{
    m_versionsstring = content;
}

void preff::Timer1_Action()
{
    const std::string latest = latestVersion(m_versionsstring);
    if (latest == m_yourversiontxt->text().toStdString()) {
        m_StaticText2->setText(QStringLiteral("You have got the latest version"));
        m_downloadtxt->setVisible(false);
    } else {
        m_StaticText2->setText(QStringLiteral("The latest version of vesperon is ") + fromBytes(latest));
        m_downloadtxt->setVisible(true);
    }
}

void preff::downloadtxt_MouseDown()
{
    fw::ShowURL(downloadsPageUrl());
}

preff& showSettings(Preferences& app, QWidget* mainWindow, const fw::MenuBar* menuBar)
{
    preff& window = fw::SingleWindow<preff>::get([&] { return new preff(app, mainWindow, menuBar); });
    window.show();
    window.activateWindow();
    window.tellWhatOpeningFound();
    return window;
}

} // namespace game
