// srftool make on pictures that declare more pixels than one vehicle may hold: a few bytes of
// PNG can claim 32767 x 32767 pixels, and a valid 1-bit PNG of 16384 x 16384 takes 32 KB. Each is
// refused from its header with one line and status 2, in a few megabytes, by the built tool.
#include "format/srf_limits.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <png.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

// Far above what a refusal from the header needs, far below what decoding any of these pictures
// takes (1 GiB and more).
constexpr long kLargestResidentKiB = 128 * 1024;

std::uint32_t crc32(const std::uint8_t* data, std::size_t size) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void putBig32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void putChunk(std::vector<std::uint8_t>& out, const char* type,
              const std::vector<std::uint8_t>& data) {
    putBig32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    putBig32(out, crc32(out.data() + start, out.size() - start));
}

// A PNG whose header, with a valid checksum, declares an 8-bit RGBA picture of the given size,
// followed by one row's worth of compressed data: 69 bytes whatever it claims.
std::vector<std::uint8_t> forgedPng(std::uint32_t width, std::uint32_t height) {
    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    std::vector<std::uint8_t> header;
    putBig32(header, width);
    putBig32(header, height);
    header.insert(header.end(), {8, 6, 0, 0, 0}); // 8 bits, RGBA, deflate, no filter, no interlace
    putChunk(png, "IHDR", header);
    putChunk(png, "IDAT", {0x78, 0x9c, 0x63, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0, 0, 0});
    putChunk(png, "IEND", {});
    return png;
}

// A valid PNG of white 1-bit pixels, written with libpng row by row: a few kilobytes on disk for
// any size.
void writeOneBitPng(const fs::path& path, std::uint32_t width, std::uint32_t height) {
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    ASSERT_TRUE(png && info);
    if (setjmp(png_jmpbuf(png)) != 0) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        FAIL() << "libpng could not write " << path;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, width, height, 1, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 9);
    png_write_info(png, info);
    std::vector<png_byte> row((width + 7) / 8, 0xFF);
    for (std::uint32_t y = 0; y < height; ++y)
        png_write_row(png, row.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    ASSERT_EQ(std::fclose(file), 0);
}

void writeBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good());
}

std::string contentOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct ToolRun {
    int status = -1; // the exit status; -1 when the tool did not exit by itself
    std::string out;
    std::string err;
    long residentKiB = 0; // the most memory the tool ever held
};

// Runs the built tool with its output streams in files of the folder. Without the address
// sanitizer (which reserves terabytes of address space) the tool also gets no more than 1 GiB
// of it, so that a run that would decode the picture fails at once instead of taking gigabytes.
ToolRun runTool(const std::vector<std::string>& arguments, const fs::path& folder) {
    const fs::path out = folder / "stdout";
    const fs::path err = folder / "stderr";
    std::vector<std::string> words{SRFTOOL_PATH};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        const int outFd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        const int errFd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (outFd < 0 || errFd < 0 || ::dup2(outFd, 1) < 0 || ::dup2(errFd, 2) < 0)
            ::_exit(125);
        if (!kAddressSanitizer) {
            const rlimit addressSpace{1ul << 30, 1ul << 30};
            if (::setrlimit(RLIMIT_AS, &addressSpace) != 0)
                ::_exit(125);
        }
        ::execv(argv[0], argv.data());
        ::_exit(126);
    }
    ToolRun run;
    if (child < 0) {
        ADD_FAILURE() << "cannot start " << SRFTOOL_PATH;
        return run;
    }
    int status = 0;
    rusage usage{};
    if (::wait4(child, &status, 0, &usage) != child) {
        ADD_FAILURE() << "lost " << SRFTOOL_PATH;
        return run;
    }
    if (WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    run.out = contentOf(out);
    run.err = contentOf(err);
    run.residentKiB = usage.ru_maxrss;
    return run;
}

class SrftoolMakeLimits : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "srftool-limits-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    std::string path(const std::string& name) const { return (folder_ / name).string(); }

    fs::path folder_;
};

TEST_F(SrftoolMakeLimits, RefusesPicturesLargerThanAVehicleFromTheirHeaders) {
    writeBytes(path("forged-32767.png"), forgedPng(32767, 32767));
    ASSERT_EQ(fs::file_size(path("forged-32767.png")), 69u);
    writeBytes(path("forged-4097.png"), forgedPng(4097, 4096)); // one column past 16 Mi pixels
    writeOneBitPng(path("valid-16384.png"), 16384, 16384);
    ASSERT_LT(fs::file_size(path("valid-16384.png")), 64u * 1024);
    writeOneBitPng(path("small.png"), 8, 8);
    writeOneBitPng(path("valid-4096.png"), 4096, 4096); // 16 Mi pixels: alone it fits
    fs::create_directories(path("big-frame"));
    fs::copy_file(path("forged-32767.png"), path("big-frame/frame-00.png"));
    // Three square frames of 2048: the strip of three and frame 0 below it would take a surface
    // of 6144 x 4096 pixels; two fit exactly, the third is refused before it is decoded.
    fs::create_directories(path("many-frames"));
    writeOneBitPng(path("many-frames/frame-00.png"), 2048, 2048);
    fs::copy_file(path("many-frames/frame-00.png"), path("many-frames/frame-01.png"));
    writeBytes(path("many-frames/frame-02.png"), forgedPng(2048, 2048));

    const std::vector<std::vector<std::string>> cases = {
        {"make", path("forged-32767.png"), path("out.srf")},
        {"make", path("forged-4097.png"), path("out.srf")},
        {"make", path("valid-16384.png"), path("out.srf")},
        {"make", "--2d", path("forged-32767.png"), path("small.png"), path("out.srf")},
        {"make", "--2d", path("valid-16384.png"), path("small.png"), path("out.srf")},
        {"make", path("big-frame"), path("out.srf")},
        {"make", path("many-frames"), path("out.srf")},
        // Each fits alone; together they need a surface of 4096 x 4104 pixels, and 4096 x 8192
        // with frame 0 as the 2D image.
        {"make", "--2d", path("small.png"), path("valid-4096.png"), path("out.srf")},
        {"make", path("valid-4096.png"), path("out.srf")},
    };
    for (const std::vector<std::string>& arguments : cases) {
        std::string line;
        for (const std::string& a : arguments)
            line += a + ' ';
        SCOPED_TRACE(line);
        const ToolRun run = runTool(arguments, folder_);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_EQ(run.err.rfind("srftool: cannot ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find(std::to_string(srf::kMaxVehicleSurfacePixels)), std::string::npos)
            << run.err;
        EXPECT_LT(run.residentKiB, kLargestResidentKiB);
        EXPECT_FALSE(fs::exists(path("out.srf")));
    }
}

// The largest vehicle that fits is still made: the limit is the loader's own.
TEST_F(SrftoolMakeLimits, MakesTheLargestVehicleThatFits) {
    fs::create_directories(path("frames"));
    writeOneBitPng(path("frames/frame-00.png"), 2048, 2048);
    fs::copy_file(path("frames/frame-00.png"), path("frames/frame-01.png"));
    const ToolRun made = runTool({"make", path("frames"), path("out.srf")}, folder_);
    EXPECT_EQ(made.status, 0) << made.err;
    const ToolRun info = runTool({"info", path("out.srf")}, folder_);
    EXPECT_EQ(info.status, 0) << info.err;
    EXPECT_EQ(info.out, "result: 1\ntype: GARMIN BITMAP 01\n3d: 2048x2048\n2d: 2048x2048\n"
                        "surface: 4096x4096\nchecksum: ok\n");
}

} // namespace
