#include "tools/srftool/png_input.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <sys/stat.h>
#include <unistd.h>

namespace srftool {
namespace {

// Far beyond any picture of a vehicle; keeps a huge file from being read into memory whole.
constexpr off_t largestFile = 256 * 1024 * 1024;

Failure readRegularFile(const std::string& path, QByteArray& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::string(errno == ENOENT ? "no such file" : std::strerror(errno));
    struct stat info {};
    Failure failure;
    if (::fstat(fd, &info) != 0)
        failure = std::strerror(errno);
    else if (!S_ISREG(info.st_mode))
        failure = "not a regular file";
    else if (info.st_size > largestFile)
        failure = "the file is too large for a picture";
    if (!failure) {
        bytes.resize(static_cast<qsizetype>(info.st_size));
        qsizetype filled = 0;
        while (filled < bytes.size()) {
            const ssize_t got =
                ::read(fd, bytes.data() + filled, static_cast<std::size_t>(bytes.size() - filled));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                failure = std::strerror(errno);
                break;
            }
            if (got == 0)
                break; // the file shrank: take what it still holds
            filled += got;
        }
        bytes.resize(filled);
    }
    ::close(fd);
    return failure;
}

} // namespace

Failure readPng(const std::string& path, QImage& image) {
    QByteArray bytes;
    if (const Failure failure = readRegularFile(path, bytes))
        return failure;
    static const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
    if (!bytes.startsWith(signature))
        return "not a PNG picture";
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    reader.setDecideFormatFromContent(false);
    const QSize size = reader.size();
    if (size.width() > largestSide || size.height() > largestSide)
        return "the picture is larger than " + std::to_string(largestSide) + " pixels";
    QImage decoded;
    if (!reader.read(&decoded))
        return "a damaged PNG picture (" + reader.errorString().toStdString() + ")";
    image = decoded.convertToFormat(QImage::Format_RGBA8888);
    if (image.isNull())
        return "the picture cannot be converted";
    return {};
}

} // namespace srftool
