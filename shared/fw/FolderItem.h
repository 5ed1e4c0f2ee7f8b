// File items addressed by ':' paths relative to the program's folder, with names matched
// regardless of letter case on a file system that tells case apart.
#pragma once

#include <optional>
#include <string>

#include <QString>

namespace fw {

// What WriteText does when the folder takes no new file beside the old one.
enum class LockedFolder { Fail, WriteInPlace };

class FolderItem {
public:
    FolderItem() = default;
    // An item for a host path; the file or folder need not exist.
    explicit FolderItem(QString hostPath);

    bool Exists() const;
    bool Directory() const;
    // Entries directly inside a folder (0 for anything else).
    int Count() const;
    // Entry k (from 1) of a folder, in name order; an invalid item when k is out of range.
    FolderItem Item(int k) const;
    // The entry of that name (matched regardless of case), existing or not.
    FolderItem Child(const std::string& name) const;
    std::string Name() const;
    // "fold" for a folder, "" for anything else.
    std::string MacType() const;
    bool isValid() const { return !m_path.isEmpty(); }
    const QString& hostPath() const { return m_path; }

    // The whole content of a readable regular file; nothing for a folder, a missing or
    // unreadable file, or one larger than any file of ours could be.
    std::optional<std::string> ReadAll() const;
    // Replaces the file with content in one write; false when it could not be written.
    // The new content goes into a temporary file that then takes the old one's place; a
    // folder that takes no new files fails, or, with WriteInPlace, has its writable file
    // overwritten where it stands. A write that does not reach the disk whole (a full disk)
    // leaves the old file as it was, except where it is overwritten in place.
    bool WriteText(const std::string& content, LockedFolder locked = LockedFolder::Fail) const;

private:
    QString m_path;
};

inline constexpr qint64 kMaxReadBytes = 16 * 1024 * 1024;

// The program's own folder; tests point it elsewhere.
QString programFolder();
void setProgramFolder(const QString& folder);

// ':'-separated path relative to the program's folder ("`:Levels:Standard:level 01`").
// A name that could leave the folder ('/', '.', '..') gives an invalid item.
FolderItem GetFolderItem(const std::string& path);

// The user's preferences folder (the XDG configuration folder); tests point it elsewhere.
FolderItem PreferencesFolder();
void setPreferencesFolder(const QString& folder);

} // namespace fw
