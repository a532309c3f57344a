#include "assets/generator/gif_writer.h"

#include "assets/generator/lzw_encoder.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace artwork {
namespace {

constexpr int kPaletteEntries = 256;
constexpr int kMaximumSide = 0xFFFF;
constexpr int kSubBlockLimit = 255;

void appendWord(QByteArray& out, int value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

void appendByte(QByteArray& out, unsigned value) {
    out.append(static_cast<char>(value & 0xFFu));
}

} // namespace

QByteArray encodeGif89a(const QImage& image) {
    if (image.isNull() || image.width() > kMaximumSide || image.height() > kMaximumSide)
        return {};

    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    std::vector<QRgb> palette;
    std::unordered_map<QRgb, std::uint8_t> paletteIndex;
    std::vector<std::uint8_t> indices;
    indices.reserve(static_cast<std::size_t>(rgb.width()) * static_cast<std::size_t>(rgb.height()));
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb colour = row[x] | 0xFF000000u;
            auto found = paletteIndex.find(colour);
            if (found == paletteIndex.end()) {
                if (palette.size() == kPaletteEntries)
                    return {};
                found =
                    paletteIndex.emplace(colour, static_cast<std::uint8_t>(palette.size())).first;
                palette.push_back(colour);
            }
            indices.push_back(found->second);
        }
    }

    QByteArray out("GIF89a");
    appendWord(out, rgb.width());
    appendWord(out, rgb.height());
    // Global palette present, 8 bits of colour resolution, unsorted, 2^(7+1) entries.
    appendByte(out, 0x80u | (7u << 4) | 7u);
    appendByte(out, 0); // background: the first pixel's colour
    appendByte(out, 0); // square pixels
    for (int i = 0; i < kPaletteEntries; ++i) {
        const QRgb colour = i < static_cast<int>(palette.size()) ? palette[i] : 0;
        appendByte(out, static_cast<unsigned>(qRed(colour)));
        appendByte(out, static_cast<unsigned>(qGreen(colour)));
        appendByte(out, static_cast<unsigned>(qBlue(colour)));
    }

    appendByte(out, 0x2C); // image descriptor
    appendWord(out, 0);
    appendWord(out, 0);
    appendWord(out, rgb.width());
    appendWord(out, rgb.height());
    appendByte(out, 0); // no local palette, not interlaced

    appendByte(out, 8); // LZW minimum code size
    const std::vector<std::uint8_t> codes = lzwEncode(indices);
    for (std::size_t at = 0; at < codes.size(); at += kSubBlockLimit) {
        const std::size_t length = std::min<std::size_t>(kSubBlockLimit, codes.size() - at);
        appendByte(out, static_cast<unsigned>(length));
        out.append(reinterpret_cast<const char*>(codes.data() + at),
                   static_cast<qsizetype>(length));
    }
    appendByte(out, 0); // block terminator
    appendByte(out, 0x3B);
    return out;
}

} // namespace artwork
