// Where the editor's file dialogs start: the folder of the file last opened or saved in
// this run of the editor, or the working folder before any.
#pragma once

#include <QString>

namespace editor {

class LastFolder {
public:
    QString path() const;
    // name in that folder, as a save dialog proposes it.
    QString proposal(const QString& name) const;
    // A file just opened or saved.
    void remember(const QString& file);

private:
    QString m_path; // empty until a file was opened or saved
};

} // namespace editor
