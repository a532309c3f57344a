#include "app/state_folders.h"

#include "app/vehicle_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <unistd.h>

namespace {

// access() and not the permission bits: a read-only mount refuses even root, whom the bits do not.
bool isWritableFolder(const QString& folder) {
    return !folder.isEmpty() && ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

bool isInstalledFolder(const QString& folder) {
    return QFileInfo(folder + u'/' + QLatin1String(kInstalledMarkerName)).isFile();
}

} // namespace

StateFolders stateFoldersFor(const QString& programFolder) {
    if (!isInstalledFolder(programFolder) && isWritableFolder(programFolder))
        return {programFolder, workingFolder(programFolder)};
    const QString configuration =
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QDir().mkpath(configuration);
    return {configuration, workingFolder(cache)};
}
