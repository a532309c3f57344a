#include "tools/srftool/vehicle_renderer.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace srftool;

namespace {

constexpr Material kRed{255, 0, 0, 0, 1};
constexpr Material kBlue{0, 0, 255, 0, 1};
constexpr Material kGrey{120, 120, 120, 0, 1};

// A slab with a red block on its front end and a blue one on its rear end.
Mesh markedSlab() {
    Mesh mesh;
    mesh.addBox({-0.8, -2.0, 0.3}, {0.8, 2.0, 1.2}, 0.05, kGrey);
    mesh.addBox({-0.5, 1.5, 1.2}, {0.5, 2.0, 1.5}, 0, kRed);
    mesh.addBox({-0.5, -2.0, 1.2}, {0.5, -1.5, 1.5}, 0, kBlue);
    return mesh;
}

struct Centroid {
    double x = 0;
    double y = 0;
    int count = 0;
};

// Centroid of the opaque pixels whose colour is dominated by one channel (0 red, 2 blue).
Centroid centroidOf(const RgbaImage& image, int channel) {
    Centroid c;
    for (int y = 0; y < image.height(); ++y) {
        const std::uint8_t* line = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const std::uint8_t* p = line + 4 * x;
            const int other = channel == 0 ? std::max(p[1], p[2]) : std::max(p[0], p[1]);
            if (p[3] == 255 && p[channel] > 60 && other < 20) {
                c.x += x, c.y += y;
                ++c.count;
            }
        }
    }
    if (c.count > 0)
        c.x /= c.count, c.y /= c.count;
    return c;
}

int sign(double v, double deadZone) {
    return v > deadZone ? 1 : v < -deadZone ? -1 : 0;
}

TEST(VehicleRenderer, TurnsClockwiseSeenFromAboveWithFrameZeroPointingAway) {
    const VehicleRenderer renderer(markedSlab());
    struct Case {
        double heading;
        int frontRight; // sign of the front's offset from the rear across the frame
        int frontDown;  // and down the frame
    };
    const Case cases[] = {{0, 0, -1},  {45, 1, -1},  {90, 1, 0},   {135, 1, 1},
                          {180, 0, 1}, {225, -1, 1}, {270, -1, 0}, {315, -1, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "heading " << c.heading);
        const RgbaImage frame = renderer.frame(c.heading);
        const Centroid front = centroidOf(frame, 0);
        const Centroid rear = centroidOf(frame, 2);
        ASSERT_GT(front.count, 0);
        ASSERT_GT(rear.count, 0);
        EXPECT_EQ(sign(front.x - rear.x, 3), c.frontRight);
        EXPECT_EQ(sign(front.y - rear.y, 3), c.frontDown);
    }
}

TEST(VehicleRenderer, KeepsEveryHeadingInsideTheFrameAndTurnsOnTheSpot) {
    Mesh box;
    box.addBox({-0.9, -2.2, 0.0}, {0.9, 2.2, 1.4}, 0.1, kGrey);
    const VehicleRenderer renderer(std::move(box));
    double firstX = 0, firstY = 0;
    for (int k = 0; k < 36; ++k) {
        SCOPED_TRACE(testing::Message() << "frame " << k);
        const RgbaImage frame = renderer.frame(k * 10);
        ASSERT_EQ(frame.width(), 80);
        ASSERT_EQ(frame.height(), 80);
        double sum = 0, sx = 0, sy = 0;
        for (int y = 0; y < 80; ++y) {
            for (int x = 0; x < 80; ++x) {
                const int alpha = frame.constScanLine(y)[4 * x + 3];
                if (x == 0 || y == 0 || x == 79 || y == 79) {
                    ASSERT_EQ(alpha, 0) << "at " << x << ',' << y;
                }
                sum += alpha, sx += alpha * x, sy += alpha * y;
            }
        }
        ASSERT_GT(sum, 0);
        if (k == 0)
            firstX = sx / sum, firstY = sy / sum;
        // A box symmetric about its vertical axis keeps its centre where it was.
        EXPECT_NEAR(sx / sum, firstX, 1.0);
        EXPECT_NEAR(sy / sum, firstY, 1.0);
    }
}

TEST(VehicleRenderer, DrawsOnClearGroundWithASoftBlackShadowAndSmoothEdges) {
    const RgbaImage frame = VehicleRenderer(markedSlab()).frame(30);
    int clear = 0, shadow = 0, edge = 0, opaque = 0;
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < 80; ++x) {
            const std::uint8_t* p = frame.constScanLine(y) + 4 * x;
            const bool black = p[0] == 0 && p[1] == 0 && p[2] == 0;
            if (p[3] == 0) {
                EXPECT_TRUE(black) << "transparent pixel with a colour at " << x << ',' << y;
                ++clear;
            } else if (p[3] == 255) {
                ++opaque;
            } else if (black) {
                ++shadow;
            } else {
                ++edge;
            }
        }
    }
    EXPECT_GT(clear, 0);
    EXPECT_GT(shadow, 0);
    EXPECT_GT(edge, 0);
    EXPECT_GT(opaque, 0);
    // The shadow stays well below opaque.
    int darkest = 0;
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < 80; ++x) {
            const std::uint8_t* p = frame.constScanLine(y) + 4 * x;
            if (p[0] == 0 && p[1] == 0 && p[2] == 0)
                darkest = std::max<int>(darkest, p[3]);
        }
    }
    EXPECT_LT(darkest, 200);
}

TEST(VehicleRenderer, StripPutsFrameKAtColumn80K) {
    const VehicleRenderer renderer(markedSlab());
    const RgbaImage strip = renderer.strip(4);
    ASSERT_EQ(strip.width(), 320);
    ASSERT_EQ(strip.height(), 80);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(strip.copy(80 * k, 0, 80, 80), renderer.frame(90.0 * k)) << "frame " << k;
    EXPECT_NE(renderer.frame(0), renderer.frame(10));
}

TEST(VehicleRenderer, TopViewShowsTheFrontUpAndFillsTheFrame) {
    const RgbaImage top = VehicleRenderer(markedSlab()).topView();
    const Centroid front = centroidOf(top, 0);
    const Centroid rear = centroidOf(top, 2);
    ASSERT_GT(front.count, 0);
    ASSERT_GT(rear.count, 0);
    EXPECT_LT(front.y + 40, rear.y);
    EXPECT_NEAR(front.x, rear.x, 1.0);
}

} // namespace
