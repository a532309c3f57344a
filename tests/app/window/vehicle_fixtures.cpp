#include "tests/app/window/vehicle_fixtures.h"

#include "cardctl/tessel_interface.h"
#include "tests/support/srf_writer.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QWidget>

void writeVehicle(const QString& path, const VehicleLook& look) {
    srftest::File file = srftest::typical(look.frames, look.frameSize, look.size2d);
    file.setType(look.type);
    file.image3d = srftest::solid(look.frames * look.frameSize, look.frameSize, look.colour,
                                  look.transparency);
    file.image2d = srftest::solid(look.size2d, look.size2d, look.colour, look.transparency);
    if (look.varied) {
        for (srftest::Image* image : {&file.image3d, &file.image2d})
            for (int y = 0; y < image->height; ++y)
                for (int x = 0; x < image->width; ++x)
                    image->set(x, y, static_cast<std::uint16_t>(x * 2654435761u + y * 40503u),
                               static_cast<std::uint8_t>((x * 7 + y * 3) % 129));
    }
    srftest::writeFile(QFile::encodeName(path).toStdString(), file);
}

QStringList writeVehicles(const QString& folder, int count, const QString& stem,
                          const VehicleLook& look) {
    QDir().mkpath(folder);
    QStringList names;
    for (int i = 1; i <= count; ++i) {
        const QString name = stem + QStringLiteral("%1.srf").arg(i, 2, 10, QLatin1Char('0'));
        writeVehicle(folder + "/" + name, look);
        names.append(name);
    }
    return names;
}

void setLastChange(const QString& path, const QDateTime& when) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite)) << path.toStdString();
    ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
}

QStringList listedOrder(const QString& folder) {
    QStringList names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.toStdString())) {
        const QString name = QString::fromStdString(entry.path().filename().string());
        if (entry.is_regular_file() && !name.startsWith('.') &&
            name.endsWith(QLatin1String(".srf"), Qt::CaseInsensitive))
            names.append(name);
    }
    // Upper-cased, as the window sorts a local folder.
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const QString upperA = a.toUpper();
        const QString upperB = b.toUpper();
        return upperA != upperB ? upperA < upperB : a < b;
    });
    return names;
}

QString cardLine(const toolkit::CardElement* card, int line) {
    const com::DISPID ids[] = {tessel::DISPID_DataLine1, tessel::DISPID_DataLine2,
                               tessel::DISPID_DataLine3, tessel::DISPID_DataLine4};
    com::VARIANT value;
    if (com::FAILED(com::DispatchGet(card->dispatch(), ids[line - 1], &value)))
        return QStringLiteral("<failed>");
    QString text;
    com::toBstr(value, &text);
    return text;
}

QImage cardThumbnail(const toolkit::CardElement* card) {
    return card->widget()
        ->grab()
        .toImage()
        .convertToFormat(QImage::Format_RGB32)
        .copy(6, 6, 100, 100);
}

QImage stripBlock(const cAlphaSurface& strip, int x) {
    gdi::DibView view;
    if (!gdi::GetDibView(strip.hDC(), &view))
        return QImage();
    QImage image(100, 100, QImage::Format_RGB32);
    for (int row = 0; row < 100; ++row) {
        const std::uint8_t* line = view.line(row) + 4 * x;
        for (int column = 0; column < 100; ++column) {
            const std::uint8_t* p = line + 4 * column;
            image.setPixel(column, row, qRgb(p[2], p[1], p[0]));
        }
    }
    return image;
}

QRect nonWhiteBounds(const QImage& block) {
    QRect bounds;
    for (int y = 0; y < block.height(); ++y)
        for (int x = 0; x < block.width(); ++x)
            if (block.pixel(x, y) != qRgb(255, 255, 255))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

QRect paintedBounds(const cAlphaSurface& strip, int stripX) {
    QImage block = stripBlock(strip, stripX);
    for (int i = 0; i < 100; ++i) {
        block.setPixel(i, 0, qRgb(255, 255, 255));
        if (stripX == 0)
            block.setPixel(0, i, qRgb(255, 255, 255));
    }
    return nonWhiteBounds(block);
}

::testing::AssertionResult showsBlock(const toolkit::CardElement* card, const QImage& block) {
    const QImage shown = cardThumbnail(card);
    for (int y = 0; y < 100; ++y) {
        for (int x = 1; x < 100; ++x) {
            if (shown.pixel(x, y) != block.pixel(x, y))
                return ::testing::AssertionFailure()
                       << "at (" << x << ", " << y << ") the card shows " << std::hex
                       << shown.pixel(x, y) << " instead of " << block.pixel(x, y);
        }
    }
    return ::testing::AssertionSuccess();
}

EveryYield::EveryYield(std::function<void()> step) {
    timer_.setInterval(0);
    QObject::connect(&timer_, &QTimer::timeout, std::move(step));
    timer_.start();
}

EveryYield::~EveryYield() {
    timer_.stop();
}
