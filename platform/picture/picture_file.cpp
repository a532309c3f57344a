#include "platform/picture/picture_file.h"

#include "platform/files/regular_file.h"
#include "platform/picture/picture_completeness.h"

#include <cstdint>
#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

namespace {

// Far beyond any picture the window or a card shows; a larger file is not read into memory.
constexpr std::uint64_t kLargestPictureFile = 256 * 1024 * 1024;

} // namespace

QImage ReadPictureFile(const std::filesystem::path& path) {
    files::RegularFile file = files::RegularFile::open(path, kLargestPictureFile);
    if (!file.isOpen())
        return QImage();
    // Shrunk since it was opened, or cut by a failed read: what it still holds, which the check
    // then judges. Nothing is no picture, also when no memory could be had for the file.
    const std::span<const std::uint8_t> bytes = file.content().bytes;
    if (bytes.empty() || !holdsEveryPixel(bytes))
        return QImage();
    // Read from the bytes checked, so a file changed meanwhile cannot slip past the check.
    QBuffer buffer;
    buffer.setData(QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                           static_cast<qsizetype>(bytes.size())));
    if (!buffer.open(QIODevice::ReadOnly))
        return QImage();
    QImageReader reader(&buffer);
    return reader.read();
}
