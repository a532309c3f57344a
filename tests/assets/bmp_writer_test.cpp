#include "assets/generator/bmp_writer.h"

#include <cstdint>
#include <gtest/gtest.h>

using artwork::encodeBmp24;

namespace {

std::uint32_t readLittleEndian(const QByteArray& bytes, int at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes.at(at + i));
    return value;
}

// Every pixel a different colour, so a row or channel out of place shows.
QImage patterned(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(10 + 40 * x, 20 + 50 * y, 200 - 30 * x - 7 * y));
    return image;
}

struct BmpCase {
    int width;
    int height;
    int rowBytes; // three bytes a pixel, padded to a multiple of four
};

void PrintTo(const BmpCase& c, std::ostream* out) {
    *out << c.width << " x " << c.height;
}

class BmpWriterTest : public ::testing::TestWithParam<BmpCase> {};

TEST_P(BmpWriterTest, HeaderPaddingAndPixelsAreThoseOfA24BitBottomUpBitmap) {
    const BmpCase c = GetParam();
    const QImage image = patterned(c.width, c.height);
    const QByteArray bytes = encodeBmp24(image);

    const int pixelBytes = c.rowBytes * c.height;
    ASSERT_EQ(bytes.size(), 54 + pixelBytes);
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(readLittleEndian(bytes, 2, 4), static_cast<std::uint32_t>(bytes.size()));
    EXPECT_EQ(readLittleEndian(bytes, 10, 4), 54u);
    EXPECT_EQ(readLittleEndian(bytes, 14, 4), 40u);
    EXPECT_EQ(readLittleEndian(bytes, 18, 4), static_cast<std::uint32_t>(c.width));
    EXPECT_EQ(readLittleEndian(bytes, 22, 4), static_cast<std::uint32_t>(c.height));
    EXPECT_EQ(readLittleEndian(bytes, 26, 2), 1u);
    EXPECT_EQ(readLittleEndian(bytes, 28, 2), 24u);
    EXPECT_EQ(readLittleEndian(bytes, 30, 4), 0u);
    EXPECT_EQ(readLittleEndian(bytes, 34, 4), static_cast<std::uint32_t>(pixelBytes));

    for (int fileRow = 0; fileRow < c.height; ++fileRow) {
        const int rowStart = 54 + fileRow * c.rowBytes;
        const int imageRow = c.height - 1 - fileRow;
        for (int x = 0; x < c.width; ++x) {
            const QRgb expected = image.pixel(x, imageRow);
            EXPECT_EQ(static_cast<std::uint8_t>(bytes.at(rowStart + 3 * x)), qBlue(expected));
            EXPECT_EQ(static_cast<std::uint8_t>(bytes.at(rowStart + 3 * x + 1)), qGreen(expected));
            EXPECT_EQ(static_cast<std::uint8_t>(bytes.at(rowStart + 3 * x + 2)), qRed(expected));
        }
        for (int pad = 3 * c.width; pad < c.rowBytes; ++pad)
            EXPECT_EQ(bytes.at(rowStart + pad), '\0') << "row " << fileRow << " byte " << pad;
    }

    const QImage decoded = QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(decoded, image);
}

INSTANTIATE_TEST_SUITE_P(RowWidths, BmpWriterTest,
                         ::testing::Values(BmpCase{1, 3, 4}, BmpCase{2, 2, 8}, BmpCase{3, 2, 12},
                                           BmpCase{4, 1, 12}, BmpCase{5, 3, 16}));

TEST(BmpWriter, RefusesANullImage) {
    EXPECT_TRUE(encodeBmp24(QImage()).isEmpty());
}

} // namespace
