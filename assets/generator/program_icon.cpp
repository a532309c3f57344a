#include "assets/generator/program_icon.h"

#include "assets/generator/artwork_font.h"
#include "assets/generator/soft_shadow.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace artwork {
namespace {

// The car is drawn on a 256-unit kGrid and scaled to the picture.
constexpr qreal kGrid = 256.0;
constexpr int kSmallestDetailedSize = 32;
constexpr int kTinySize = 16;
constexpr int kSmallestOutlinedCaptionSize = 64;

const QColor outlineColour(58, 62, 72);
const QColor captionTop(54, 132, 242);
const QColor captionBottom(12, 62, 178);
const QColor captionSolid(24, 94, 220);

struct Wheel {
    QPointF centre;
    qreal radius;
};
constexpr Wheel kRearWheel{{68, 130}, 22};
constexpr Wheel kFrontWheel{{194, 130}, 22};
constexpr qreal kArchClearance = 4;
constexpr qreal kSillY = 131;
constexpr qreal kGroundY = 152;
// The car is lifted by this much so the car and caption together sit centred in the picture.
constexpr qreal kCarLift = 30;

// A low coupe facing right: fastback roof, steep windscreen, long bonnet.
QPainterPath carBody() {
    QPainterPath body;
    body.moveTo(17, kSillY);
    body.lineTo(13, 114);
    body.quadTo(13, 103, 24, 100);
    body.lineTo(56, 95);
    body.cubicTo(78, 86, 96, 75, 124, 72);
    body.lineTo(144, 72);
    body.cubicTo(158, 74, 168, 83, 180, 93);
    body.quadTo(214, 95, 234, 102);
    body.quadTo(246, 106, 245, 117);
    body.lineTo(243, 126);
    body.quadTo(242, kSillY, 234, kSillY);
    for (const Wheel& wheel : {kFrontWheel, kRearWheel}) {
        const qreal r = wheel.radius + kArchClearance;
        body.lineTo(wheel.centre.x() + r, kSillY);
        body.arcTo(QRectF(wheel.centre.x() - r, wheel.centre.y() - r, 2 * r, 2 * r), 0, 180);
    }
    body.closeSubpath();
    return body;
}

QPainterPath carWindows() {
    QPainterPath glass;
    glass.moveTo(70, 96);
    glass.cubicTo(88, 88, 102, 80, 126, 77.5);
    glass.lineTo(143, 77.5);
    glass.cubicTo(153, 79, 162, 86, 171, 94);
    glass.closeSubpath();
    return glass;
}

void drawWheel(QPainter& painter, const Wheel& wheel) {
    // The dark wheel well shows between the tyre and the arch.
    painter.save();
    painter.setClipRect(QRectF(0, 0, kGrid, kSillY));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(34, 34, 38));
    const qreal well = wheel.radius + kArchClearance - 0.5;
    painter.drawEllipse(wheel.centre, well, well);
    painter.restore();

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(22, 22, 26));
    painter.drawEllipse(wheel.centre, wheel.radius, wheel.radius);

    const qreal rim = wheel.radius * 0.68;
    QRadialGradient metal(wheel.centre - QPointF(rim * 0.3, rim * 0.3), rim * 1.3);
    metal.setColorAt(0.0, QColor(250, 250, 252));
    metal.setColorAt(0.6, QColor(198, 202, 210));
    metal.setColorAt(1.0, QColor(126, 132, 144));
    painter.setBrush(metal);
    painter.drawEllipse(wheel.centre, rim, rim);

    painter.setPen(QPen(QColor(92, 96, 108), 2.4, Qt::SolidLine, Qt::RoundCap));
    for (int spoke = 0; spoke < 5; ++spoke) {
        QLineF line(wheel.centre, wheel.centre + QPointF(rim * 0.9, 0));
        line.setAngle(90.0 + spoke * 72.0);
        painter.drawLine(QLineF(line.pointAt(0.35), line.p2()));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(66, 70, 80));
    painter.drawEllipse(wheel.centre, rim * 0.3, rim * 0.3);
}

void drawDetailedCar(QPainter& painter, QImage& canvas, qreal scale) {
    QPainterPath ground;
    ground.addEllipse(QPointF(130, kGroundY - kCarLift), 118, 6);
    painter.drawImage(0, 0,
                      softShadow(QTransform::fromScale(scale, scale).map(ground), canvas.size(),
                                 QPointF(), qMax(1, qRound(4 * scale)), QColor(0, 0, 0, 140)));

    painter.save();
    painter.scale(scale, scale);
    painter.translate(0, -kCarLift);
    QLinearGradient silver(QPointF(0, 70), QPointF(0, kSillY));
    silver.setColorAt(0.00, QColor(252, 252, 253));
    silver.setColorAt(0.42, QColor(220, 224, 230));
    silver.setColorAt(0.54, QColor(166, 172, 184));
    silver.setColorAt(0.62, QColor(214, 218, 226));
    silver.setColorAt(1.00, QColor(104, 110, 124));
    painter.setPen(QPen(outlineColour, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(silver);
    painter.drawPath(carBody());

    // A bright crease along the flank and a darker sill below it.
    painter.setPen(QPen(QColor(255, 255, 255, 210), 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(20, 108), QPointF(238, 107));
    painter.setPen(QPen(QColor(80, 86, 98, 150), 3.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(96, 126), QPointF(164, 126));

    QLinearGradient tint(QPointF(0, 76), QPointF(0, 96));
    tint.setColorAt(0.0, QColor(126, 158, 190));
    tint.setColorAt(1.0, QColor(30, 42, 60));
    painter.setPen(QPen(outlineColour, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(tint);
    painter.drawPath(carWindows());
    painter.setPen(QPen(QColor(204, 208, 216), 3.0));
    painter.drawLine(QPointF(135, 78), QPointF(133, 95)); // door pillar
    painter.setPen(QPen(outlineColour, 1.5));
    painter.drawLine(QPointF(130, 98), QPointF(128, 126)); // door shut line

    painter.setPen(QPen(outlineColour, 1.2));
    painter.setBrush(QColor(255, 248, 204));
    painter.drawEllipse(QPointF(236, 107), 6, 3.2); // headlight
    painter.setBrush(QColor(214, 28, 28));
    painter.drawRoundedRect(QRectF(12.5, 103, 6, 8), 2, 2); // tail light

    drawWheel(painter, kRearWheel);
    drawWheel(painter, kFrontWheel);
    painter.restore();
}

// The caption as an outline fitted into `box`, as tall as the box, narrowed if it must be.
QPainterPath captionPath(const QRectF& box) {
    QPainterPath text;
    text.addText(0, 0, artworkFont(200), QString::fromLatin1(kProgramIconCaption));
    const QRectF bounds = text.boundingRect();
    const qreal scaleY = box.height() / bounds.height();
    const qreal scaleX = qMin(scaleY, box.width() / bounds.width());
    QTransform fit;
    fit.translate(box.center().x() - bounds.width() * scaleX / 2.0, box.top());
    fit.scale(scaleX, scaleY);
    fit.translate(-bounds.left(), -bounds.top());
    return fit.map(text);
}

// Lettering hinted to the pixel kGrid, as large as fits `box`'s width, its Q's tail on the
// box's bottom row: at small sizes outlines scaled to fit would blur.
// Returns the top row of the capitals.
int drawHintedCaption(QPainter& painter, const QRect& box) {
    const QString caption = QString::fromLatin1(kProgramIconCaption);
    int pixelSize = box.height();
    while (pixelSize > 6 &&
           QFontMetrics(artworkFont(pixelSize)).tightBoundingRect(caption).width() > box.width())
        --pixelSize;
    const QFont font = artworkFont(pixelSize);
    const QFontMetrics metrics(font);
    const QRect ink = metrics.tightBoundingRect(caption);
    const int baseline = box.bottom() - ink.bottom();
    painter.setFont(font);
    painter.setPen(captionSolid);
    painter.drawText(box.left() + (box.width() - ink.width()) / 2 - ink.left(), baseline, caption);
    return baseline - metrics.capHeight();
}

void drawDetailedIcon(QPainter& painter, QImage& canvas, int size) {
    const qreal scale = size / kGrid;
    drawDetailedCar(painter, canvas, scale);

    const QRectF captionBox(QPointF(20, 142) * scale, QPointF(236, 222) * scale);
    if (size < kSmallestOutlinedCaptionSize) {
        drawHintedCaption(painter, captionBox.toAlignedRect());
        return;
    }
    const QPainterPath caption = captionPath(captionBox);
    // A white halo keeps the blue letters readable on a dark desktop as well as a light one.
    painter.setPen(
        QPen(QColor(255, 255, 255, 235), 9 * scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(caption);
    const QRectF bounds = caption.boundingRect();
    QLinearGradient blue(bounds.topLeft(), bounds.bottomLeft());
    blue.setColorAt(0.0, captionTop);
    blue.setColorAt(1.0, captionBottom);
    painter.setPen(Qt::NoPen);
    painter.setBrush(blue);
    painter.drawPath(caption);
}

// A silver silhouette with two dark wheels, for the pictures too small for the detailed car.
void drawCarSilhouette(QPainter& painter, const QRectF& area) {
    painter.save();
    painter.translate(area.topLeft());
    painter.scale(area.width() / 16.0, area.height() / 7.0);
    QPainterPath body;
    body.moveTo(0.6, 5.6);
    body.lineTo(0.6, 3.9);
    body.lineTo(4.2, 3.1);
    body.quadTo(6.0, 1.0, 8.6, 0.9);
    body.quadTo(10.4, 1.0, 11.6, 2.9);
    body.lineTo(14.8, 3.6);
    body.quadTo(15.4, 4.2, 15.3, 5.6);
    body.closeSubpath();
    QLinearGradient silver(QPointF(0, 0.9), QPointF(0, 5.6));
    silver.setColorAt(0.0, QColor(250, 250, 252));
    silver.setColorAt(1.0, QColor(150, 156, 168));
    painter.setPen(QPen(outlineColour, 0.55));
    painter.setBrush(silver);
    painter.drawPath(body);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(22, 22, 26));
    painter.drawEllipse(QPointF(4.2, 5.6), 1.45, 1.45);
    painter.drawEllipse(QPointF(11.8, 5.6), 1.45, 1.45);
    painter.restore();
}

// 22 and 24 pixels: the silhouette over the caption.
void drawSmallIcon(QPainter& painter, int size) {
    const int captionTop = drawHintedCaption(painter, QRect(0, 0, size, size));
    drawCarSilhouette(painter, QRectF(0, 1, size, captionTop - 2));
}

// 16 pixels: no font stays readable that narrow, so the caption is drawn pixel by pixel, each
// letter four pixels wide and seven high.
constexpr std::array<const char*, 8> kTinyCaptionRows = {
    ".##..###..###.", "#..#.#..#.#..#", "#..#.#..#.#..#", "#..#.###..###.",
    "#.##.#.#..#..#", "#..#.#..#.#..#", ".##.##..#.###.", "...#..........",
};

void drawTinyIcon(QPainter& painter) {
    drawCarSilhouette(painter, QRectF(0, 0, 16, 7));
    constexpr int left = 1;
    constexpr int top = 8;
    for (std::size_t row = 0; row < kTinyCaptionRows.size(); ++row) {
        for (int column = 0; kTinyCaptionRows[row][column] != '\0'; ++column) {
            if (kTinyCaptionRows[row][column] == '#')
                painter.fillRect(left + column, top + static_cast<int>(row), 1, 1, captionSolid);
        }
    }
}

} // namespace

QImage drawProgramIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    if (size >= kSmallestDetailedSize)
        drawDetailedIcon(painter, icon, size);
    else if (size > kTinySize)
        drawSmallIcon(painter, size);
    else
        drawTinyIcon(painter);
    painter.end();
    return icon.convertToFormat(QImage::Format_ARGB32);
}

} // namespace artwork
