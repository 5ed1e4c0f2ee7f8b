// Temporary program folders for tests.
#include "tests/support/TempTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include "shared/fw/FolderItem.h"

namespace testsupport {

TempTree::TempTree()
{
    EXPECT_TRUE(m_dir.isValid());
    QDir().mkpath(path("prefs"));
    fw::setProgramFolder(path());
    fw::setPreferencesFolder(prefsFolder());
}

TempTree::~TempTree()
{
    fw::setProgramFolder({});
    fw::setPreferencesFolder({});
}

QString TempTree::path(const QString& relative) const
{
    return relative.isEmpty() ? m_dir.path() : m_dir.path() + QLatin1Char('/') + relative;
}

void TempTree::write(const QString& relative, const std::string& bytes) const
{
    const QString file = path(relative);
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate)) << file.toStdString();
    out.write(bytes.data(), qint64(bytes.size()));
}

void TempTree::writeSparse(const QString& relative, qint64 size) const
{
    write(relative, "");
    QFile file(path(relative));
    ASSERT_TRUE(file.resize(size)) << file.fileName().toStdString();
}

void TempTree::mkdir(const QString& relative) const
{
    QDir().mkpath(path(relative));
}

std::string TempTree::read(const QString& relative) const
{
    QFile in(path(relative));
    if (!in.open(QIODevice::ReadOnly))
        return "<missing>";
    return in.readAll().toStdString();
}

ReadOnlyFolder::ReadOnlyFolder(QString path)
    : m_path(std::move(path))
{
    EXPECT_TRUE(QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ExeOwner)) << m_path.toStdString();
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

FullDisk::FullDisk(rlim_t bytes)
{
    struct sigaction ignore{};
    ignore.sa_handler = SIG_IGN;
    EXPECT_EQ(sigaction(SIGXFSZ, &ignore, &m_action), 0);
    EXPECT_EQ(getrlimit(RLIMIT_FSIZE, &m_limit), 0);
    rlimit full = m_limit;
    full.rlim_cur = bytes;
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &full), 0);
}

FullDisk::~FullDisk()
{
    setrlimit(RLIMIT_FSIZE, &m_limit);
    sigaction(SIGXFSZ, &m_action, nullptr);
}

} // namespace testsupport
