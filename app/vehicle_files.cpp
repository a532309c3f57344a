#include "app/vehicle_files.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

bool replaceFileCopy(const QString& source, const QString& target) {
    const QString sourceFile = QFileInfo(source).canonicalFilePath();
    if (!sourceFile.isEmpty() && sourceFile == QFileInfo(target).canonicalFilePath())
        return true;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
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
    return out.commit();
}
