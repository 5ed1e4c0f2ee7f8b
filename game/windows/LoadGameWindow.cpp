// Collecting the stored level codes and looking up a typed one.
#include "game/windows/LoadGameWindow.h"

#include <algorithm>
#include <optional>
#include <utility>

#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "game/core/Game.h"
#include "shared/fw/FolderItem.h"
#include "shared/fw/Text.h"
#include "shared/gui/LevelCode.h"
#include "shared/gui/SingleWindow.h"
#include "shared/level/LevelFile.h"

namespace game {
namespace {

constexpr int kFont = 12;

} // namespace

Loadgamewindow::Loadgamewindow(Preferences& app, QWidget* mainWindow, StartAt startAt, const fw::MenuBar* menuBar)
    : SideWindow(mainWindow, QColor(0x89, 0x89, 0x89), menuBar)
    , m_app(app)
    , m_startAt(std::move(startAt))
{
    setWindowTitle(QStringLiteral("Load Game"));
    resize(329, 180);

    m_EditField1 = new QLineEdit(this);
    m_EditField1->setObjectName(QStringLiteral("EditField1"));
    m_EditField1->setFont(systemFont(kFont));
    m_EditField1->setGeometry(35, 60, 199, 22);
    fw::acceptAnyLength(*m_EditField1);
    staticText(this, "StaticText1", {35, 35, 100, 20}, QStringLiteral("Enter Level Code:"), systemFont(kFont));
    m_PushButton1 = pushButton(this, "PushButton1", {221, 120, 69, 20}, QStringLiteral("Ok"));
    m_PushButton1->setDefault(true);
    connect(m_PushButton1, &QPushButton::clicked, this, &Loadgamewindow::PushButton1_Action);
    auto* cancel = pushButton(this, "PushButton2", {145, 120, 69, 20}, QStringLiteral("Cancel"));
    connect(cancel, &QPushButton::clicked, this, &Loadgamewindow::PushButton2_Action);
    m_EditField1->setFocus();

    // Open
    collectCodes();
    hideMainWindow();
}

int Loadgamewindow::searchedLevels() const
{
    return std::clamp(fw::ValInt32(m_app.lvlmappantal), 0, kMaxLevelCodes);
}

void Loadgamewindow::collectCodes()
{
    const int count = searchedLevels();
    const fw::FolderItem set = levelSetFolder(m_app.lvlmapp);
    for (int n = 1; n <= count; ++n) {
        const fw::FolderItem file = set.Child(levelFileName(n));
        if (!file.Exists())
            continue;
        // A folder or an unreadable file in a level's place has no code to offer.
        if (const auto content = file.ReadAll())
            m_app.codez[static_cast<std::size_t>(n)] = fw::NthField(*content, std::string(1, fw::CR), 6);
    }
}

void Loadgamewindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        m_PushButton1->click();
        return;
    }
    SideWindow::keyPressEvent(event);
}

void Loadgamewindow::PushButton1_Action()
{
    fetchcode();
}

void Loadgamewindow::PushButton2_Action()
{
    close();
}

void Loadgamewindow::fetchcode()
{
    // A typed character that no byte stands for can be in no level's code.
    const std::optional<std::string> typed = fw::codeBytes(m_EditField1->text());
    const std::string code = typed ? level::encodeLevelCode(*typed) : std::string();
    // Starting a level may run the main window's event handling; nothing below leans on
    // this window after it has closed.
    const Preferences& app = m_app;
    const StartAt startAt = m_startAt;
    const int count = searchedLevels();
    QPointer<Loadgamewindow> self(this);
    bool found = false;
    for (int n = 1; n <= count; ++n) {
        if (code.empty() || code != app.codez[static_cast<std::size_t>(n)])
            continue;
        // Every level with this code starts in turn; the window closes at the first.
        if (!found && self)
            self->close();
        found = true;
        if (startAt)
            startAt(n);
    }
    if (!found)
        m_EditField1->setText(QStringLiteral("Invalid code"));
}

Loadgamewindow& showLoadGame(Preferences& app, QWidget* mainWindow, Loadgamewindow::StartAt startAt,
                             const fw::MenuBar* menuBar)
{
    Loadgamewindow& window = fw::SingleWindow<Loadgamewindow>::get(
        [&] { return new Loadgamewindow(app, mainWindow, std::move(startAt), menuBar); });
    window.show();
    window.activateWindow();
    return window;
}

} // namespace game
