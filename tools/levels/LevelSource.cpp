// Parsing text-grid level sources and writing their level files.
#include "tools/levels/LevelSource.h"

#include "shared/fw/Text.h"
#include "shared/level/LevelFile.h"

namespace levels {
namespace {

constexpr std::string_view kHeader = "level ";
constexpr std::string_view kCodeMark = " code ";

[[noreturn]] void fail(int line, const std::string& what)
{
    throw SourceError("line " + fw::Str(line) + ": " + what);
}

level::CellKind cellOf(char ch, int line)
{
    using level::CellKind;
    switch (ch) {
    case '#': return CellKind::wal;
    case 'S': return CellKind::skelet;
    case '@': return CellKind::gubb;
    case '$': return CellKind::box;
    case '.': return CellKind::backprick;
    case '*': return CellKind::box2;
    case ' ': return CellKind::back;
    default: fail(line, std::string("unknown cell '") + ch + "'");
    }
}

std::vector<std::string_view> linesOf(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

} // namespace

std::vector<SourceLevel> parseLevelSource(std::string_view text)
{
    const std::vector<std::string_view> lines = linesOf(text);
    std::vector<SourceLevel> result;
    for (std::size_t at = 0; at < lines.size(); ++at) {
        const std::string_view line = lines[at];
        const int lineNumber = int(at) + 1;
        if (line.empty() || line.front() == ';')
            continue;
        if (!line.starts_with(kHeader))
            fail(lineNumber, "expected a \"level N code CODE\" line");
        const std::size_t mark = line.find(kCodeMark);
        if (mark == std::string_view::npos)
            fail(lineNumber, "the level has no code");
        SourceLevel level;
        const std::string_view number = line.substr(kHeader.size(), mark - kHeader.size());
        level.number = fw::ValInt32(number);
        if (number != fw::Str(level.number) || level.number != int(result.size()) + 1)
            fail(lineNumber, "expected level " + fw::Str(int(result.size()) + 1));
        level.code = std::string(line.substr(mark + kCodeMark.size()));
        for (int row = 0; row < level::kRows; ++row) {
            ++at;
            if (at >= lines.size())
                fail(lineNumber, "the level has fewer than 12 rows");
            if (lines[at].size() != std::size_t(level::kColumns))
                fail(int(at) + 1, "a row has 12 cells");
            for (int column = 0; column < level::kColumns; ++column)
                level.grid[row * level::kColumns + column] = cellOf(lines[at][column], int(at) + 1);
        }
        result.push_back(std::move(level));
    }
    return result;
}

std::string levelFileBytes(const SourceLevel& level)
{
    return level::writeLevelFile(level.grid, level.code);
}

} // namespace levels
