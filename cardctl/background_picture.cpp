#include "cardctl/background_picture.h"

#include <algorithm>
#include <cstdint>
#include <QPainter>
#include <QPainterPath>

namespace tessel {

namespace {

const QRect kPlaceholder(6, 6, 100, 100);
const QRect kTextPanel(107, 7, 195, 98);

// A fixed pseudo-random value per pixel, so the texture is the same in every run.
int grain(int x, int y) {
    std::uint32_t h =
        static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return static_cast<int>(h % 21) - 10;
}

// Brushed grey metal: fine grain over faint horizontal streaks, a little lighter at the top.
void drawTexture(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const int streak = grain(0, y * 7) / 3;
        const int shade = 160 - y * 24 / image.height();
        for (int x = 0; x < image.width(); ++x) {
            const int v = std::clamp(shade + streak + grain(x, y) / 2, 0, 255);
            line[x] = qRgb(v, v, v + 4 > 255 ? 255 : v + 4);
        }
    }
}

// Lightens or darkens one pixel of the frame, keeping its texture.
void tint(QImage& image, int x, int y, int amount) {
    const QRgb c = image.pixel(x, y);
    auto adjust = [amount](int v) { return std::clamp(v + amount, 0, 255); };
    image.setPixel(x, y, qRgb(adjust(qRed(c)), adjust(qGreen(c)), adjust(qBlue(c))));
}

// Raised edges around the whole card, sunken ones around the thumbnail's place.
void drawBevels(QImage& image) {
    const int w = image.width();
    const int h = image.height();
    for (int step = 0; step < 2; ++step) {
        const int amount = step == 0 ? 70 : 35;
        for (int x = step; x < w - step; ++x) {
            tint(image, x, step, amount);
            tint(image, x, h - 1 - step, -amount);
        }
        for (int y = step + 1; y < h - 1 - step; ++y) {
            tint(image, step, y, amount);
            tint(image, w - 1 - step, y, -amount);
        }
    }
    const QRect around = kPlaceholder.adjusted(-1, -1, 1, 1);
    for (int x = around.left(); x <= around.right(); ++x) {
        tint(image, x, around.top(), -60);
        tint(image, x, around.bottom(), 60);
    }
    for (int y = around.top() + 1; y < around.bottom(); ++y) {
        tint(image, around.left(), y, -60);
        tint(image, around.right(), y, 60);
    }
}

// A blank sheet with its top-right corner folded over.
void drawBlankPage(QPainter& p) {
    const QRectF page(35.5, 24.5, 42, 56);
    const qreal fold = 12;
    QPainterPath sheet;
    sheet.moveTo(page.topLeft());
    sheet.lineTo(page.right() - fold, page.top());
    sheet.lineTo(page.right(), page.top() + fold);
    sheet.lineTo(page.bottomRight());
    sheet.lineTo(page.bottomLeft());
    sheet.closeSubpath();
    p.fillPath(sheet.translated(2, 2), QColor(0, 0, 0, 40));
    p.fillPath(sheet, QColor(248, 248, 248));
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.drawPath(sheet);
    QPainterPath corner;
    corner.moveTo(page.right() - fold, page.top());
    corner.lineTo(page.right() - fold, page.top() + fold);
    corner.lineTo(page.right(), page.top() + fold);
    p.fillPath(corner, QColor(215, 215, 215));
    p.drawPath(corner);
}

// A red ring with a bar from its upper left to its lower right.
void drawProhibitionSign(QPainter& p) {
    const QPointF centre = QRectF(kPlaceholder).center();
    const qreal radius = 34;
    const qreal width = 7;
    const QColor red(206, 17, 38);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(red, width));
    p.drawEllipse(centre, radius - width / 2, radius - width / 2);
    const qreal reach = (radius - width / 2) * 0.7071;
    p.setPen(QPen(red, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(centre + QPointF(-reach, -reach), centre + QPointF(reach, reach));
}

QImage drawBackground() {
    QImage image(kBackgroundWidth, kBackgroundHeight, QImage::Format_RGB32);
    drawTexture(image);
    drawBevels(image);
    QPainter p(&image);
    p.fillRect(kPlaceholder, Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    drawBlankPage(p);
    drawProhibitionSign(p);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(kTextPanel, Qt::black);
    p.setPen(QColor(196, 200, 204));
    p.setBrush(Qt::NoBrush);
    p.drawRect(kTextPanel.adjusted(0, 0, -1, -1));
    p.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

} // namespace

const QImage& backgroundPicture() {
    static const QImage picture = drawBackground();
    return picture;
}

} // namespace tessel
