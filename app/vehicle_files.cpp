#include "app/vehicle_files.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <sys/stat.h>

QString workingFolder(const QString& programFolder) {
    return programFolder + QStringLiteral("/temp");
}

bool ensureFolder(const QString& path) {
    const QFileInfo info(path);
    if (info.exists())
        return info.isDir();
    return QDir().mkpath(path);
}

std::optional<QStringList> listVehicleFileNames(const QString& folder) {
    // An empty folder name would list the current folder.
    if (folder.isEmpty())
        return std::nullopt;
    const QDir dir(folder);
    if (!dir.exists() || !dir.isReadable())
        return std::nullopt;
    QStringList names;
    // Name filters match without regard to case unless asked otherwise; the iterator yields the
    // entries in the order the file system reads them.
    QDirIterator entries(folder, {QStringLiteral("*.srf")}, QDir::Files);
    while (entries.hasNext()) {
        entries.next();
        names.append(entries.fileName());
    }
    return names;
}

bool sameFile(const QString& first, const QString& second) {
    struct stat a {};
    struct stat b {};
    return ::stat(QFile::encodeName(first).constData(), &a) == 0 &&
           ::stat(QFile::encodeName(second).constData(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

bool replaceFileCopy(const QString& source, const QString& target, QString* reason) {
    if (sameFile(source, target))
        return true;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        if (reason)
            *reason = in.errorString();
        return false;
    }
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) {
        if (reason)
            *reason = out.errorString();
        return false;
    }
    QByteArray chunk(1 << 16, Qt::Uninitialized);
    for (;;) {
        const qint64 read = in.read(chunk.data(), chunk.size());
        if (read < 0) {
            out.cancelWriting();
            break;
        }
        if (read == 0)
            break;
        if (out.write(chunk.constData(), read) != read) {
            out.cancelWriting();
            break;
        }
    }
    if (out.commit())
        return true;
    if (reason)
        *reason = out.errorString();
    return false;
}
