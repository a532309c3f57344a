#include "platform/picture/picture.h"
#include "surface/alpha_surface.h"
#include "tests/surface/surface_probe.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <QColor>
#include <QImage>
#include <unistd.h>

namespace fs = std::filesystem;
using surfacetest::Bgra;

namespace {

class PictureTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("picture_test_" + std::to_string(::getpid()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // A 3 x 2 image, odd width so that 24-bit rows need padding, every pixel distinct.
    static QImage sample(QImage::Format format) {
        QImage image(3, 2, format);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                image.setPixelColor(x, y, QColor(10 + 40 * x, 100 + 50 * y, 7 * (x + y), 255));
        return image;
    }

    static Bgra expected(int x, int y) { return {7 * (x + y), 100 + 50 * y, 10 + 40 * x, -1}; }

    fs::path save(const QImage& image, const std::string& name) {
        const fs::path path = folder_ / name;
        EXPECT_TRUE(image.save(QString::fromStdString(path.string())));
        return path;
    }

    fs::path folder_;
};

TEST_F(PictureTest, ABitmapFileBecomesA24BitBitmapWithRowsBottomUp) {
    for (const char* name : {"sample.bmp", "sample.png"}) {
        const auto picture = LoadPicture(save(sample(QImage::Format_RGB32), name));
        ASSERT_NE(picture, nullptr) << name;
        EXPECT_EQ(picture->Width(), 3);
        EXPECT_EQ(picture->Height(), 2);
        gdi::BITMAP record{};
        ASSERT_NE(gdi::GetObject(picture->Handle(), sizeof record, &record), 0);
        EXPECT_EQ(record.bmBitsPixel, 24);
        EXPECT_EQ(record.bmWidthBytes, 12);
        // Memory row 0 is the image's bottom line.
        const auto* bits = static_cast<const std::uint8_t*>(record.bmBits);
        EXPECT_EQ((Bgra{bits[0], bits[1], bits[2], -1}), expected(0, 1)) << name;

        surfacetest::Canvas canvas(1, 1);
        const gdi::HGDIOBJ previous = gdi::SelectObject(canvas.dc(), picture->Handle());
        ASSERT_NE(previous, 0);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                EXPECT_EQ(canvas.at(x, y), expected(x, y)) << name << " " << x << "," << y;
        gdi::SelectObject(canvas.dc(), previous);
    }
}

TEST_F(PictureTest, TransparencyInTheFileIsDropped) {
    QImage image = sample(QImage::Format_ARGB32);
    image.setPixelColor(1, 1, QColor(10, 20, 30, 0));
    const auto picture = LoadPicture(save(image, "alpha.png"));
    ASSERT_NE(picture, nullptr);
    cAlphaSurface surface;
    surface.CreateFromPicture(*picture);
    EXPECT_EQ(surfacetest::pixelAt(surface, 1, 1), (Bgra{30, 20, 10, 0}));
}

TEST_F(PictureTest, WhatIsNotAReadableImageGivesNoPicture) {
    std::ofstream(folder_ / "text.bmp") << "not an image";
    std::ofstream(folder_ / "empty.bmp");
    for (const fs::path& path :
         {folder_ / "missing.bmp", folder_ / "text.bmp", folder_ / "empty.bmp", folder_})
        EXPECT_EQ(LoadPicture(path), nullptr) << path;
    EXPECT_FALSE(fs::exists(folder_ / "missing.bmp"));
    EXPECT_EQ(Picture::fromImage(QImage()), nullptr);
}

TEST_F(PictureTest, APictureOwnsItsBitmap) {
    const std::size_t baseline = gdi::LiveObjectCount();
    gdi::HBITMAP handle = 0;
    {
        const auto picture = Picture::fromImage(sample(QImage::Format_RGB32));
        ASSERT_NE(picture, nullptr);
        handle = picture->Handle();
        EXPECT_EQ(gdi::LiveObjectCount(), baseline + 1);
    }
    EXPECT_EQ(gdi::LiveObjectCount(), baseline);
    EXPECT_EQ(gdi::GetObject(handle, 0, nullptr), 0);
}

TEST_F(PictureTest, ASurfaceMadeFromAPictureHasItsColoursAndNoAlpha) {
    const auto picture = Picture::fromImage(sample(QImage::Format_RGB32));
    ASSERT_NE(picture, nullptr);
    cAlphaSurface surface;
    surface.CreateFromPicture(picture.get());
    ASSERT_EQ(surface.Width(), 3);
    ASSERT_EQ(surface.Height(), 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            Bgra want = expected(x, y);
            want[3] = 0;
            EXPECT_EQ(surfacetest::pixelAt(surface, x, y), want) << x << "," << y;
        }
    const Picture* none = nullptr;
    surface.CreateFromPicture(none);
    EXPECT_EQ(surface.hDIB(), 0);
    EXPECT_EQ(surface.Width(), 0);
}

} // namespace
