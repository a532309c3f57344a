#include "tools/srftool/output_files.h"

#include "format/srf_limits.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <sys/stat.h>
#include <unistd.h>

namespace srftool {
namespace {

QString qtPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

Failure reason(const QString& text) {
    return text.toStdString();
}

} // namespace

Failure checkReadableFile(const std::string& path) {
    // Opened the way the loader opens a vehicle: a pipe without a writer must not stop the
    // tool, and only a regular file no larger than any vehicle is read at all.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        const int error = errno;
        return error == ENOENT ? "no such file" : std::strerror(error);
    }
    struct stat status {};
    const bool described = ::fstat(fd, &status) == 0;
    const int error = errno;
    ::close(fd);
    if (!described)
        return std::strerror(error);
    if (S_ISDIR(status.st_mode))
        return "it is a folder, not a file";
    if (!S_ISREG(status.st_mode))
        return "it is not a regular file";
    if (static_cast<std::uint64_t>(status.st_size) > srf::MaxVehicleFileBytes)
        return "it is larger than 64 MiB, which no vehicle is";
    return {};
}

Failure ensureFolder(const std::string& path) {
    const QFileInfo info(qtPath(path));
    if (info.exists()) {
        if (!info.isDir())
            return "it exists and is not a folder";
        return {};
    }
    if (!QDir().mkpath(info.filePath()))
        return "the folder cannot be created";
    return {};
}

Failure savePng(const QImage& image, const std::string& path) {
    if (image.isNull())
        return "there is no image to write";
    QSaveFile file(qtPath(path));
    if (!file.open(QIODevice::WriteOnly))
        return reason(file.errorString());
    QImageWriter writer(&file, "png");
    if (!writer.write(image)) {
        file.cancelWriting();
        return reason(writer.errorString());
    }
    if (!file.commit())
        return reason(file.errorString());
    return {};
}

Failure saveBytes(const std::vector<std::uint8_t>& bytes, const std::string& path) {
    QSaveFile file(qtPath(path));
    if (!file.open(QIODevice::WriteOnly))
        return reason(file.errorString());
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size) {
        file.cancelWriting();
        return reason(file.errorString());
    }
    if (!file.commit())
        return reason(file.errorString());
    return {};
}

} // namespace srftool
