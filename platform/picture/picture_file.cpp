#include "platform/picture/picture_file.h"

#include "platform/picture/picture_completeness.h"

#include <cerrno>
#include <fcntl.h>
#include <new>
#include <optional>
#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Far beyond any picture the window or a card shows; a larger file is not read into memory.
constexpr off_t LargestPictureFile = 256 * 1024 * 1024;

// The file's bytes, as many as it held when opened; nothing for what is no regular file.
std::optional<QByteArray> readRegularFile(const std::filesystem::path& path) {
    // Without O_NONBLOCK the open of a pipe waits for a writer, for ever if none comes.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (descriptor < 0)
        return std::nullopt;
    std::optional<QByteArray> bytes;
    struct stat status {};
    if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) && status.st_size >= 0 &&
        status.st_size <= LargestPictureFile) {
        try {
            QByteArray content(static_cast<qsizetype>(status.st_size), Qt::Uninitialized);
            qsizetype filled = 0;
            while (filled < content.size()) {
                const ssize_t got = ::read(descriptor, content.data() + filled,
                                           static_cast<std::size_t>(content.size() - filled));
                if (got < 0 && errno == EINTR)
                    continue;
                // Shrunk since it was opened: what it still holds, which the check then judges.
                if (got <= 0)
                    break;
                filled += got;
            }
            content.truncate(filled);
            bytes = std::move(content);
        } catch (const std::bad_alloc&) {
            bytes.reset();
        }
    }
    ::close(descriptor);
    return bytes;
}

} // namespace

QImage ReadPictureFile(const std::filesystem::path& path) {
    const std::optional<QByteArray> bytes = readRegularFile(path);
    if (!bytes)
        return QImage();
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes->constData());
    if (!holdsEveryPixel({data, static_cast<std::size_t>(bytes->size())}))
        return QImage();
    // Read from the bytes checked, so a file changed meanwhile cannot slip past the check.
    QBuffer buffer;
    buffer.setData(*bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return QImage();
    QImageReader reader(&buffer);
    return reader.read();
}
