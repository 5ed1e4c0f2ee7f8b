// A temporary program folder with level sets and a preferences folder, for tests.
#pragma once

#include <csignal>
#include <string>

#include <sys/resource.h>

#include <QString>
#include <QTemporaryDir>

namespace testsupport {

class TempTree {
public:
    // Points the program folder and the preferences folder into a fresh temporary folder.
    TempTree();
    ~TempTree();
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    QString path(const QString& relative = {}) const;
    // Writes bytes to a file below the tree, making its folders.
    void write(const QString& relative, const std::string& bytes) const;
    // A file of size zero bytes that takes no room on a disk that allows holes.
    void writeSparse(const QString& relative, qint64 size) const;
    void mkdir(const QString& relative) const;
    std::string read(const QString& relative) const;
    QString prefsFolder() const { return path("prefs"); }

private:
    QTemporaryDir m_dir;
};

// Takes away the owner's right to add or remove entries in a folder while it lives; the
// files inside stay writable. Permissions do not bind root: tests that rely on it skip there.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(QString path);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    QString m_path;
};

// A disk that is all but full while it lives: no file of this process grows past a few
// bytes, and a write past that fails as on a full disk instead of ending the process.
class FullDisk {
public:
    explicit FullDisk(rlim_t bytes = 2);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit m_limit{};
    struct sigaction m_action{};
};

} // namespace testsupport
