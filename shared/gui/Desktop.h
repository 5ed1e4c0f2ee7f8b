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
    // A file to save to, proposed under name, or nothing when cancelled.
    virtual std::optional<QString> saveFile(QWidget* parent, const QString& fileType, const QString& proposedName);
    // Any file to open, or nothing when cancelled.
    virtual std::optional<QString> openFile(QWidget* parent);
    virtual void msgBox(QWidget* parent, const QString& text);
    virtual void beep();
    virtual void showUrl(const QUrl& url);
};

Desktop& desktop();
// Replaces the desktop (nullptr puts the real one back); the caller keeps ownership.
void setDesktop(Desktop* replacement);

inline std::optional<QString> GetSaveFolderItem(QWidget* parent, const QString& fileType, const QString& name)
{
    return desktop().saveFile(parent, fileType, name);
}
inline std::optional<QString> GetOpenFolderItem(QWidget* parent)
{
    return desktop().openFile(parent);
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
