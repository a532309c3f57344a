#include "app/vehicle_files.h"

#include "format/srf_limits.h"
#include "platform/files/regular_file.h"
#include "platform/files/replacement_file.h"
#include "platform/files/system_words.h"

#include <algorithm>
#include <cerrno>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

bool isVehicleFile(const struct stat& status) {
    return S_ISREG(status.st_mode) && status.st_size >= 0 &&
           static_cast<std::uint64_t>(status.st_size) <= srf::kMaxVehicleFileBytes;
}

FileStamp stampOf(const struct stat& status) {
    return {status.st_size, status.st_mtim.tv_sec, status.st_mtim.tv_nsec};
}

// A regular file that grants nobody write access, as the navigator's file system shows a file
// marked read-only: neither a deletion nor a replacement takes it. A link is no such file; what
// goes or is replaced is the link itself.
bool isReadOnlyFile(const struct stat& status) {
    return S_ISREG(status.st_mode) && (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

// Looked up at each use, in the language installed then.
QString notRegularReason() {
    return QCoreApplication::translate("VehicleFiles", "Not a regular file");
}

QString readOnlyReason() {
    return QCoreApplication::translate("VehicleFiles", "Read-only file");
}

template <typename Result>
Result failure(Result result, const QString& words, QString* reason) {
    if (reason)
        *reason = words;
    return result;
}

template <typename Result>
Result failure(Result result, int error, QString* reason) {
    return failure(result, QString::fromLocal8Bit(files::systemWords(error)), reason);
}

// Why the source was not opened as a vehicle file. One that is gone, or is no file to read (a
// socket, a device without a driver: ENXIO), is no vehicle file; an error of the card or of
// permission makes it unreadable.
CopyResult refusedSource(const files::RegularFile& source, QString* reason) {
    switch (source.failure()) {
    case files::RegularFile::Failure::notRegular:
        return failure(CopyResult::NotAVehicleFile, notRegularReason(), reason);
    case files::RegularFile::Failure::tooLarge:
        return failure(CopyResult::NotAVehicleFile, EFBIG, reason);
    case files::RegularFile::Failure::open:
        if (source.errorNumber() == ENXIO)
            return failure(CopyResult::NotAVehicleFile, notRegularReason(), reason);
        if (source.errorNumber() == ENOENT)
            return failure(CopyResult::NotAVehicleFile, ENOENT, reason);
        break;
    default:
        break;
    }
    return failure(CopyResult::Unreadable, source.errorNumber(), reason);
}

} // namespace

QString workingFolder(const QString& stateFolder) {
    return stateFolder + QStringLiteral("/temp");
}

bool ensureFolder(const QString& path) {
    const QFileInfo info(path);
    if (info.exists())
        return info.isDir();
    return QDir().mkpath(path);
}

std::optional<FileStamp> vehicleFileStamp(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !isVehicleFile(status))
        return std::nullopt;
    return stampOf(status);
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
        // Qt takes a link to a device or a pipe for a file.
        if (vehicleFileStamp(entries.filePath()))
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

bool copyIsCurrent(const FileStamp& original, const QString& copy) {
    struct stat status {};
    return ::lstat(QFile::encodeName(copy).constData(), &status) == 0 && S_ISREG(status.st_mode) &&
           stampOf(status) == original;
}

CopyResult copyVehicleFile(const QString& source, const QString& target, const CopyOptions& options,
                           QString* reason) {
    // Both panes may show one folder; writing a file over itself would truncate it first.
    if (source == target)
        return CopyResult::Copied;
    const files::RegularFile in = files::RegularFile::open(QFile::encodeName(source).toStdString(),
                                                           srf::kMaxVehicleFileBytes);
    const files::RegularFile::Failure refused = in.failure();
    if (refused == files::RegularFile::Failure::open ||
        refused == files::RegularFile::Failure::status)
        return refusedSource(in, reason);
    const struct stat& status = in.status();
    struct stat existing {};
    const QByteArray targetName = QFile::encodeName(target);
    if (::stat(targetName.constData(), &existing) == 0 && existing.st_dev == status.st_dev &&
        existing.st_ino == status.st_ino)
        return CopyResult::Copied;
    if (refused == files::RegularFile::Failure::notRegular)
        return refusedSource(in, reason);
    // stat and not lstat: a replace through a link writes the file the link names.
    if (options.refuseReadOnlyTarget && ::stat(targetName.constData(), &existing) == 0 &&
        isReadOnlyFile(existing))
        return failure(CopyResult::ReadOnlyTarget, readOnlyReason(), reason);
    if (refused != files::RegularFile::Failure::none)
        return refusedSource(in, reason);

    files::ReplacementFile out(targetName.toStdString(), files::SpecialTarget::refuse);
    if (!out.isOpen())
        return failure(CopyResult::Failed, out.errorNumber(), reason);
    std::vector<std::uint8_t> piece(
        static_cast<std::size_t>(std::min<std::uint64_t>(kCopyPieceBytes, in.size())));
    std::uint64_t copied = 0;
    while (copied < in.size()) {
        const files::RegularFile::Read got = in.readAt(copied, piece);
        if (got.errorNumber != 0)
            return failure(CopyResult::Unreadable, got.errorNumber, reason);
        // A file that shrank meanwhile ends early; its copy is what it held.
        if (got.bytes == 0)
            break;
        if (!out.write(piece.data(), got.bytes))
            return failure(CopyResult::Failed, out.errorNumber(), reason);
        copied += got.bytes;
        if (options.continues && !options.continues())
            return failure(CopyResult::Stopped, ECANCELED, reason);
    }
    if (options.keepModificationTime && !out.setModificationTime(status.st_mtim))
        return failure(CopyResult::Failed, out.errorNumber(), reason);
    if (!out.commit(options.flush))
        return failure(CopyResult::Failed, out.errorNumber(), reason);
    return CopyResult::Copied;
}

Removal removeVehicleFile(const QString& path, QString* reason) {
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0) {
        if (errno == ENOENT)
            return Removal::AlreadyGone;
        return failure(Removal::Failed, errno, reason);
    }
    if (isReadOnlyFile(status))
        return failure(Removal::Failed, readOnlyReason(), reason);
    if (::unlink(name.constData()) != 0) {
        if (errno == ENOENT)
            return Removal::AlreadyGone;
        return failure(Removal::Failed, errno, reason);
    }
    return Removal::Removed;
}

Removal trashVehicleFile(const QString& path, QString* reason) {
    struct stat status {};
    // What is gone or read-only is told as a deletion tells it.
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0 || isReadOnlyFile(status))
        return removeVehicleFile(path, reason);
    // The home trash lies in the user's data folder, which a new account may not have yet; without
    // it Qt puts the file into a "files" folder below the working directory.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty() || !QDir().mkpath(data))
        return removeVehicleFile(path, reason);
    // Fails where the volume has no trash of its own and is not the home volume (a read-only
    // one, one whose top folder refuses a trash folder): the file is deleted then, as before.
    if (QFile::moveToTrash(path))
        return Removal::Removed;
    return removeVehicleFile(path, reason);
}
