// The real desktop, through Qt.
#include "shared/gui/Desktop.h"

#include <iostream>

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>

namespace fw {
namespace {

Desktop*& current()
{
    static Desktop* replacement = nullptr;
    return replacement;
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
