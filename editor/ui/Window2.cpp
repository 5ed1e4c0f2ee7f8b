// The confirmation window's layout and its comparison of the two typed codes.
#include "editor/ui/Window2.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "editor/ui/App.h"
#include "editor/ui/Window1.h"
#include "shared/gui/LevelCode.h"

namespace editor {
namespace {

constexpr int kTextPixels = 12;

QPushButton* makeButton(QWidget* window, const QString& name, const QString& caption, QRect place)
{
    auto* button = new QPushButton(caption, window);
    button->setObjectName(name);
    button->setGeometry(place);
    button->setAutoDefault(false);
    // Tab reaches a button and Space presses it, but a click leaves the keys in the code field.
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

} // namespace

Window2::Window2(App& app, QWidget* parent)
    : QWidget(parent)
    , m_app(app)
{
    setObjectName(QStringLiteral("Window2"));
    setWindowFlags(Qt::Window);
    resize(310, 108);
    // In the middle of the main screen, where the designer's eyes are.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QFont text = font();
    text.setPixelSize(kTextPixels);
    setFont(text);

    m_PushButton1 = makeButton(this, QStringLiteral("PushButton1"), QStringLiteral("ok"), {222, 68, 69, 20});
    connect(m_PushButton1, &QPushButton::clicked, this, &Window2::PushButton1_Action);

    m_EditField1 = new QLineEdit(this);
    m_EditField1->setObjectName(QStringLiteral("EditField1"));
    m_EditField1->setGeometry(20, 31, 271, 24);
    fw::acceptAnyLength(*m_EditField1);
    takeCodeCharacters(*m_EditField1);
    // The code is typed here, so the keys start in the field.
    m_EditField1->setFocus();

    auto* label = new QLabel(QStringLiteral("Repeat levelcode:"), this);
    label->setObjectName(QStringLiteral("StaticText1"));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(20, 8, 112, 20);

    m_PushButton2 = makeButton(this, QStringLiteral("PushButton2"), QStringLiteral("Close"), {146, 67, 69, 20});
    connect(m_PushButton2, &QPushButton::clicked, this, &Window2::PushButton2_Action);

    app.MenuBar1().attachShortcuts(this);
}

void Window2::PushButton1_Action()
{
    confirm();
}

void Window2::PushButton2_Action()
{
    confirm();
}

void Window2::confirm()
{
    Window1& editorWindow = m_app.window1();
    if (m_EditField1->text() != editorWindow.EditField1()->text()) {
        m_EditField1->setText(QStringLiteral("The code doesnt match"));
        // What the designer types next is the code again, not an addition to the message,
        // also after "ok" was pressed from the keyboard.
        m_EditField1->selectAll();
        m_EditField1->setFocus();
        return;
    }
    // Deleted only once the event loop regains control, so this handler may go on.
    close();
    editorWindow.savelevel();
}

} // namespace editor
