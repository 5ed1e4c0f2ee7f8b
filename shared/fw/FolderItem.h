// File items addressed by ':' paths relative to the program's folder, with names matched
// regardless of letter case on a file system that tells case apart.
#pragma once

#include <optional>
#include <string>

#include <QString>
#include <QStringList>

namespace fw {

class FolderEntries;

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
    // The entries as one reading of the folder finds them, for walking them all: Count and
    // Item read the whole folder each time.
    FolderEntries Entries() const;
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
    // The new content goes into a temporary file that then takes the old one's place; in a
    // folder that takes no new file, a writable old file is overwritten where it stands. A
    // write that does not reach the disk whole (a full disk) leaves the old file as it was,
    // except where it is overwritten in place.
    bool WriteText(const std::string& content) const;

private:
    QString m_path;
};

// A folder's entries as they stood when it was read, numbered as FolderItem::Item numbers them.
class FolderEntries {
public:
    FolderEntries() = default;
    FolderEntries(QString folder, QStringList names);

    int Count() const { return static_cast<int>(m_names.size()); }
    // Entry k (from 1); an invalid item when k is out of range.
    FolderItem Item(int k) const;

private:
    QString m_folder;
    QStringList m_names;
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
