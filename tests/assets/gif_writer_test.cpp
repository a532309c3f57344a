#include "assets/generator/gif_writer.h"

#include <functional>
#include <gtest/gtest.h>
#include <QBuffer>
#include <QImageReader>
#include <random>

using artwork::encodeGif89a;

namespace {

QImage filled(int width, int height, const std::function<QRgb(int, int)>& colourAt) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, colourAt(x, y));
    return image;
}

QRgb grey(int level) {
    return qRgb(level, level, level);
}

struct GifCase {
    const char* name;
    std::function<QImage()> make;
};

// Each picture drives the LZW coder down a different road: no string at all, ever longer runs
// through every code width, and noise that fills the code table again and again.
const GifCase kGifCases[] = {
    {"OnePixel", [] { return filled(1, 1, [](int, int) { return qRgb(200, 10, 30); }); }},
    {"OneColourRuns", [] { return filled(301, 199, [](int, int) { return grey(198); }); }},
    {"TwoColourStripes",
     [] {
         return filled(64, 40, [](int x, int y) { return (x / 3 + y) % 2 ? grey(0) : grey(255); });
     }},
    {"AllColoursInOrder",
     [] { return filled(256, 3, [](int x, int) { return qRgb(x, 255 - x, (x * 7) % 256); }); }},
    {"NoiseFillsTheCodeTable",
     [] {
         std::mt19937 random(20220522);
         return filled(257, 203, [&](int, int) { return grey(static_cast<int>(random() % 256)); });
     }},
    {"FewColourNoise",
     [] {
         std::mt19937 random(7);
         return filled(500, 120,
                       [&](int, int) { return qRgb(0, 0, static_cast<int>(random() % 5)); });
     }},
};

void PrintTo(const GifCase& c, std::ostream* out) {
    *out << c.name;
}

class GifWriterTest : public ::testing::TestWithParam<GifCase> {};

TEST_P(GifWriterTest, ReadsBackAsTheSamePixelsInAGif89aWithA256ColourPalette) {
    const QImage image = GetParam().make();
    QByteArray bytes = encodeGif89a(image);
    ASSERT_FALSE(bytes.isEmpty());

    EXPECT_EQ(bytes.left(6), QByteArray("GIF89a"));
    EXPECT_EQ(static_cast<std::uint8_t>(bytes.at(6)) | static_cast<std::uint8_t>(bytes.at(7)) << 8,
              image.width());
    EXPECT_EQ(static_cast<std::uint8_t>(bytes.at(8)) | static_cast<std::uint8_t>(bytes.at(9)) << 8,
              image.height());
    // Global palette of 2^(7+1) entries; the image descriptor follows its 768 bytes.
    EXPECT_EQ(static_cast<std::uint8_t>(bytes.at(10)) & 0x87u, 0x87u);
    EXPECT_EQ(bytes.at(13 + 768), '\x2C');
    EXPECT_EQ(bytes.back(), '\x3B');

    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "gif");
    EXPECT_EQ(reader.imageCount(), 1);
    const QImage decoded = reader.read().convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(decoded.isNull()) << reader.errorString().toStdString();
    ASSERT_EQ(decoded.size(), image.size());
    int wrongPixels = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            wrongPixels += decoded.pixel(x, y) != image.pixel(x, y);
    EXPECT_EQ(wrongPixels, 0);
}

INSTANTIATE_TEST_SUITE_P(Pictures, GifWriterTest, ::testing::ValuesIn(kGifCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GifWriter, RefusesWhatOneGifImageCannotHold) {
    EXPECT_TRUE(encodeGif89a(QImage()).isEmpty());
    EXPECT_TRUE(encodeGif89a(filled(257, 1, [](int x, int) {
                    return qRgb(x % 256, x / 256, 0);
                })).isEmpty());
    QImage tooWide(65536, 1, QImage::Format_RGB32);
    tooWide.fill(Qt::white);
    EXPECT_TRUE(encodeGif89a(tooWide).isEmpty());
}

} // namespace
