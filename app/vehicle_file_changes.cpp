#include "app/vehicle_file_changes.h"

#include "app/vehicle_files.h"

#include <cerrno>
#include <cstring>
#include <QFile>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

void say(QString* reason, const QString& text) {
    if (reason)
        *reason = text;
}

// A regular file that grants nobody write access, as the navigator's file system shows a file
// marked read-only: neither a deletion nor a replacement takes it. A link is no such file; what
// goes or is replaced is the link itself.
bool isReadOnlyFile(const struct stat& status) {
    return S_ISREG(status.st_mode) && (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

const QString ReadOnlyReason = QStringLiteral("Read-only file");

} // namespace

bool copyVehicleFile(const QString& source, const QString& target, QString* reason) {
    // Both panes may show one folder; writing a file over itself would truncate it first.
    if (source == target || sameFile(source, target))
        return true;
    struct stat status {};
    if (::stat(QFile::encodeName(source).constData(), &status) != 0) {
        say(reason, systemReason(errno));
        return false;
    }
    if (!S_ISREG(status.st_mode)) {
        say(reason, QStringLiteral("Not a regular file"));
        return false;
    }
    struct stat existing {};
    if (::lstat(QFile::encodeName(target).constData(), &existing) == 0 &&
        isReadOnlyFile(existing)) {
        say(reason, ReadOnlyReason);
        return false;
    }
    // The copy carries the vehicle's date, as the card shows it and as a copy on the other
    // platform keeps it, so the next scan dates it the same.
    CopyOptions options;
    options.keepModificationTime = true;
    return replaceFileCopy(source, target, reason, options);
}

Removal removeVehicleFile(const QString& path, QString* reason) {
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0) {
        if (errno == ENOENT)
            return Removal::AlreadyGone;
        say(reason, systemReason(errno));
        return Removal::Failed;
    }
    if (isReadOnlyFile(status)) {
        say(reason, ReadOnlyReason);
        return Removal::Failed;
    }
    if (::unlink(name.constData()) != 0) {
        if (errno == ENOENT)
            return Removal::AlreadyGone;
        say(reason, systemReason(errno));
        return Removal::Failed;
    }
    return Removal::Removed;
}
