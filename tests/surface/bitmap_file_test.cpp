// SavePicture on real files: the layout of what it writes, replacing a file, the error when the
// file cannot be created, and a write that falls short leaving the old file as it was.
#include "surface/alpha_surface.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/resource.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

class SavePictureTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("motorhall-bitmap-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    static std::vector<std::uint8_t> readAll(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void writeText(const fs::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    std::vector<std::string> namesInFolder() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_))
            names.push_back(entry.path().filename().string());
        return names;
    }

    fs::path folder_;
};

std::uint32_t le32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

TEST_F(SavePictureTest, WritesTheHeadersAndThePixelRowsAsStored) {
    cAlphaSurface surface;
    ASSERT_TRUE(surface.Create(20100, 100));
    std::uint8_t* bits = surface.DIBSectionBitsPtr();
    const std::size_t imageSize = 100 * 4 * 20100;
    const std::uint8_t first[4] = {1, 2, 3, 4};        // memory row 0, the bottom line
    const std::uint8_t last[4] = {250, 251, 252, 253}; // top line, last pixel
    std::copy(first, first + 4, bits);
    std::copy(last, last + 4, bits + imageSize - 4);
    const fs::path path = folder_ / "strip.bmp";
    ASSERT_TRUE(surface.SavePicture(path));

    const std::vector<std::uint8_t> file = readAll(path);
    ASSERT_EQ(file.size(), 58u + 8040000u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(le32(file, 2), 8040058u);
    EXPECT_EQ(le32(file, 6), 0u); // the two reserved fields
    EXPECT_EQ(le32(file, 10), 58u);
    const std::uint32_t info[] = {40, 20100, 100, 1 | 32 << 16, 0, 8040000, 0, 0, 0, 0};
    for (std::size_t i = 0; i < std::size(info); ++i)
        EXPECT_EQ(le32(file, 14 + 4 * i), info[i]) << "bitmap information field " << i;
    EXPECT_EQ(le32(file, 54), 0u) << "the colour-table entry";
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 58, file.begin() + 62),
              (std::vector<std::uint8_t>{1, 2, 3, 4}));
    EXPECT_EQ(std::vector<std::uint8_t>(file.end() - 4, file.end()),
              (std::vector<std::uint8_t>{250, 251, 252, 253}));
    EXPECT_TRUE(std::equal(file.begin() + 58, file.end(), bits));
    EXPECT_EQ(namesInFolder(), std::vector<std::string>{"strip.bmp"});
}

TEST_F(SavePictureTest, ReplacesAnExistingFile) {
    const fs::path path = folder_ / "picture.bmp";
    writeText(path, std::string(1000, 'x'));
    cAlphaSurface surface;
    ASSERT_TRUE(surface.Create(2, 3));
    ASSERT_TRUE(surface.SavePicture(path));
    const std::vector<std::uint8_t> file = readAll(path);
    ASSERT_EQ(file.size(), 58u + 24u);
    EXPECT_EQ(le32(file, 2), 82u);
    EXPECT_EQ(std::count(file.begin() + 58, file.end(), 0), 24);
}

TEST_F(SavePictureTest, AFileThatCannotBeCreatedRaisesError17WithTheSystemsText) {
    fs::create_directory(folder_ / "taken.bmp");
    struct Case {
        fs::path path;
        std::uint32_t systemCode;
        const char* description;
    };
    const Case cases[] = {
        {folder_ / "missing" / "out.bmp", 2, "The system cannot find the file specified.\r\n"},
        {folder_ / "taken.bmp", 5, "Access is denied.\r\n"}, // a folder stands there
    };
    cAlphaSurface surface;
    ASSERT_TRUE(surface.Create(4, 4));
    for (const Case& c : cases) {
        try {
            surface.SavePicture(c.path);
            ADD_FAILURE() << c.path << " raised nothing";
        } catch (const SurfaceFileError& error) {
            EXPECT_EQ(error.Number(), 17);
            EXPECT_EQ(error.SystemCode(), c.systemCode) << c.path;
            EXPECT_EQ(error.Description(), c.description) << c.path;
            EXPECT_STREQ(error.what(), c.description);
            EXPECT_EQ(error.Source(), "surface_tests.cAlphaSurface");
        }
    }
    EXPECT_TRUE(fs::is_directory(folder_ / "taken.bmp"));
    EXPECT_EQ(namesInFolder(), std::vector<std::string>{"taken.bmp"}) << "a temporary file is left";
}

// Limits the size of any file this process writes, for the lifetime of the object; writing
// beyond it fails with EFBIG instead of raising SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        applied_ = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    bool applied() const { return applied_; }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
    bool applied_ = false;
};

TEST_F(SavePictureTest, AWriteThatFallsShortReturnsFalseAndLeavesTheOldFileAsItWas) {
    const fs::path path = folder_ / "vehicle.bmp";
    writeText(path, "the earlier picture");
    cAlphaSurface surface;
    ASSERT_TRUE(surface.Create(100, 100)); // 40058 bytes, far beyond the limit
    bool saved = true;
    {
        const FileSizeLimit limit(1000);
        ASSERT_TRUE(limit.applied());
        saved = surface.SavePicture(path);
    }
    EXPECT_FALSE(saved);
    const std::vector<std::uint8_t> file = readAll(path);
    EXPECT_EQ(std::string(file.begin(), file.end()), "the earlier picture");
    EXPECT_EQ(namesInFolder(), std::vector<std::string>{"vehicle.bmp"})
        << "a temporary file is left";
}

TEST_F(SavePictureTest, AReleasedSurfaceHasNoPixelsToWrite) {
    cAlphaSurface surface;
    ASSERT_TRUE(surface.Create(3, 3));
    surface.ClearUp(); // its size stays, its pixels are gone
    EXPECT_FALSE(surface.SavePicture(folder_ / "gone.bmp"));
    EXPECT_TRUE(namesInFolder().empty());
}

} // namespace
