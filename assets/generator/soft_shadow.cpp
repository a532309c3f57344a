#include "assets/generator/soft_shadow.h"

#include <algorithm>
#include <QPainter>
#include <vector>

namespace artwork {
namespace {

// One box-blur pass along a line of `count` values spaced `stride` apart; edges are clamped.
void boxBlurLine(std::uint8_t* line, int count, int stride, int radius, std::vector<int>& scratch) {
    scratch.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        scratch[static_cast<std::size_t>(i)] = line[static_cast<std::ptrdiff_t>(i) * stride];
    const int window = 2 * radius + 1;
    auto at = [&](int i) { return scratch[static_cast<std::size_t>(std::clamp(i, 0, count - 1))]; };
    int sum = 0;
    for (int i = -radius; i <= radius; ++i)
        sum += at(i);
    for (int i = 0; i < count; ++i) {
        line[static_cast<std::ptrdiff_t>(i) * stride] =
            static_cast<std::uint8_t>((sum + window / 2) / window);
        sum += at(i + radius + 1) - at(i - radius);
    }
}

} // namespace

QImage softShadow(const QPainterPath& shape, QSize canvas, QPointF offset, int radius,
                  const QColor& colour, int scale) {
    QImage mask(canvas, QImage::Format_Alpha8);
    mask.setDevicePixelRatio(scale);
    mask.fill(0);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(offset);
        painter.fillPath(shape, Qt::black);
    }

    radius *= scale;
    if (radius > 0) {
        std::vector<int> scratch;
        const int width = mask.width();
        const int height = mask.height();
        for (int pass = 0; pass < 3; ++pass) {
            for (int y = 0; y < height; ++y)
                boxBlurLine(mask.scanLine(y), width, 1, radius, scratch);
            for (int x = 0; x < width; ++x)
                boxBlurLine(mask.scanLine(0) + x, height, static_cast<int>(mask.bytesPerLine()),
                            radius, scratch);
        }
    }

    QImage layer(canvas, QImage::Format_ARGB32);
    layer.setDevicePixelRatio(scale);
    const int strength = colour.alpha();
    for (int y = 0; y < layer.height(); ++y) {
        const std::uint8_t* coverage = mask.constScanLine(y);
        auto* out = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = 0; x < layer.width(); ++x)
            out[x] = qRgba(colour.red(), colour.green(), colour.blue(),
                           (coverage[x] * strength + 127) / 255);
    }
    return layer;
}

} // namespace artwork
