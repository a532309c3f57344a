#include "assets/generator/watermarks.h"

#include "assets/generator/artwork_font.h"
#include "platform/gdi/system_colours.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
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

// The first and the second line; a name of one line leaves the second empty.
std::pair<QString, QString> linesOf(const WatermarkPicture& picture, const Lettering& lettering) {
    const QString& name = lettering.text(picture.name);
    const qsizetype lineBreak = name.indexOf(QLatin1Char('\n'));
    if (lineBreak < 0)
        return {name, QString()};
    return {name.left(lineBreak), name.mid(lineBreak + 1)};
}

bool linesFit(const QFont& font, const Lettering& lettering) {
    const QFontMetrics metrics(font);
    for (const WatermarkPicture& picture : kWatermarkPictures) {
        const auto [first, second] = linesOf(picture, lettering);
        for (const QString& line : {first, second}) {
            if (metrics.horizontalAdvance(line) > kWatermarkWidth - 2 * kSideMargin)
                return false;
        }
    }
    const int height = capHeight(font);
    return 2 * height + height * kLineGapRatio <= kWatermarkHeight - 2 * kSideMargin;
}

QFont watermarkFont(const Lettering& lettering) {
    int size = kLargestPixelSize;
    while (size > 8 && !linesFit(artworkFont(size), lettering))
        --size;
    return artworkFont(size);
}

} // namespace

QRgb watermarkBackground() {
    const gdi::COLORREF window = gdi::GetSysColor(gdi::COLOR_WINDOW);
    return qRgb(static_cast<int>(window & 0xFFu), static_cast<int>((window >> 8) & 0xFFu),
                static_cast<int>((window >> 16) & 0xFFu));
}

QImage drawWatermark(const WatermarkPicture& picture, const Lettering& lettering, int scale) {
    QImage image =
        scaledCanvas(QSize(kWatermarkWidth, kWatermarkHeight), QImage::Format_RGB32, scale);
    image.fill(watermarkBackground());

    const QFont font = watermarkFont(lettering);
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
    const auto [first, second] = linesOf(picture, lettering);
    for (const auto& [line, baseline] :
         {std::pair{first, firstBaseline}, std::pair{second, secondBaseline}}) {
        // Centred on the ink, not on the advance, which carries the letters' side bearings.
        const QRect ink = metrics.tightBoundingRect(line);
        const int left = (kWatermarkWidth - ink.width()) / 2 - ink.left();
        painter.drawText(left, baseline, line);
    }
    return image;
}

} // namespace artwork
