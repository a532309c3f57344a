#include "app/vehicle_files.h"

#include "format/srf_limits.h"
#include "platform/files/replacement_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

bool isVehicleFile(const struct stat& status) {
    return S_ISREG(status.st_mode) && status.st_size >= 0 &&
           static_cast<std::uint64_t>(status.st_size) <= srf::MaxVehicleFileBytes;
}

FileStamp stampOf(const struct stat& status) {
    return {status.st_size, status.st_mtim.tv_sec, status.st_mtim.tv_nsec};
}

QString systemWords(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// The source of a copy, open for reading; closed when it goes.
class OpenSource {
public:
    explicit OpenSource(const QString& path)
        // Without O_NONBLOCK the open of a pipe waits for a writer, for ever if none comes.
        : descriptor_(::open(QFile::encodeName(path).constData(),
                             O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK)) {
        if (descriptor_ < 0)
            error_ = errno;
        else if (::fstat(descriptor_, &status_) != 0)
            error_ = errno;
    }
    ~OpenSource() {
        if (descriptor_ >= 0)
            ::close(descriptor_);
    }
    OpenSource(const OpenSource&) = delete;
    OpenSource& operator=(const OpenSource&) = delete;

    // 0 when the file is open and looked at.
    int error() const { return error_; }
    const struct stat& status() const { return status_; }
    // Reads up to size bytes; 0 at the end of the file, -1 with errno on failure.
    ssize_t read(char* out, std::size_t size) const {
        for (;;) {
            const ssize_t got = ::read(descriptor_, out, size);
            if (got >= 0 || errno != EINTR)
                return got;
        }
    }

private:
    int descriptor_ = -1;
    int error_ = 0;
    struct stat status_ {};
};

CopyResult failure(CopyResult result, const QString& words, QString* reason) {
    if (reason)
        *reason = words;
    return result;
}

} // namespace

QString workingFolder(const QString& programFolder) {
    return programFolder + QStringLiteral("/temp");
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
    const OpenSource in(source);
    if (in.error() != 0)
        return failure(in.error() == ENOENT || in.error() == ENXIO ? CopyResult::NotAVehicleFile
                                                                   : CopyResult::Unreadable,
                       systemWords(in.error()), reason);
    const struct stat& status = in.status();
    if (!S_ISREG(status.st_mode))
        return failure(CopyResult::NotAVehicleFile, QStringLiteral("Not a regular file"), reason);
    if (!isVehicleFile(status))
        return failure(CopyResult::NotAVehicleFile, systemWords(EFBIG), reason);
    struct stat existing {};
    if (::stat(QFile::encodeName(target).constData(), &existing) == 0 &&
        existing.st_dev == status.st_dev && existing.st_ino == status.st_ino)
        return CopyResult::Copied;

    files::ReplacementFile out(QFile::encodeName(target).toStdString(),
                               files::SpecialTarget::refuse);
    if (!out.isOpen())
        return failure(CopyResult::Failed, systemWords(out.errorNumber()), reason);
    std::vector<char> piece(
        std::min<std::size_t>(CopyPieceBytes, static_cast<std::size_t>(status.st_size)));
    // Never more than the file held when it was opened: one that grows meanwhile is cut there.
    auto left = static_cast<std::uint64_t>(status.st_size);
    while (left > 0) {
        const ssize_t got = in.read(piece.data(), std::min<std::uint64_t>(piece.size(), left));
        if (got < 0)
            return failure(CopyResult::Unreadable, systemWords(errno), reason);
        // A file that shrank meanwhile ends early; its copy is what it held.
        if (got == 0)
            break;
        if (!out.write(piece.data(), static_cast<std::size_t>(got)))
            return failure(CopyResult::Failed, systemWords(out.errorNumber()), reason);
        left -= static_cast<std::uint64_t>(got);
        if (options.continues && !options.continues())
            return failure(CopyResult::Stopped, systemWords(ECANCELED), reason);
    }
    if (options.keepModificationTime && !out.setModificationTime(status.st_mtim))
        return failure(CopyResult::Failed, systemWords(out.errorNumber()), reason);
    if (!out.commit())
        return failure(CopyResult::Failed, systemWords(out.errorNumber()), reason);
    return CopyResult::Copied;
}

bool replaceFileCopy(const QString& source, const QString& target, QString* reason,
                     const CopyOptions& options) {
    return copyVehicleFile(source, target, options, reason) == CopyResult::Copied;
}
