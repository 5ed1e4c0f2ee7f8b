// File items on the host file system.
#include "shared/fw/FolderItem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace fw {
namespace {

QString& programFolderOverride()
{
    static QString folder;
    return folder;
}

QString& preferencesFolderOverride()
{
    static QString folder;
    return folder;
}

QStringList sortedEntries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name | QDir::IgnoreCase);
}

bool isSafeName(const QString& name)
{
    return !name.contains(QLatin1Char('/')) && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QChar(0));
}

// Joins name onto folder, taking the entry whose name matches regardless of case when
// there is no exact one.
QString resolve(const QString& folder, const QString& name)
{
    const QString exact = folder + QLatin1Char('/') + name;
    if (QFileInfo::exists(exact))
        return exact;
    for (const QString& entry : sortedEntries(folder)) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder + QLatin1Char('/') + entry;
    }
    return exact;
}

} // namespace

FolderItem::FolderItem(QString hostPath)
    : m_path(std::move(hostPath))
{
}

bool FolderItem::Exists() const
{
    return isValid() && QFileInfo::exists(m_path);
}

bool FolderItem::Directory() const
{
    return isValid() && QFileInfo(m_path).isDir();
}

int FolderItem::Count() const
{
    return Entries().Count();
}

FolderItem FolderItem::Item(int k) const
{
    return Entries().Item(k);
}

FolderEntries FolderItem::Entries() const
{
    if (!Directory())
        return {};
    return FolderEntries(m_path, sortedEntries(m_path));
}

FolderEntries::FolderEntries(QString folder, QStringList names)
    : m_folder(std::move(folder))
    , m_names(std::move(names))
{
}

FolderItem FolderEntries::Item(int k) const
{
    if (k < 1 || k > Count())
        return {};
    return FolderItem(m_folder + QLatin1Char('/') + m_names.at(k - 1));
}

FolderItem FolderItem::Child(const std::string& name) const
{
    const QString qname = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    if (!isValid() || !isSafeName(qname))
        return {};
    if (qname.isEmpty())
        return *this;
    return FolderItem(resolve(m_path, qname));
}

std::string FolderItem::Name() const
{
    return QFileInfo(m_path).fileName().toStdString();
}

std::string FolderItem::MacType() const
{
    return Directory() ? "fold" : "";
}

std::optional<std::string> FolderItem::ReadAll() const
{
    const QFileInfo info(m_path);
    if (!isValid() || !info.isFile() || info.size() > kMaxReadBytes)
        return std::nullopt;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Reading up to the limit would set aside the limit's worth of memory for every file.
    const QByteArray bytes = file.readAll();
    if (bytes.size() > kMaxReadBytes || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes.toStdString();
}

bool FolderItem::WriteText(const std::string& content) const
{
    if (!isValid())
        return false;
    QSaveFile file(m_path);
    // Whoever may write the file may replace it, also where its folder takes no new file.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const auto size = static_cast<qint64>(content.size());
    // The file buffers what it is given, and commit() puts a short file in the old one's
    // place when the disk takes no more: every byte must be on disk before it may.
    if (file.write(content.data(), size) != size || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString programFolder()
{
    if (!programFolderOverride().isEmpty())
        return programFolderOverride();
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
}

void setProgramFolder(const QString& folder)
{
    programFolderOverride() = folder;
}

FolderItem GetFolderItem(const std::string& path)
{
    FolderItem item(programFolder());
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t at = path.find(':', start);
        const std::string name = path.substr(start, at == std::string::npos ? std::string::npos : at - start);
        item = item.Child(name);
        if (!item.isValid() || at == std::string::npos)
            break;
        start = at + 1;
    }
    return item;
}

FolderItem PreferencesFolder()
{
    if (!preferencesFolderOverride().isEmpty())
        return FolderItem(preferencesFolderOverride());
    return FolderItem(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

void setPreferencesFolder(const QString& folder)
{
    preferencesFolderOverride() = folder;
}

} // namespace fw
