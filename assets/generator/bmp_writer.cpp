#include "assets/generator/bmp_writer.h"

#include <cstdint>
#include <limits>

namespace artwork {
namespace {

constexpr qint64 kFileHeaderSize = 14;
constexpr qint64 kInfoHeaderSize = 40;
// 2835 pixels per metre is 72 dots per inch, what Windows' own tools store.
constexpr std::uint32_t kPixelsPerMetre = 2835;

void appendLittleEndian(QByteArray& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFFu));
}

} // namespace

QByteArray encodeBmp24(const QImage& image) {
    if (image.isNull())
        return {};
    const qint64 width = image.width();
    const qint64 height = image.height();
    const qint64 rowBytes = (width * 3 + 3) / 4 * 4;
    const qint64 pixelBytes = rowBytes * height;
    const qint64 fileBytes = kFileHeaderSize + kInfoHeaderSize + pixelBytes;
    if (fileBytes > std::numeric_limits<std::int32_t>::max())
        return {};

    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QByteArray out;
    out.reserve(static_cast<qsizetype>(fileBytes));

    out.append("BM", 2);
    appendLittleEndian(out, static_cast<std::uint32_t>(fileBytes), 4);
    appendLittleEndian(out, 0, 4); // two reserved words
    appendLittleEndian(out, static_cast<std::uint32_t>(kFileHeaderSize + kInfoHeaderSize), 4);

    appendLittleEndian(out, static_cast<std::uint32_t>(kInfoHeaderSize), 4);
    appendLittleEndian(out, static_cast<std::uint32_t>(width), 4);
    appendLittleEndian(out, static_cast<std::uint32_t>(height), 4); // positive: bottom-up
    appendLittleEndian(out, 1, 2);                                  // planes
    appendLittleEndian(out, 24, 2);                                 // bits per pixel
    appendLittleEndian(out, 0, 4);                                  // BI_RGB
    appendLittleEndian(out, static_cast<std::uint32_t>(pixelBytes), 4);
    appendLittleEndian(out, kPixelsPerMetre, 4);
    appendLittleEndian(out, kPixelsPerMetre, 4);
    appendLittleEndian(out, 0, 4); // colours used
    appendLittleEndian(out, 0, 4); // important colours

    const qint64 padding = rowBytes - width * 3;
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            out.append(static_cast<char>(qBlue(row[x])));
            out.append(static_cast<char>(qGreen(row[x])));
            out.append(static_cast<char>(qRed(row[x])));
        }
        out.append(static_cast<qsizetype>(padding), '\0');
    }
    return out;
}

} // namespace artwork
