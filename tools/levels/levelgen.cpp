// Writes the level files of a set from its text-grid source: vesperon-levelgen SOURCE FOLDER.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "game/core/Game.h"
#include "tools/levels/LevelSource.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: vesperon-levelgen SOURCE FOLDER\n";
        return 2;
    }
    std::ifstream source(argv[1], std::ios::binary);
    if (!source) {
        std::cerr << "cannot read " << argv[1] << '\n';
        return 1;
    }
    std::ostringstream text;
    text << source.rdbuf();
    try {
        const std::filesystem::path folder(argv[2]);
        std::filesystem::create_directories(folder);
        for (const levels::SourceLevel& level : levels::parseLevelSource(text.str())) {
            const std::filesystem::path file = folder / game::levelFileName(level.number);
            std::ofstream out(file, std::ios::binary | std::ios::trunc);
            out << levels::levelFileBytes(level);
            if (!out.flush()) {
                std::cerr << "cannot write " << file << '\n';
                return 1;
            }
        }
    } catch (const levels::SourceError& error) {
        std::cerr << argv[1] << ": " << error.what() << '\n';
        return 1;
    } catch (const std::filesystem::filesystem_error& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
