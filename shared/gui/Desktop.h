// The side effects that reach the user's desktop: dialogs, message boxes, the beep and the
// web browser. Tests install a recording stand-in.
#pragma once

#include <optional>

#include <QString>
#include <QUrl>

class QWidget;

namespace fw {

class Desktop {
public:
    virtual ~Desktop() = default;
    // A file to save to, proposed as proposedPath (its folder and name), or nothing when cancelled.
    virtual std::optional<QString> saveFile(QWidget* parent, const QString& fileType, const QString& proposedPath);
    // Any file to open, looked for first in folder, or nothing when cancelled.
    virtual std::optional<QString> openFile(QWidget* parent, const QString& folder);
    virtual void msgBox(QWidget* parent, const QString& text);
    virtual void beep();
    virtual void showUrl(const QUrl& url);
};

Desktop& desktop();
// Replaces the desktop (nullptr puts the real one back); the caller keeps ownership.
void setDesktop(Desktop* replacement);

inline std::optional<QString> GetSaveFolderItem(QWidget* parent, const QString& fileType, const QString& path)
{
    return desktop().saveFile(parent, fileType, path);
}
inline std::optional<QString> GetOpenFolderItem(QWidget* parent, const QString& folder)
{
    return desktop().openFile(parent, folder);
}
inline void MsgBox(QWidget* parent, const QString& text)
{
    desktop().msgBox(parent, text);
}
inline void Beep()
{
    desktop().beep();
}
inline void ShowURL(const QUrl& url)
{
    desktop().showUrl(url);
}

} // namespace fw
