#include "tests/assets/picture_files.h"

#include <cstdint>
#include <QDir>
#include <QFile>
#include <QImageReader>

namespace artwork_test {
namespace {

std::uint32_t littleEndian(const QByteArray& bytes, int at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes.at(at + i));
    return value;
}

std::uint32_t bigEndian(const QByteArray& bytes, int at) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes.at(at + i));
    return value;
}

} // namespace

QString imagesPath() {
    return QStringLiteral(MOTORHALL_IMAGES_DIR);
}

QByteArray pictureBytes(const QString& name) {
    QFile file(QDir(imagesPath()).filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage readPicture(const QString& name) {
    QImageReader reader(QDir(imagesPath()).filePath(name));
    QImage image = reader.read().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    return image;
}

QStringList picturesIn(const QString& folder) {
    return QDir(QDir(imagesPath()).filePath(folder)).entryList(QDir::Files, QDir::Name);
}

QString formatOf(const QByteArray& bytes) {
    if (bytes.size() >= 54 && bytes.startsWith("BM") && littleEndian(bytes, 28, 2) == 24 &&
        littleEndian(bytes, 30, 4) == 0)
        return QStringLiteral("BMP 24-bit uncompressed");
    if (bytes.size() >= 13 && bytes.startsWith("GIF89a") &&
        (static_cast<std::uint8_t>(bytes.at(10)) & 0x87u) == 0x87u)
        return QStringLiteral("GIF89a 256-colour palette");
    if (bytes.size() >= 24 && bytes.startsWith("\x89PNG\r\n\x1a\n"))
        return QStringLiteral("PNG");
    return QStringLiteral("other");
}

QSize headerSizeOf(const QByteArray& bytes) {
    const QString format = formatOf(bytes);
    if (format.startsWith(QLatin1String("BMP")))
        return QSize(static_cast<int>(littleEndian(bytes, 18, 4)),
                     static_cast<int>(littleEndian(bytes, 22, 4)));
    if (format.startsWith(QLatin1String("GIF")))
        return QSize(static_cast<int>(littleEndian(bytes, 6, 2)),
                     static_cast<int>(littleEndian(bytes, 8, 2)));
    if (format == QLatin1String("PNG"))
        return QSize(static_cast<int>(bigEndian(bytes, 16)),
                     static_cast<int>(bigEndian(bytes, 20)));
    return {};
}

} // namespace artwork_test
