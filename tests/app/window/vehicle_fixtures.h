// Vehicle folders for the window's tests, written file by file with the test SRF writer, and ways
// to look at what the panes show.
#pragma once

#include "app/toolkit/card_array.h"
#include "surface/alpha_surface.h"

#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <string>

// Texts in test messages as text.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

struct VehicleLook {
    int frameSize = 8; // the 3D frames are square
    int frames = 2;
    int size2d = 4;
    std::uint16_t colour = 0x0000; // one colour word for every pixel (0 is black)
    std::uint8_t transparency = 0; // 0 opaque, 128 fully transparent
    std::string type = "GARMIN BITMAP 01";
    // Pixels of many colours and transparencies instead of one.
    bool varied = false;
};

void writeVehicle(const QString& path, const VehicleLook& look = {});
// Writes count vehicles named <stem>01.srf, <stem>02.srf ... into the folder (created when
// missing) and gives their names.
QStringList writeVehicles(const QString& folder, int count, const QString& stem = "Car",
                          const VehicleLook& look = {});
void setLastChange(const QString& path, const QDateTime& when);

// The folder's "*.srf" files, any letter case, in the order the window lists a local folder:
// sorted by their upper-cased names. (A FAT or exFAT volume keeps its directory order instead.)
QStringList listedOrder(const QString& folder);

// Text line 1 to 4 of a card.
QString cardLine(const toolkit::CardElement* card, int line);
// The card's 100 x 100 thumbnail as it shows on the screen.
QImage cardThumbnail(const toolkit::CardElement* card);
// The 100 x 100 block of the strip at (x, 0), as an opaque image.
QImage stripBlock(const cAlphaSurface& strip, int x);
// The smallest rectangle around the pixels of the block that are not white; empty when all are.
QRect nonWhiteBounds(const QImage& block);
// The bounds of what was painted into the strip's cell at stripX, in the cell: row 0 and column 0
// of the strip, which stay zero, do not count.
QRect paintedBounds(const cAlphaSurface& strip, int stripX);
// Whether the card shows the block exactly, but for the left column, where the frame around the
// thumbnail lies over it. Says where they differ when they do.
::testing::AssertionResult showsBlock(const toolkit::CardElement* card, const QImage& block);

// Calls `step` once at every pass of the event loop while it lives, so a test acts inside the
// window's yields. A zero-time timer fires once per pass.
class EveryYield {
public:
    explicit EveryYield(std::function<void()> step);
    ~EveryYield();

private:
    QTimer timer_;
};
