#include "surface/alpha_surface.h"
#include "tools/srftool/sample_vehicles.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <numeric>
#include <set>

using namespace srftool;

namespace {

std::int32_t int32At(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::int32_t>(b.at(at) | b.at(at + 1) << 8 | b.at(at + 2) << 16 |
                                     static_cast<std::uint32_t>(b.at(at + 3)) << 24);
}

int int16At(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::int16_t>(b.at(at) | b.at(at + 1) << 8);
}

struct RawImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> transparency;
    std::vector<std::uint16_t> colour;
};

// Reads one image record as the navigator lays it out, checking every fixed field on the way.
RawImage readRecord(const std::vector<std::uint8_t>& b, std::size_t& at) {
    RawImage image;
    EXPECT_EQ(int32At(b, at), 0);
    EXPECT_EQ(int32At(b, at + 4), 16);
    EXPECT_EQ(int32At(b, at + 8), 0);
    image.height = int16At(b, at + 12);
    image.width = int16At(b, at + 14);
    EXPECT_EQ(b.at(at + 16), 16);
    EXPECT_EQ(b.at(at + 17), 8);
    EXPECT_EQ(int16At(b, at + 18), 2 * image.width);
    EXPECT_EQ(int32At(b, at + 20), 0);
    at += 24;
    const std::size_t pixels = static_cast<std::size_t>(image.width) * image.height;
    EXPECT_EQ(int32At(b, at), 11);
    EXPECT_EQ(static_cast<std::size_t>(int32At(b, at + 4)), pixels);
    at += 8;
    image.transparency.assign(b.begin() + at, b.begin() + at + pixels);
    at += pixels;
    EXPECT_EQ(int32At(b, at), 1);
    EXPECT_EQ(static_cast<std::size_t>(int32At(b, at + 4)), 2 * pixels);
    at += 8;
    for (std::size_t i = 0; i < pixels; ++i)
        image.colour.push_back(
            static_cast<std::uint16_t>(b.at(at + 2 * i) | b.at(at + 2 * i + 1) << 8));
    at += 2 * pixels;
    return image;
}

class SampleVehicles : public testing::Test {
protected:
    static void SetUpTestSuite() {
        samples_ = new std::vector<SampleVehicle>(buildSampleVehicles());
    }
    static void TearDownTestSuite() {
        delete samples_;
        samples_ = nullptr;
    }
    static const std::vector<SampleVehicle>& samples() { return *samples_; }

private:
    static std::vector<SampleVehicle>* samples_;
};

std::vector<SampleVehicle>* SampleVehicles::samples_ = nullptr;

TEST_F(SampleVehicles, AreSixOrMoreDifferentVehiclesWithTellingFileNames) {
    ASSERT_GE(samples().size(), 6u);
    std::set<std::string> names;
    std::set<std::vector<std::uint8_t>> contents;
    for (const SampleVehicle& s : samples()) {
        EXPECT_TRUE(s.fileName.ends_with(".srf")) << s.fileName;
        EXPECT_EQ(s.fileName.find_first_of(" /\\"), std::string::npos) << s.fileName;
        names.insert(s.fileName);
        contents.insert(s.bytes);
    }
    EXPECT_EQ(names.size(), samples().size());
    EXPECT_EQ(contents.size(), samples().size());
}

TEST_F(SampleVehicles, FollowTheNavigatorsLayoutAndColourRules) {
    const std::string type = "GARMIN BITMAP 01";
    const std::uint8_t headerRecords[] = {4, 0, 0, 0, 4,  0, 0, 0, 2,   0,   0,   0,   //
                                          5, 0, 0, 0, 3,  0, 0, 0, '5', '7', '8',      //
                                          6, 0, 0, 0, 4,  0, 0, 0, '2', '.', '4', '0', //
                                          7, 0, 0, 0, 12, 0, 0, 0};
    for (const SampleVehicle& s : samples()) {
        SCOPED_TRACE(s.fileName);
        const std::vector<std::uint8_t>& b = s.bytes;
        ASSERT_GT(b.size(), 71u);
        EXPECT_EQ(std::string(b.begin(), b.begin() + 16), type);
        EXPECT_EQ(std::memcmp(b.data() + 16, headerRecords, sizeof headerRecords), 0);
        std::size_t at = 71;
        const RawImage strip = readRecord(b, at);
        const RawImage flat = readRecord(b, at);
        // Then 0xFF to the end of the last 256-byte block, the last byte the checksum that
        // makes the byte sum of the file 0.
        ASSERT_LT(at, b.size());
        EXPECT_EQ(b.size() % 256, 0u);
        EXPECT_LE(b.size() - at, 256u);
        EXPECT_TRUE(std::all_of(b.begin() + static_cast<std::ptrdiff_t>(at), b.end() - 1,
                                [](std::uint8_t x) { return x == 0xFF; }));
        EXPECT_EQ(std::accumulate(b.begin(), b.end(), 0u) % 256, 0u);
        EXPECT_EQ(strip.width, 36 * 80);
        EXPECT_EQ(strip.height, 80);
        EXPECT_EQ(flat.width, 80);
        EXPECT_EQ(flat.height, 80);

        int shadow = 0;
        for (const RawImage* image : {&strip, &flat}) {
            for (std::size_t i = 0; i < image->colour.size(); ++i) {
                const int t = image->transparency[i];
                const int word = image->colour[i];
                ASSERT_LE(t, 128) << "pixel " << i;
                ASSERT_EQ(word & 0x20, 0) << "pixel " << i;
                if (t == 128) {
                    ASSERT_EQ(word, 0) << "pixel " << i;
                }
                if (t > 16 && t < 112 && word == 0)
                    ++shadow;
            }
        }
        EXPECT_GT(shadow, 36 * 20) << "partly transparent black shadow pixels";
    }
}

TEST_F(SampleVehicles, LoadIntoASurfaceWhoseFramesTurnAndStayInside) {
    for (const SampleVehicle& s : samples()) {
        SCOPED_TRACE(s.fileName);
        cAlphaSurface surface;
        ASSERT_EQ(surface.CreateFromGarminSRFBytes(s.bytes), 1);
        EXPECT_EQ(surface.SRFType(), "GARMIN BITMAP 01");
        EXPECT_EQ(surface.Width3D(), 80);
        EXPECT_EQ(surface.Height3D(), 80);
        EXPECT_EQ(surface.Width2D(), 80);
        EXPECT_EQ(surface.Height2D(), 80);
        ASSERT_EQ(surface.Width(), 2880);
        ASSERT_EQ(surface.Height(), 160);
        // Line y of frame k (lines from the top; memory rows run bottom-up).
        const auto line = [&](int k, int y) {
            return surface.DIBSectionBitsPtr() + (159 - y) * surface.BytesPerScanLine() + 320 * k;
        };
        std::set<std::vector<std::uint8_t>> frames;
        for (int k = 0; k < 36; ++k) {
            std::vector<std::uint8_t> frame;
            for (int y = 0; y < 80; ++y) {
                frame.insert(frame.end(), line(k, y), line(k, y) + 320);
                for (int x : {0, 79})
                    EXPECT_EQ(line(k, y)[4 * x + 3], 0) << "frame " << k << " touches its side";
            }
            for (int x = 0; x < 80; ++x) {
                EXPECT_EQ(line(k, 0)[4 * x + 3], 0) << "frame " << k << " touches its top";
                EXPECT_EQ(line(k, 79)[4 * x + 3], 0) << "frame " << k << " touches its bottom";
            }
            frames.insert(frame);
        }
        EXPECT_EQ(frames.size(), 36u) << "every frame shows another heading";
        int opaque2d = 0;
        for (int y = 80; y < 160; ++y) {
            for (int x = 0; x < 80; ++x)
                opaque2d += line(0, y)[4 * x + 3] == 255 ? 1 : 0;
        }
        EXPECT_GT(opaque2d, 80 * 80 / 8) << "the 2D image shows the vehicle";
    }
}

TEST_F(SampleVehicles, AreTheSameBytesEveryTime) {
    const std::vector<SampleVehicle> again = buildSampleVehicles();
    ASSERT_EQ(again.size(), samples().size());
    for (std::size_t i = 0; i < again.size(); ++i) {
        EXPECT_EQ(again[i].fileName, samples()[i].fileName);
        EXPECT_TRUE(again[i].bytes == samples()[i].bytes) << again[i].fileName;
    }
}

} // namespace
