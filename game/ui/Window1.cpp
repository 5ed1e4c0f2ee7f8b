// The main window: its controls, the title state and the labels.
#include "game/ui/Window1.h"

#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QTimer>

#include "game/ui/GamePictures.h"
#include "game/ui/MenuLabel.h"
#include "game/ui/PictureCanvas.h"
#include "game/ui/SoundBank.h"
#include "shared/gui/BoardView.h"
#include "shared/gui/Desktop.h"
#include "shared/gui/KeyText.h"
#include "shared/gui/LevelCode.h"
#include "shared/gui/MenuBar.h"
#include "shared/gui/SingleWindow.h"

namespace game {
namespace {

constexpr QPoint kBoardOrigin{-1, 1};
constexpr QRect kCoverOnBoard{0, 0, 590, 600};
constexpr int kBottomStripWidth = 723;
constexpr int kSideStripHeight = 640;
// The texts' boxes are narrow for their sizes ("Load Game" at 22 pixels in 125): a
// condensed face keeps every caption and message whole.
constexpr const char* kTextFamily = "DejaVu Sans Condensed";

QLabel* textLine(QWidget* parent, const char* name, QRect geometry, int pixelSize, bool bold)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    label->setFocusPolicy(Qt::NoFocus);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    QPalette colors = label->palette();
    colors.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(colors);
    return label;
}

// The bar's style, but a lone Alt leaves the keys where they are. Where a style lets Alt
// move the keyboard into the menu bar, the arrows would walk its menus instead of the
// player, with nothing in the bar to show it.
class NoAltMenuKeys : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_MenuBar_AltKeyNavigation)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

Window1::Window1(const Preferences& app, SoundBank& sounds, const fw::MenuBar* menuBar, QWidget* parent)
    : QMainWindow(parent)
    , m_game(app, *this)
    , m_sounds(sounds)
{
    setObjectName(QStringLiteral("Window1"));
    setWindowTitle(QStringLiteral(".:::Vesperon:::."));
    setFocusPolicy(Qt::NoFocus);
    if (menuBar) {
        QMenuBar* bar = menuBar->createMenuBarFor(this);
        bar->setFocusPolicy(Qt::NoFocus);
        setMenuBar(bar);
        // A child made after the bar, the style ends after it.
        auto* style = new NoAltMenuKeys;
        style->setParent(this);
        bar->setStyle(style);
    }

    m_content = new QWidget(this);
    m_content->setFixedSize(kWindowWidth, kWindowHeight);
    m_content->setFocusPolicy(Qt::NoFocus);
    m_content->setAutoFillBackground(true);
    QPalette black = m_content->palette();
    black.setColor(QPalette::Window, Qt::black);
    m_content->setPalette(black);
    QFont text = m_content->font();
    text.setFamily(QLatin1String(kTextFamily));
    m_content->setFont(text);
    setCentralWidget(m_content);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // Created bottom to top: each control lies over those made before it.
    m_ban = new fw::BoardView(m_game.board(), &pictures::forKind, m_content);
    m_ban->setObjectName(QStringLiteral("ban"));
    m_ban->move(kBoardOrigin);

    m_Timer1 = new QTimer(this);
    m_Timer1->setObjectName(QStringLiteral("Timer1"));
    m_Timer1->setSingleShot(true);
    // A coarse timer may end the pause a tenth of a second either side of it.
    m_Timer1->setTimerType(Qt::PreciseTimer);
    m_Timer1->setInterval(kPauseMs);
    connect(m_Timer1, &QTimer::timeout, this, &Window1::Timer1_Action);

    m_Canvas1 = new PictureCanvas(pictures::ddd, pictures::kCoverPicture, false, m_content);
    m_Canvas1->setObjectName(QStringLiteral("Canvas1"));
    m_Canvas1->setGeometry(130, 666, 10, 10);
    m_Canvas3 = new PictureCanvas(pictures::underram, pictures::kBottomStripPicture, true, m_content);
    m_Canvas3->setObjectName(QStringLiteral("Canvas3"));
    m_Canvas3->setGeometry(0, 591, 20, 68);
    m_Canvas2 = new PictureCanvas(pictures::sidram, pictures::kSideStripPicture, true, m_content);
    m_Canvas2->setObjectName(QStringLiteral("Canvas2"));
    m_Canvas2->setGeometry(580, -2, 171, 20);

    m_StaticText8 = textLine(m_content, "StaticText8", {169, 598, 408, 48}, 30, true);
    m_wiclvltext = textLine(m_content, "wiclvltext", {607, 24, 101, 20}, 15, true);

    const auto menuLabel = [this](const char* name, const char* caption, int top, void (Window1::*handler)()) {
        auto* label = new MenuLabel(QLatin1String(caption), m_content);
        label->setObjectName(QLatin1String(name));
        label->setGeometry(593, top, 125, 25);
        connect(label, &MenuLabel::MouseDown, this, handler);
        return label;
    };
    m_StaticText1 = menuLabel("StaticText1", "New Game", 88, &Window1::StaticText1_MouseDown);
    m_StaticText2 = menuLabel("StaticText2", "About", 208, &Window1::StaticText2_MouseDown);
    m_StaticText3 = menuLabel("StaticText3", "Settings", 248, &Window1::StaticText3_MouseDown);
    m_StaticText4 = menuLabel("StaticText4", "Quit", 288, &Window1::StaticText4_MouseDown);
    m_StaticText5 = menuLabel("StaticText5", "End Game", 168, &Window1::StaticText5_MouseDown);

    // Never shown and never acting.
    m_PushButton1 = new QPushButton(QStringLiteral("Untitled"), m_content);
    m_PushButton1->setObjectName(QStringLiteral("PushButton1"));
    m_PushButton1->setGeometry(649, 537, 69, 20);
    m_PushButton1->setFocusPolicy(Qt::NoFocus);
    m_PushButton1->setAutoDefault(false);
    m_PushButton1->setVisible(false);

    m_StaticText6 = menuLabel("StaticText6", "Load Game", 128, &Window1::StaticText6_MouseDown);
    m_StaticText7 = textLine(m_content, "StaticText7", {591, 39, 137, 20}, 10, false);

    Open();
}

Window1* Window1::instance()
{
    return fw::SingleWindow<Window1>::find();
}

void Window1::Open()
{
    m_game.victory = true;
    m_game.wichlevel = 1;
    coverBoard();
    m_sounds.play(Sound::ghostly1);
}

void Window1::coverBoard()
{
    m_Canvas1->setGeometry(kCoverOnBoard);
    m_Canvas3->resize(kBottomStripWidth, m_Canvas3->height());
    m_Canvas2->resize(m_Canvas2->width(), kSideStripHeight);
}

void Window1::klickanewgame()
{
    m_Canvas1->resize(1, 1);
    m_game.newgame();
}

void Window1::Timer1_Action()
{
    m_game.Timer1_Action();
}

void Window1::endGame()
{
    m_game.victory = true;
    m_game.wichlevel = 1;
    coverBoard();
    m_StaticText8->clear();
    m_wiclvltext->clear();
    m_StaticText7->clear();
    m_Timer1->stop();
}

void Window1::runIfNoGame(const std::function<void()>& hook)
{
    if (m_game.victory && hook)
        hook();
}

void Window1::StaticText1_MouseDown()
{
    if (!m_game.victory)
        return;
    m_game.wichlevel = 1;
    klickanewgame();
}

void Window1::StaticText2_MouseDown()
{
    runIfNoGame(onAbout);
}

void Window1::StaticText3_MouseDown()
{
    runIfNoGame(onSettings);
}

void Window1::StaticText4_MouseDown()
{
    QCoreApplication::exit(0);
}

void Window1::StaticText5_MouseDown()
{
    endGame();
}

void Window1::StaticText6_MouseDown()
{
    runIfNoGame(onLoadGame);
}

void Window1::cellChanged(int cell)
{
    m_ban->updateCell(cell);
}

void Window1::setMessage(const std::string& text)
{
    m_StaticText8->setText(QString::fromStdString(text));
}

void Window1::setLevelLine(const std::string& text)
{
    m_wiclvltext->setText(QString::fromStdString(text));
}

void Window1::setCodeLine(const std::string& text)
{
    m_StaticText7->setText(fw::codeText(text));
}

void Window1::startPauseTimer()
{
    m_Timer1->start();
}

void Window1::playSound(Sound sound)
{
    m_sounds.play(sound);
}

bool Window1::isSoundPlaying(Sound sound)
{
    return m_sounds.isPlaying(sound);
}

void Window1::levelSetMissing()
{
    endGame();
    fw::MsgBox(this, QStringLiteral("Can't finde any levels!"));
}

void Window1::levelUnreadable(const fw::FolderItem& file)
{
    endGame();
    fw::MsgBox(this, QStringLiteral("The level could not be loaded: \"%1\" could not be read.")
                         .arg(QDir::toNativeSeparators(file.hostPath())));
}

bool Window1::event(QEvent* event)
{
    // Tab would otherwise go looking for a control to focus; here it is a game key.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QMainWindow::event(event);
}

void Window1::keyPressEvent(QKeyEvent* event)
{
    const std::int32_t code = fw::keyCode(*event);
    if (code == 0) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    m_game.KeyDown(code);
}

} // namespace game
