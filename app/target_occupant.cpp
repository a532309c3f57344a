#include "app/target_occupant.h"

#include <dirent.h>
#include <QFile>
#include <sys/stat.h>

namespace {

bool lookAt(const QString& path, struct stat* status) {
    return ::lstat(QFile::encodeName(path).constData(), status) == 0;
}

// Whether the folder's own listing has an entry of exactly this name.
bool listsExactly(const QString& folder, const QString& name) {
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return false;
    const QByteArray wanted = QFile::encodeName(name);
    bool found = false;
    while (const dirent* entry = ::readdir(dir)) {
        if (wanted == entry->d_name) {
            found = true;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

} // namespace

TargetOccupant occupantOf(const QString& folder, const QString& name,
                          std::span<const VehicleRecord> entries) {
    const QString path = folder + QLatin1Char('/') + name;
    struct stat target {};
    if (!lookAt(path, &target))
        return {};
    if (listsExactly(folder, name))
        return {true, -1};
    for (std::size_t e = 0; e < entries.size(); ++e) {
        struct stat listed {};
        if (lookAt(folder + QLatin1Char('/') + entries[e].FileName, &listed) &&
            listed.st_dev == target.st_dev && listed.st_ino == target.st_ino)
            return {true, static_cast<std::int32_t>(e)};
    }
    for (std::size_t e = 0; e < entries.size(); ++e) {
        if (entries[e].FileName.compare(name, Qt::CaseInsensitive) == 0)
            return {true, static_cast<std::int32_t>(e)};
    }
    return {true, -1};
}
