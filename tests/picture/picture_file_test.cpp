// Reading picture files: the generated artwork reads whole, and a copy cut short of any kind is
// unreadable instead of showing whatever memory held where its pixels are missing.
#include "platform/picture/picture.h"
#include "platform/picture/picture_completeness.h"
#include "platform/picture/picture_file.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

class PictureFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("picture_file_test_" + std::to_string(::getpid()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path write(const std::string& name, const Bytes& bytes) const {
        const fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path;
    }

    fs::path folder_;
};

// The artwork the build generated into the program folder, the language folders' included.
std::vector<fs::path> generatedPictures() {
    const fs::path images = MOTORHALL_IMAGES_DIR;
    std::vector<fs::path> pictures;
    for (const auto& entry : fs::recursive_directory_iterator(images))
        if (entry.is_regular_file())
            pictures.push_back(entry.path());
    std::sort(pictures.begin(), pictures.end());
    return pictures;
}

TEST_F(PictureFileTest, EveryGeneratedPictureReadsWhole) {
    const std::vector<fs::path> pictures = generatedPictures();
    ASSERT_GE(pictures.size(), 20u) << "the build's artwork";
    for (const fs::path& path : pictures) {
        SCOPED_TRACE(path.filename().string());
        const QImage image = ReadPictureFile(path);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image, QImageReader(QString::fromStdString(path.string())).read());
        EXPECT_NE(LoadPicture(path), nullptr);
    }
}

// Where a generated picture is cut: for each kind, through its headers, through its pixels and
// just short of its end, except where the end holds no pixel (a GIF's trailer).
std::vector<std::size_t> cutsOf(const fs::path& path, std::size_t size) {
    const std::string kind = path.extension().string();
    if (kind == ".bmp")
        return {20, 54, std::min<std::size_t>(3000, size / 2), size / 2, size - 1};
    if (kind == ".gif")
        return {10, 13, 100, size / 2, size - 2};
    return {20, 40, size / 2, size - 13};
}

TEST_F(PictureFileTest, AGeneratedPictureCutShortIsUnreadable) {
    for (const fs::path& path : generatedPictures()) {
        const Bytes whole = bytesOf(path);
        for (const std::size_t cut : cutsOf(path, whole.size())) {
            SCOPED_TRACE(path.filename().string() + " cut to " + std::to_string(cut));
            const fs::path copy =
                write(path.filename().string(), Bytes(whole.begin(), whole.begin() + cut));
            EXPECT_TRUE(ReadPictureFile(copy).isNull());
            EXPECT_EQ(LoadPicture(copy), nullptr);
        }
    }
}

TEST_F(PictureFileTest, AGifWithoutItsTrailerHoldsEveryPixelAndReads) {
    for (const fs::path& path : generatedPictures()) {
        if (path.extension() != ".gif")
            continue;
        SCOPED_TRACE(path.filename().string());
        Bytes bytes = bytesOf(path);
        ASSERT_EQ(bytes.back(), 0x3B);
        bytes.pop_back();
        EXPECT_EQ(ReadPictureFile(write("untrailed.gif", bytes)), ReadPictureFile(path));
    }
}

TEST_F(PictureFileTest, WhatIsNoRegularFileIsNotWaitedOnOrRead) {
    const fs::path pipe = folder_ / "pipe.bmp";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_TRUE(ReadPictureFile(pipe).isNull());
    EXPECT_TRUE(ReadPictureFile(folder_).isNull());
    EXPECT_TRUE(ReadPictureFile(folder_ / "missing.bmp").isNull());
    EXPECT_TRUE(ReadPictureFile(write("empty.bmp", {})).isNull());
}

} // namespace
