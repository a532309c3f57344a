#include "assets/generator/watermarks.h"

#include "assets/generator/artwork_font.h"
#include "platform/gdi/system_colours.h"

#include <QFontMetrics>
#include <QPainter>
#include <utility>

namespace artwork {
namespace {

constexpr int kSideMargin = 8;
constexpr int kLargestPixelSize = 72;

// Both lines take the font's cap height apart from each other by this fraction of it.
constexpr double kLineGapRatio = 0.42;

int capHeight(const QFont& font) {
    return QFontMetrics(font).capHeight();
}

bool linesFit(const QFont& font) {
    const QFontMetrics metrics(font);
    for (const WatermarkPicture& picture : kWatermarkPictures) {
        for (const char* line : {picture.firstLine, picture.secondLine}) {
            if (metrics.horizontalAdvance(QString::fromLatin1(line)) >
                kWatermarkWidth - 2 * kSideMargin)
                return false;
        }
    }
    const int height = capHeight(font);
    return 2 * height + height * kLineGapRatio <= kWatermarkHeight - 2 * kSideMargin;
}

QFont watermarkFont() {
    int size = kLargestPixelSize;
    while (size > 8 && !linesFit(artworkFont(size)))
        --size;
    return artworkFont(size);
}

} // namespace

QRgb watermarkBackground() {
    const gdi::COLORREF window = gdi::GetSysColor(gdi::COLOR_WINDOW);
    return qRgb(static_cast<int>(window & 0xFFu), static_cast<int>((window >> 8) & 0xFFu),
                static_cast<int>((window >> 16) & 0xFFu));
}

QImage drawWatermark(const WatermarkPicture& picture) {
    QImage image(kWatermarkWidth, kWatermarkHeight, QImage::Format_RGB32);
    image.fill(watermarkBackground());

    const QFont font = watermarkFont();
    const QFontMetrics metrics(font);
    const int cap = capHeight(font);
    const int gap = static_cast<int>(cap * kLineGapRatio);
    // Baselines: the block of two capital-height lines is centred vertically.
    const int firstBaseline = (kWatermarkHeight - (2 * cap + gap)) / 2 + cap;
    const int secondBaseline = firstBaseline + cap + gap;

    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(kWatermarkLetterColour));
    for (const auto& [text, baseline] : {std::pair{picture.firstLine, firstBaseline},
                                         std::pair{picture.secondLine, secondBaseline}}) {
        const QString line = QString::fromLatin1(text);
        // Centred on the ink, not on the advance, which carries the letters' side bearings.
        const QRect ink = metrics.tightBoundingRect(line);
        const int left = (kWatermarkWidth - ink.width()) / 2 - ink.left();
        painter.drawText(left, baseline, line);
    }
    return image;
}

} // namespace artwork
