#include "platform/drives/drive_table.h"

#include <algorithm>
#include <QDir>
#include <QStorageInfo>

namespace drives {

namespace {

bool liesBelow(const QString& path, const QStringList& folders) {
    return std::any_of(folders.begin(), folders.end(), [&path](const QString& folder) {
        const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + '/';
        return path.size() > prefix.size() && path.startsWith(prefix);
    });
}

// The entry of `folder` named `name` in any letter case, spelled as on disk.
QString entryIgnoringCase(const QString& folder, const QString& name) {
    const QDir dir(folder);
    if (!dir.isReadable())
        return QString();
    // Sorted by name, so the choice among several spellings does not depend on the file system's
    // listing order.
    const QStringList entries =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    if (entries.contains(name))
        return name;
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return QString();
}

} // namespace

QStringList removableMediaFolders() {
    return {QStringLiteral("/media"), QStringLiteral("/run/media"), QStringLiteral("/mnt")};
}

std::vector<Drive> assignDriveLetters(std::vector<MountedVolume> volumes,
                                      const QStringList& mediaFolders) {
    std::erase_if(volumes, [&mediaFolders](const MountedVolume& volume) {
        return !liesBelow(volume.mountPoint, mediaFolders);
    });
    std::stable_sort(
        volumes.begin(), volumes.end(),
        [](const MountedVolume& a, const MountedVolume& b) { return a.mountPoint < b.mountPoint; });
    std::vector<Drive> table;
    char letter = kFirstLetter;
    for (std::size_t i = 0; i < volumes.size() && letter <= kLastLetter; ++i) {
        // A mount point mounted over keeps one letter, for the volume on top (listed last), the
        // only one its path reaches.
        if (i + 1 < volumes.size() && volumes[i + 1].mountPoint == volumes[i].mountPoint)
            continue;
        table.push_back(Drive{letter++, volumes[i].mountPoint, volumes[i].ready});
    }
    return table;
}

QString findFolderIgnoringCase(const QString& root, const QStringList& names) {
    QString path = root;
    for (const QString& name : names) {
        const QString entry = entryIgnoringCase(path, name);
        if (entry.isEmpty())
            return QString();
        path += QLatin1Char('/') + entry;
    }
    return path;
}

QString DriveTable::findFolder(const Drive& drive, const QStringList& names) {
    if (!drive.ready)
        return QString();
    return findFolderIgnoringCase(drive.root, names);
}

std::vector<Drive> MountedDriveTable::drives() {
    std::vector<MountedVolume> volumes;
    for (const QStorageInfo& info : QStorageInfo::mountedVolumes())
        volumes.push_back(MountedVolume{info.rootPath(), info.isValid() && info.isReady()});
    return assignDriveLetters(std::move(volumes), removableMediaFolders());
}

} // namespace drives
