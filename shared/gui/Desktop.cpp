// The real desktop, through Qt.
#include "shared/gui/Desktop.h"

#include <iostream>

#include <QApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>

namespace fw {
namespace {

Desktop*& current()
{
    static Desktop* replacement = nullptr;
    return replacement;
}

// The longest wait for a window that is shown to reach the screen.
constexpr int kExposeWaitMs = 1000;

// Ends an event loop once its window is on the screen.
class ExposeWatch : public QObject {
public:
    ExposeWatch(QWindow& window, QEventLoop& loop) : m_window(window), m_loop(loop) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_window && event->type() == QEvent::Expose && m_window.isExposed())
            m_loop.quit();
        return false;
    }

private:
    QWindow& m_window;
    QEventLoop& m_loop;
};

// A window that has just been shown gets its place from the window manager only a moment
// later: until it is on the screen, what is centred on it stands where it never was.
void waitUntilExposed(QWidget& window)
{
    QWindow* handle = window.windowHandle();
    if (!handle || !window.isVisible() || handle->isExposed())
        return;
    QEventLoop loop;
    ExposeWatch watch(*handle, loop);
    handle->installEventFilter(&watch);
    QTimer::singleShot(kExposeWaitMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

std::optional<QString> Desktop::saveFile(QWidget* parent, const QString& fileType, const QString& proposedPath)
{
    const QString filter = fileType.isEmpty() ? QString() : QStringLiteral("%1 level files (*)").arg(fileType);
    const QString path = QFileDialog::getSaveFileName(parent, QString(), proposedPath, filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> Desktop::openFile(QWidget* parent, const QString& folder)
{
    const QString path = QFileDialog::getOpenFileName(parent, QString(), folder);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

void Desktop::msgBox(QWidget* parent, const QString& text)
{
    if (parent)
        waitUntilExposed(*parent->window());
    // Nobody could answer a box on the offscreen platform; it would wait forever.
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        std::cerr << text.toStdString() << '\n';
        return;
    }
    QMessageBox box(parent);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void Desktop::beep()
{
    QApplication::beep();
}

void Desktop::showUrl(const QUrl& url)
{
    QDesktopServices::openUrl(url);
}

Desktop& desktop()
{
    static Desktop real;
    return current() ? *current() : real;
}

void setDesktop(Desktop* replacement)
{
    current() = replacement;
}

} // namespace fw
