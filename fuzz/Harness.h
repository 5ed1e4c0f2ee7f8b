// What the fuzz targets share: the check that stops a run and a temporary program folder.
#pragma once

#include <string>
#include <string_view>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "shared/fw/FolderItem.h"
#include "shared/level/CellKind.h"

namespace fuzz {

// A broken promise of the code under test ends the run with a crash report.
inline void require(bool holds)
{
    if (!holds)
        __builtin_trap();
}

// A program folder and a preferences folder of its own for the whole run, removed at exit.
class TempFolders {
public:
    TempFolders()
    {
        require(m_dir.isValid());
        QDir().mkpath(path("prefs"));
        fw::setProgramFolder(m_dir.path());
        fw::setPreferencesFolder(path("prefs"));
    }

    QString path(const QString& relative) const { return m_dir.path() + QLatin1Char('/') + relative; }

    // Plain write, no save-and-rename: the targets write a file on every input.
    void write(const QString& relative, std::string_view bytes) const
    {
        const QString file = path(relative);
        QDir().mkpath(file.section(QLatin1Char('/'), 0, -2));
        QFile out(file);
        require(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        require(out.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()));
    }

private:
    QTemporaryDir m_dir;
};

// Every entry of a cell list the writers made: decimal without sign or leading zero,
// a cell of the board, no empty entry, no comma at either end.
inline bool isWrittenCellList(std::string_view list)
{
    if (list.empty())
        return true;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = list.find(',', start);
        const std::string_view entry = list.substr(start, comma == std::string_view::npos ? comma : comma - start);
        if (entry.empty() || entry.size() > 3 || (entry.size() > 1 && entry[0] == '0'))
            return false;
        int cell = 0;
        for (char c : entry) {
            if (c < '0' || c > '9')
                return false;
            cell = cell * 10 + (c - '0');
        }
        if (cell >= level::kCells)
            return false;
        if (comma == std::string_view::npos)
            return true;
        start = comma + 1;
    }
}

} // namespace fuzz
