#include "tests/e2e/window_on_screen.h"

#include "surface/alpha_surface.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <QFile>

QPoint windowOn(const QImage& screen) {
    return QRect(QPoint(), screen.size()).center() -
           QPoint(WindowSize.width() / 2, WindowSize.height() / 2);
}

QString firstListed(const QString& folder) {
    // A local folder lists sorted by upper-cased names.
    QString first;
    for (const auto& entry : std::filesystem::directory_iterator(folder.toStdString())) {
        const QString name = QString::fromStdString(entry.path().filename().string());
        if (!name.endsWith(".srf", Qt::CaseInsensitive) || name.startsWith('.'))
            continue;
        if (first.isEmpty() || name.toUpper() < first.toUpper() ||
            (name.toUpper() == first.toUpper() && name < first))
            first = name;
    }
    return first;
}

QImage expectedThumbnail(const QString& file) {
    cAlphaSurface vehicle;
    if (vehicle.CreateFromGarminSRF(QFile::encodeName(file).toStdString()) != 1)
        return QImage();
    gdi::DibView view;
    if (!gdi::GetDibView(vehicle.hDC(), &view))
        return QImage();
    QImage cell(100, 100, QImage::Format_RGB32);
    cell.fill(Qt::white);
    const int size = vehicle.Width3D();
    const int offset = (100 - size) / 2;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const std::uint8_t* p = view.line(y) + 4 * x;
            const int a = p[3];
            const auto over = [a](int c) { return std::min(255, c + 255 * (255 - a) / 255); };
            cell.setPixel(offset + x, offset + y, qRgb(over(p[2]), over(p[1]), over(p[0])));
        }
    }
    return cell;
}

bool showsBlock(const QImage& screen, QPoint at, const QImage& block) {
    for (int y = 0; y < block.height(); ++y) {
        for (int x = 0; x < block.width(); ++x) {
            const QRgb s = screen.pixel(at.x() + x, at.y() + y);
            const QRgb e = block.pixel(x, y);
            if (std::abs(qRed(s) - qRed(e)) > 2 || std::abs(qGreen(s) - qGreen(e)) > 2 ||
                std::abs(qBlue(s) - qBlue(e)) > 2)
                return false;
        }
    }
    return true;
}

bool showsThumbnail(const QImage& screen, QPoint at, const QImage& expected) {
    return showsBlock(screen, at + QPoint(1, 1), expected.copy(1, 1, 99, 99));
}

bool showsInBothPanes(const QImage& screen, const QImage& expected) {
    const QPoint window = windowOn(screen);
    return showsThumbnail(screen, window + FilesCard + ThumbnailInCard, expected) &&
           showsThumbnail(screen, window + GarminCard + ThumbnailInCard, expected);
}

int textPixels(const QImage& screen, const QRect& box) {
    int count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QRgb p = screen.pixel(x, y);
            count += qRed(p) < 100 && qGreen(p) > 150 && qBlue(p) > 150;
        }
    }
    return count;
}
