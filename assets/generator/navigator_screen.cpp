#include "assets/generator/navigator_screen.h"

#include "assets/generator/artwork_font.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace artwork {
namespace {

// The navigator's day colours.
const QColor ground(242, 237, 224);
const QColor building(226, 219, 203);
const QColor park(196, 226, 170);
const QColor water(160, 200, 236);
const QColor streetFill(255, 255, 255);
const QColor streetEdge(178, 172, 160);
const QColor mainRoadFill(255, 214, 110);
const QColor mainRoadEdge(200, 150, 60);
const QColor routeFill(214, 40, 196);
const QColor routeEdge(120, 10, 110);
const QColor labelText(70, 66, 60);

constexpr int kMapTop = kTopBar.bottom() + 1;
constexpr int kMapBottom = kBottomBar.top() - 1;
constexpr qreal kRouteX = kVehicleSquare.left() + kVehicleSquare.width() / 2.0;
constexpr qreal kTurnY = 128.5;

struct Street {
    QLineF line;
    bool main;
};

// The route comes up Cedar Rd from below, through the vehicle's square, and turns right into
// Maple Ave; the others are the neighbourhood's kStreets.
const Street kStreets[] = {
    {{kRouteX, kMapBottom + 1.0, kRouteX, kMapTop}, true},
    {{0, kTurnY, kNavigatorScreenWidth, kTurnY}, true},
    {{96.5, kMapTop, 96.5, kMapBottom + 1.0}, false},
    {{196.5, kMapTop, 196.5, kMapBottom + 1.0}, false},
    {{466.5, kMapTop, 466.5, kMapBottom + 1.0}, false},
    {{566.5, kMapTop, 566.5, kMapBottom + 1.0}, false},
    {{0, 196.5, kNavigatorScreenWidth, 196.5}, false},
    {{0, 318.5, 466.5, 318.5}, false},
    {{466.5, 318.5, kNavigatorScreenWidth, 262.5}, false},
    {{0, 250.5, 96.5, 232.5}, false},
};

void drawBlocks(QPainter& painter) {
    painter.fillRect(QRect(0, kMapTop, kNavigatorScreenWidth, kMapBottom - kMapTop + 1), ground);
    // Buildings fill the blocks in rows, set back from the kStreets.
    painter.setPen(Qt::NoPen);
    painter.setBrush(building);
    const int columns[] = {0, 96, 196, 331, 466, 566, kNavigatorScreenWidth};
    const int rows[] = {kMapTop, 128, 196, 318, kMapBottom + 1};
    for (int c = 0; c + 1 < static_cast<int>(std::size(columns)); ++c) {
        for (int r = 0; r + 1 < static_cast<int>(std::size(rows)); ++r) {
            const QRect block(QPoint(columns[c] + 12, rows[r] + 12),
                              QPoint(columns[c + 1] - 12, rows[r + 1] - 12));
            for (int x = block.left(); x + 18 <= block.right(); x += 26) {
                const int depth = 14 + ((x / 26 + c * 3 + r * 5) % 3) * 5;
                if (block.height() > 2 * depth + 8) {
                    painter.drawRect(QRect(x, block.top(), 20, depth));
                    painter.drawRect(QRect(x, block.bottom() - depth, 20, depth));
                } else if (block.height() > 10) {
                    painter.drawRect(QRect(x, block.top(), 20, block.height()));
                }
            }
        }
    }
    // A park with a pond on the right, water along the bottom left.
    painter.setBrush(park);
    painter.drawRoundedRect(QRectF(478, 208, 77, 98), 6, 6);
    painter.setBrush(water);
    painter.drawEllipse(QRectF(496, 236, 40, 26));
    QPainterPath river;
    river.moveTo(0, 290);
    river.cubicTo(40, 300, 60, 340, 150, kMapBottom + 1.0);
    river.lineTo(0, kMapBottom + 1.0);
    river.closeSubpath();
    painter.drawPath(river);
}

void strokeLines(QPainter& painter, bool main, qreal width, const QColor& colour) {
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    for (const Street& street : kStreets)
        if (street.main == main)
            painter.drawLine(street.line);
}

void drawStreets(QPainter& painter) {
    strokeLines(painter, false, 12, streetEdge);
    strokeLines(painter, false, 9, streetFill);
    strokeLines(painter, true, 22, mainRoadEdge);
    strokeLines(painter, true, 19, mainRoadFill);
}

QPainterPath routePath() {
    QPainterPath route;
    route.moveTo(kRouteX, kMapBottom + 1.0);
    route.lineTo(kRouteX, kTurnY);
    route.lineTo(kNavigatorScreenWidth, kTurnY);
    return route;
}

void drawRoute(QPainter& painter) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(routeEdge, 13, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPath(routePath());
    painter.setPen(QPen(routeFill, 10, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPath(routePath());
}

// The next turn as the navigator marks it on the map: a white arrow along the route through the
// corner, pointing into the new street.
void drawTurnArrow(QPainter& painter) {
    QPainterPath shaft;
    shaft.moveTo(kRouteX, kTurnY + 46);
    shaft.lineTo(kRouteX, kTurnY);
    shaft.lineTo(kRouteX + 34, kTurnY);
    QPolygonF head;
    head << QPointF(kRouteX + 32, kTurnY - 11) << QPointF(kRouteX + 50, kTurnY)
         << QPointF(kRouteX + 32, kTurnY + 11);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(30, 30, 30), 9, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPath(shaft);
    painter.setBrush(QColor(30, 30, 30));
    painter.setPen(QPen(QColor(30, 30, 30), 3, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPolygon(head);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPath(shaft);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPolygon(head);
}

// A street name on the map, with a light halo so it reads over the roads.
void drawLabel(QPainter& painter, const QString& text, QPointF at, qreal angle) {
    QPainterPath path;
    path.addText(0, 0, artworkFont(11), text);
    const QRectF bounds = path.boundingRect();
    painter.save();
    painter.translate(at);
    painter.rotate(angle);
    painter.translate(-bounds.center());
    painter.setPen(QPen(QColor(255, 255, 255, 220), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(labelText);
    painter.drawPath(path);
    painter.restore();
}

void drawLabels(QPainter& painter) {
    drawLabel(painter, QStringLiteral("Maple Ave"), QPointF(560, kTurnY - 15), 0);
    drawLabel(painter, QStringLiteral("Maple Ave"), QPointF(150, kTurnY), 0);
    drawLabel(painter, QStringLiteral("Cedar Rd"), QPointF(kRouteX + 20, 330), -90);
    drawLabel(painter, QStringLiteral("Elm St"), QPointF(196.5, 262), -90);
    drawLabel(painter, QStringLiteral("Oak St"), QPointF(260, 318.5), 0);
    drawLabel(painter, QStringLiteral("Birch St"), QPointF(410, 196.5), 0);
    drawLabel(painter, QStringLiteral("Pine St"), QPointF(566.5, 170), -90);
    drawLabel(painter, QStringLiteral("Lake Park"), QPointF(516, 292), 0);
}

// North up the map's right edge and the scale at its bottom left.
void drawMapMarks(QPainter& painter, const Lettering& lettering) {
    const QPointF centre(622, kMapTop + 28);
    painter.setPen(QPen(QColor(90, 90, 90), 1.5));
    painter.setBrush(QColor(255, 255, 255, 210));
    painter.drawEllipse(centre, 18, 18);
    QPolygonF needle;
    needle << centre + QPointF(0, -14) << centre + QPointF(7, 6) << centre + QPointF(0, 2)
           << centre + QPointF(-7, 6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 30, 30));
    painter.drawPolygon(needle);
    painter.setPen(QColor(40, 40, 40));
    painter.setFont(artworkFont(10));
    painter.drawText(QRectF(centre.x() - 10, centre.y() + 3, 20, 14), Qt::AlignCenter,
                     QStringLiteral("N"));

    const qreal y = kMapBottom - 12;
    painter.setPen(QPen(QColor(40, 40, 40), 2, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(12, y), QPointF(72, y));
    painter.drawLine(QPointF(12, y - 5), QPointF(12, y));
    painter.drawLine(QPointF(72, y - 5), QPointF(72, y));
    painter.setFont(artworkFont(11));
    painter.drawText(QRectF(12, y - 20, 60, 14), Qt::AlignCenter, lettering.text(Word::MapScale));
}

void fillBar(QPainter& painter, const QRect& bar, const QColor& top, const QColor& bottom) {
    QLinearGradient shade(bar.topLeft(), bar.bottomLeft());
    shade.setColorAt(0.0, top);
    shade.setColorAt(1.0, bottom);
    painter.fillRect(bar, shade);
}

void drawText(QPainter& painter, const QRectF& box, int pixelSize, const QColor& colour,
              Qt::Alignment alignment, const QString& text) {
    painter.setFont(artworkFont(pixelSize));
    painter.setPen(colour);
    painter.drawText(box, alignment, text);
}

// The next turn: its arrow and distance in the box at the left, the street it leads into.
void drawTopBar(QPainter& painter, const Lettering& lettering) {
    fillBar(painter, kTopBar, QColor(40, 120, 60), QColor(18, 76, 36));
    const QRect turnBox(0, 0, 96, kTopBar.height());
    fillBar(painter, turnBox, QColor(20, 66, 32), QColor(10, 44, 20));
    painter.fillRect(QRect(turnBox.right() + 1, 0, 1, kTopBar.height()), QColor(8, 30, 14));

    QPainterPath arrow;
    arrow.moveTo(18, 48);
    arrow.lineTo(18, 22);
    arrow.lineTo(32, 22);
    painter.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(arrow);
    QPolygonF head;
    head << QPointF(30, 12) << QPointF(44, 22) << QPointF(30, 32);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPolygon(head);
    drawText(painter, QRectF(46, 10, 48, 24), 19, Qt::white, Qt::AlignLeft | Qt::AlignVCenter,
             lettering.text(Word::TurnDistance));
    drawText(painter, QRectF(46, 32, 48, 16), 13, QColor(200, 232, 206),
             Qt::AlignLeft | Qt::AlignVCenter, lettering.text(Word::TurnDistanceUnit));

    drawText(painter, QRectF(110, 4, 400, 18), 13, QColor(200, 232, 206),
             Qt::AlignLeft | Qt::AlignVCenter, lettering.text(Word::TurnRightOnto));
    drawText(painter, QRectF(110, 20, 440, 34), 28, Qt::white, Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Maple Ave"));

    // The signal of the satellites, at the right end.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(230, 246, 232));
    for (int i = 0; i < 5; ++i)
        painter.drawRect(QRectF(606 + i * 8, 40 - i * 6, 5, 8 + i * 6));
}

void drawReadout(QPainter& painter, const QRectF& box, const QString& label, const QString& value) {
    drawText(painter, QRectF(box.left(), box.top() + 4, box.width(), 14), 11, QColor(170, 170, 170),
             Qt::AlignCenter, label);
    drawText(painter, QRectF(box.left(), box.top() + 18, box.width(), 30), 21, Qt::white,
             Qt::AlignCenter, value);
}

// The speed, the street the vehicle is on, the time of arrival and the distance still to go.
void drawBottomBar(QPainter& painter, const Lettering& lettering) {
    fillBar(painter, kBottomBar, QColor(52, 52, 56), QColor(14, 14, 16));
    painter.fillRect(QRect(0, kBottomBar.top(), kNavigatorScreenWidth, 1), QColor(90, 90, 96));
    const qreal top = kBottomBar.top();
    const qreal separators[] = {130, 400, 528};
    for (qreal x : separators)
        painter.fillRect(QRectF(x, top + 8, 1, kBottomBar.height() - 16), QColor(96, 96, 100));
    drawReadout(painter, QRectF(0, top, 130, 50), lettering.text(Word::Speed),
                lettering.text(Word::SpeedReading));
    drawReadout(painter, QRectF(130, top, 270, 50), lettering.text(Word::CurrentRoad),
                QStringLiteral("Cedar Rd"));
    // The time of day on the 24-hour clock, as the navigator shows it in every language.
    drawReadout(painter, QRectF(400, top, 128, 50), lettering.text(Word::Arrival),
                QStringLiteral("14:52"));
    drawReadout(painter, QRectF(528, top, 127, 50), lettering.text(Word::Distance),
                lettering.text(Word::DistanceReading));
}

} // namespace

QImage drawNavigatorScreen(const Lettering& lettering, int scale) {
    QImage screen = scaledCanvas(QSize(kNavigatorScreenWidth, kNavigatorScreenHeight),
                                 QImage::Format_RGB32, scale);
    screen.fill(ground);
    QPainter painter(&screen);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setClipRect(QRect(0, kMapTop, kNavigatorScreenWidth, kMapBottom - kMapTop + 1));
    drawBlocks(painter);
    drawStreets(painter);
    drawRoute(painter);
    drawTurnArrow(painter);
    drawLabels(painter);
    drawMapMarks(painter, lettering);
    painter.setClipping(false);
    drawTopBar(painter, lettering);
    drawBottomBar(painter, lettering);
    return screen;
}

} // namespace artwork
