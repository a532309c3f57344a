// Bitmap files of every layout the reader takes, written byte by byte: whole, each reads with
// every pixel as written; cut short, or with run-length data that leaves pixels unset, each is
// unreadable.
#include "platform/picture/picture_completeness.h"
#include "platform/picture/picture_file.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <QImage>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t BI_RGB = 0;
constexpr std::uint32_t BI_RLE8 = 1;
constexpr std::uint32_t BI_RLE4 = 2;
constexpr std::uint32_t BI_BITFIELDS = 3;

void put16(Bytes& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}
void put32(Bytes& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}
void set32(Bytes& out, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// The colour of table entry i, and the colour a direct-colour bitmap has at (x, y).
QRgb tableColour(int i) {
    return qRgb(i * 16, 255 - i * 16, i * 8);
}
QRgb directColour(int x, int y) {
    return qRgb(x * 40, y * 40, 200);
}
int indexAt(int x, int y, int colours) {
    return (x + 2 * y) % colours;
}

struct Kind {
    const char* name;
    std::uint32_t headerBytes; // 12, 40 or 124
    std::uint16_t bitCount;
    std::uint32_t compression;
    bool topDown = false;
    std::uint32_t gap = 0; // bytes between the colour table and the pixels
};

constexpr int kWidth = 5;
constexpr int kHeight = 3;

// The colours the pixels use, and the entries of the table: the short header has no count of
// them, so its table has one for every value a pixel can have.
int coloursOf(const Kind& kind) {
    return kind.bitCount <= 8 ? std::min(1 << kind.bitCount, 16) : 0;
}
int tableEntriesOf(const Kind& kind) {
    return kind.headerBytes == 12 && kind.bitCount <= 8 ? 1 << kind.bitCount : coloursOf(kind);
}

// The pixel rows as the file holds them, bottom row first unless top-down.
Bytes pixelData(const Kind& kind) {
    Bytes data;
    const int colours = coloursOf(kind);
    for (int row = 0; row < kHeight; ++row) {
        const int y = kind.topDown ? row : kHeight - 1 - row;
        if (kind.compression == BI_RLE8 || kind.compression == BI_RLE4) {
            // One run of one pixel each; RLE4 takes the pixel from the high nibble.
            for (int x = 0; x < kWidth; ++x) {
                const int index = indexAt(x, y, colours);
                data.push_back(1);
                data.push_back(
                    static_cast<std::uint8_t>(kind.compression == BI_RLE4 ? index << 4 : index));
            }
            data.push_back(0);
            data.push_back(row == kHeight - 1 ? 1 : 0);
            continue;
        }
        const std::size_t start = data.size();
        std::uint32_t bits = 0;
        int filled = 0;
        for (int x = 0; x < kWidth; ++x) {
            const QRgb c = directColour(x, y);
            if (kind.bitCount <= 8) {
                bits = bits << kind.bitCount | static_cast<std::uint32_t>(indexAt(x, y, colours));
                filled += kind.bitCount;
                if (filled == 8) {
                    data.push_back(static_cast<std::uint8_t>(bits));
                    bits = 0;
                    filled = 0;
                }
            } else if (kind.bitCount == 16) { // 5-6-5
                put16(data, static_cast<std::uint32_t>((qRed(c) >> 3) << 11 |
                                                       (qGreen(c) >> 2) << 5 | qBlue(c) >> 3));
            } else {
                data.push_back(static_cast<std::uint8_t>(qBlue(c)));
                data.push_back(static_cast<std::uint8_t>(qGreen(c)));
                data.push_back(static_cast<std::uint8_t>(qRed(c)));
                if (kind.bitCount == 32)
                    data.push_back(0xFF);
            }
        }
        if (filled > 0)
            data.push_back(static_cast<std::uint8_t>(bits << (8 - filled)));
        while ((data.size() - start) % 4 != 0)
            data.push_back(0);
    }
    return data;
}

// Whether the pixel shows what was written at (x, y); 5-6-5 pixels keep fewer bits of each
// channel, which the reader widens again.
::testing::AssertionResult showsWritten(const Kind& kind, QRgb shown, int x, int y) {
    const QRgb want =
        kind.bitCount <= 8 ? tableColour(indexAt(x, y, coloursOf(kind))) : directColour(x, y);
    const int tolerance = kind.bitCount == 16 ? 8 : 0;
    if (std::abs(qRed(shown) - qRed(want)) <= tolerance &&
        std::abs(qGreen(shown) - qGreen(want)) <= tolerance &&
        std::abs(qBlue(shown) - qBlue(want)) <= tolerance && qAlpha(shown) == 255)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::hex << shown << " instead of " << want;
}

Bytes bitmapFile(const Kind& kind, const Bytes& pixels) {
    Bytes file = {'B', 'M'};
    put32(file, 0); // file size, set below
    put32(file, 0);
    put32(file, 0); // pixel offset, set below
    put32(file, kind.headerBytes);
    const bool bitfields = kind.compression == BI_BITFIELDS;
    const std::uint32_t masks[] = {0xF800, 0x07E0, 0x001F};
    if (kind.headerBytes == 12) {
        put16(file, kWidth);
        put16(file, kHeight);
        put16(file, 1);
        put16(file, kind.bitCount);
    } else {
        put32(file, kWidth);
        put32(file, static_cast<std::uint32_t>(kind.topDown ? -kHeight : kHeight));
        put16(file, 1);
        put16(file, kind.bitCount);
        put32(file, kind.compression);
        put32(file, static_cast<std::uint32_t>(pixels.size()));
        put32(file, 2835);
        put32(file, 2835);
        put32(file, static_cast<std::uint32_t>(coloursOf(kind)));
        put32(file, 0);
        if (kind.headerBytes > 40) {
            // The masks in the header, then the rest of it empty.
            for (const std::uint32_t mask : masks)
                put32(file, bitfields ? mask : 0);
            while (file.size() < 14 + kind.headerBytes)
                file.push_back(0);
        } else if (bitfields) {
            for (const std::uint32_t mask : masks)
                put32(file, mask);
        }
    }
    for (int i = 0; i < tableEntriesOf(kind); ++i) {
        const QRgb c = tableColour(i % 16);
        file.push_back(static_cast<std::uint8_t>(qBlue(c)));
        file.push_back(static_cast<std::uint8_t>(qGreen(c)));
        file.push_back(static_cast<std::uint8_t>(qRed(c)));
        if (kind.headerBytes != 12)
            file.push_back(0);
    }
    file.insert(file.end(), kind.gap, 0xEE);
    set32(file, 10, static_cast<std::uint32_t>(file.size()));
    file.insert(file.end(), pixels.begin(), pixels.end());
    set32(file, 2, static_cast<std::uint32_t>(file.size()));
    return file;
}

const Kind kKinds[] = {
    {"Core8", 12, 8, BI_RGB},
    {"Core24", 12, 24, BI_RGB},
    {"Info1", 40, 1, BI_RGB},
    {"Info4", 40, 4, BI_RGB},
    {"Info8", 40, 8, BI_RGB},
    {"Info16Bitfields", 40, 16, BI_BITFIELDS},
    {"Info24", 40, 24, BI_RGB},
    {"Info24TopDown", 40, 24, BI_RGB, true},
    {"Info24AfterAGap", 40, 24, BI_RGB, false, 10},
    {"Info32", 40, 32, BI_RGB},
    {"V5Bitfields16", 124, 16, BI_BITFIELDS},
    {"Rle8", 40, 8, BI_RLE8},
    {"Rle4", 40, 4, BI_RLE4},
};

class BitmapKindTest : public ::testing::TestWithParam<Kind> {
protected:
    void SetUp() override {
        path_ = fs::temp_directory_path() /
                ("bitmap_kind_" + std::to_string(::getpid()) + "_" + GetParam().name + ".bmp");
    }
    void TearDown() override { fs::remove(path_); }
    QImage read(const Bytes& bytes) const {
        std::ofstream(path_, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return ReadPictureFile(path_);
    }
    fs::path path_;
};

TEST_P(BitmapKindTest, WholeItReadsWithEveryPixelAsWritten) {
    const Kind& kind = GetParam();
    const QImage image = read(bitmapFile(kind, pixelData(kind)));
    ASSERT_EQ(image.size(), QSize(kWidth, kHeight));
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            EXPECT_TRUE(showsWritten(kind, image.pixel(x, y), x, y)) << x << "," << y;
}

TEST_P(BitmapKindTest, CutShortAnywhereItIsUnreadable) {
    const Kind& kind = GetParam();
    const Bytes whole = bitmapFile(kind, pixelData(kind));
    const std::size_t pixelsStart = whole.size() - pixelData(kind).size();
    for (const std::size_t cut :
         {std::size_t{2}, std::size_t{17}, pixelsStart - 1, pixelsStart, pixelsStart + 1,
          whole.size() / 2 + pixelsStart / 2, whole.size() - 1}) {
        SCOPED_TRACE("cut to " + std::to_string(cut) + " of " + std::to_string(whole.size()));
        const Bytes cutShort(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut));
        EXPECT_FALSE(bitmapHoldsEveryPixel(cutShort));
        EXPECT_TRUE(read(cutShort).isNull());
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, BitmapKindTest, ::testing::ValuesIn(kKinds),
                         [](const auto& info) { return std::string(info.param.name); });

// Run-length data that is complete as a file but leaves pixels unset: the reader would show
// them as the memory held them.
TEST(RunLengthBitmap, DataThatLeavesPixelsUnsetIsUnreadable) {
    const Kind rle8{"Rle8", 40, 8, BI_RLE8};
    const Bytes whole = pixelData(rle8);
    const Bytes rowOfFive = {1, 0, 1, 1, 1, 2, 1, 3, 1, 4};
    const auto rows = [&](std::initializer_list<Bytes> parts) {
        Bytes data;
        for (const Bytes& part : parts)
            data.insert(data.end(), part.begin(), part.end());
        return data;
    };
    const Bytes eol = {0, 0};
    const Bytes eob = {0, 1};
    const struct {
        const char* what;
        Bytes data;
        bool whole;
    } cases[] = {
        {"every pixel set", whole, true},
        {"one run for a whole row", rows({{5, 7}, eol, {5, 8}, eol, {5, 9}, eob}), true},
        {"pixels given one by one",
         rows({{0, 5, 1, 2, 3, 4, 5, 0}, eol, rowOfFive, eol, rowOfFive, eob}), true},
        {"the last row ended by its end of line alone",
         rows({rowOfFive, eol, rowOfFive, eol, rowOfFive, eol}), true},
        {"a row ended early", rows({rowOfFive, eol, {1, 0}, eol, rowOfFive, eob}), false},
        {"the bitmap ended early", rows({rowOfFive, eol, rowOfFive, eob}), false},
        {"a delta that skips pixels",
         rows({{0, 2, 1, 0}, {4, 3}, eol, rowOfFive, eol, rowOfFive, eob}), false},
        {"a delta that skips nothing",
         rows({{0, 2, 0, 0}, rowOfFive, eol, rowOfFive, eol, rowOfFive, eob}), true},
        {"pixels given one by one beyond the data",
         rows({rowOfFive, eol, rowOfFive, eol, {0, 5, 1, 2}}), false},
    };
    const fs::path path =
        fs::temp_directory_path() / ("run_length_" + std::to_string(::getpid()) + ".bmp");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Bytes file = bitmapFile(rle8, c.data);
        EXPECT_EQ(bitmapHoldsEveryPixel(file), c.whole);
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(file.data()),
                   static_cast<std::streamsize>(file.size()));
        const QImage image = ReadPictureFile(path);
        EXPECT_EQ(image.size(), c.whole ? QSize(kWidth, kHeight) : QSize(0, 0));
    }
    // Data the header says is longer than what the file holds.
    Bytes file = bitmapFile(rle8, whole);
    set32(file, 34, static_cast<std::uint32_t>(whole.size() + 1));
    EXPECT_FALSE(bitmapHoldsEveryPixel(file));
    fs::remove(path);
}

TEST(BitmapHeader, SizesBeyondAnyFileAreNoBitmapHeldWhole) {
    const Kind kind{"Info24", 40, 24, BI_RGB};
    const Bytes whole = bitmapFile(kind, pixelData(kind));
    const struct {
        const char* what;
        std::size_t at;
        std::uint32_t value;
    } cases[] = {{"the widest width", 18, 0x7FFFFFFF},
                 {"the tallest height", 22, 0x7FFFFFFF},
                 {"the tallest top-down height", 22, 0x80000000},
                 {"a pixel offset beyond the file", 10, 0xFFFFFFF0},
                 {"a header longer than the file", 14, 0xFFFFFFF0},
                 {"a header of no known kind", 14, 20},
                 {"more colours than any table", 46, 0xFFFFFFFF}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes file = whole;
        set32(file, c.at, c.value);
        if (std::string(c.what) == "more colours than any table")
            file[28] = 8;
        EXPECT_FALSE(bitmapHoldsEveryPixel(file));
    }
}

} // namespace
