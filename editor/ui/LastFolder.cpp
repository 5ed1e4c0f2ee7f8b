// The folder the editor's file dialogs start in.
#include "editor/ui/LastFolder.h"

#include <QDir>
#include <QFileInfo>

namespace editor {

QString LastFolder::path() const
{
    return m_path.isEmpty() ? QDir::currentPath() : m_path;
}

QString LastFolder::proposal(const QString& name) const
{
    return QDir(path()).filePath(name);
}

void LastFolder::remember(const QString& file)
{
    m_path = QFileInfo(file).absolutePath();
}

} // namespace editor
