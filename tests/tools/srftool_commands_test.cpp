#include "tests/support/srf_expected_pixel.h"
#include "tests/support/srf_writer.h"
#include "tests/tools/srftool_run.h"

#include <array>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace {

using srftooltest::commandLine;
using srftooltest::Outcome;
using srftooltest::refusedWithOneLine;
using srftooltest::run;

std::size_t lineCount(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

// What the loader makes of one colour word and transparency byte: B, G, R, A.
std::array<std::uint8_t, 4> decoded(std::uint16_t v, std::uint8_t t) {
    const auto [blue, green, red] = srftest::expectedBgr(v);
    return {static_cast<std::uint8_t>(blue), static_cast<std::uint8_t>(green),
            static_cast<std::uint8_t>(red),
            static_cast<std::uint8_t>(srftest::expectedOpacity(t).value_or(0))};
}

std::uint16_t wordAt(const srftest::Image& image, int x, int y) {
    const std::size_t i = 2 * (static_cast<std::size_t>(y) * image.width + x);
    return static_cast<std::uint16_t>(image.colour[i] | image.colour[i + 1] << 8);
}

std::uint8_t transparencyAt(const srftest::Image& image, int x, int y) {
    return image.alpha[static_cast<std::size_t>(y) * image.width + x];
}

// A strip of two 3 x 3 frames over a narrower 4 x 2 image, every pixel different, with
// opaque, partly and fully transparent pixels.
srftest::File patternedVehicle() {
    srftest::File file;
    file.setType("GARMIN BITMAP 01");
    file.image3d = srftest::solid(6, 3);
    file.image2d = srftest::solid(4, 2);
    int i = 0;
    for (srftest::Image* image : {&file.image3d, &file.image2d}) {
        for (int y = 0; y < image->height; ++y) {
            for (int x = 0; x < image->width; ++x, ++i) {
                const auto v = static_cast<std::uint16_t>(0x1234 + i * 0x0F3B);
                const std::uint8_t t = i % 4 == 0 ? 0 : i % 4 == 1 ? 64 : i % 4 == 2 ? 128 : 7;
                image->set(x, y, v, t);
            }
        }
    }
    return file;
}

// The surface the loader builds from patternedVehicle(), line by line from the top, as B, G,
// R, A; pixels from `failAt` (x, line of the strip) on stay zero.
std::vector<std::array<std::uint8_t, 4>> expectedSurface(const srftest::File& f,
                                                         std::optional<QPoint> failAt = {}) {
    std::vector<std::array<std::uint8_t, 4>> pixels(6 * 5);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 6; ++x) {
            // Right of the narrower 2D image: its line's last pixel's colour, opaque.
            const int sx = std::min(x, 3);
            auto p = decoded(wordAt(f.image2d, sx, y), transparencyAt(f.image2d, sx, y));
            if (x > 3)
                p[3] = 255;
            pixels[(3 + y) * 6 + x] = p;
        }
    }
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 6; ++x) {
            if (failAt && (y > failAt->y() || (y == failAt->y() && x >= failAt->x())))
                continue;
            pixels[y * 6 + x] = decoded(wordAt(f.image3d, x, y), transparencyAt(f.image3d, x, y));
        }
    }
    return pixels;
}

// The file with the trailer of the navigator's own files: 0xFF to the end of its last 256-byte
// block, the last byte making the byte sum of the whole file `sum` (0 when the checksum holds).
srftest::File withTrailer(srftest::File file, std::uint8_t sum = 0) {
    const std::vector<std::uint8_t> records = srftest::bytes(file);
    file.trailing.assign(255 - records.size() % 256, 0xFF);
    unsigned total = sum;
    for (std::uint8_t b : records)
        total -= b;
    total -= 0xFFu * static_cast<unsigned>(file.trailing.size());
    file.trailing.push_back(static_cast<std::uint8_t>(total));
    return file;
}

class SrftoolCommands : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    std::string path(const char* name) const { return dir_.filePath(name).toStdString(); }

    std::string write(const char* name, const srftest::File& file) const {
        srftest::writeFile(path(name), file);
        return path(name);
    }

    QStringList entries() const {
        return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    static void expectImage(const std::string& png, int width, int height,
                            const std::vector<std::array<std::uint8_t, 4>>& bgra) {
        QImage image(QString::fromStdString(png));
        ASSERT_FALSE(image.isNull()) << png;
        image = image.convertToFormat(QImage::Format_RGBA8888);
        ASSERT_EQ(image.size(), QSize(width, height));
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const std::uint8_t* p = image.constScanLine(y) + 4 * x;
                const auto& e = bgra[static_cast<std::size_t>(y) * width + x];
                EXPECT_EQ((std::array<int, 4>{p[0], p[1], p[2], p[3]}),
                          (std::array<int, 4>{e[2], e[1], e[0], e[3]}))
                    << "R, G, B, A at " << x << ',' << y;
            }
        }
    }

    QTemporaryDir dir_;
};

TEST_F(SrftoolCommands, InfoPrintsExactlySixLines) {
    using namespace std::string_literals;
    srftest::File oddType = srftest::typical(2, 8, 4);
    oddType.setType("A\0B\\C\xe9\x7f\x20~"s);
    srftest::File readFails = srftest::typical(2, 8, 4);
    readFails.image2d.declaredColourLength = 0;
    srftest::File decodeFails = srftest::typical(3, 5, 4);
    decodeFails.image3d.set(14, 4, 0, 129);
    // 157 bytes asking for a 32767 x 16383 surface: refused before anything is allocated.
    srftest::File huge;
    huge.setType("GARMIN BITMAP 01");
    huge.image3d.width = 32767;
    huge.image2d.height = 16383;
    for (srftest::Image* image : {&huge.image3d, &huge.image2d}) {
        image->alpha = {0};
        image->colour = {0, 0};
    }

    struct Case {
        const char* name;
        srftest::File file;
        std::string expected;
        int status;
    };
    // Files without a trailer: their bytes do not add up to 0, and the checksum is wrong.
    const Case cases[] = {
        {"typical.srf", srftest::typical(), //
         "result: 1\ntype: GARMIN BITMAP 01\n3d: 80x80\n2d: 80x80\nsurface: 2880x160\n"
         "checksum: wrong\n",
         0},
        {"stock.srf", withTrailer(srftest::typical()),
         "result: 1\ntype: GARMIN BITMAP 01\n3d: 80x80\n2d: 80x80\nsurface: 2880x160\n"
         "checksum: ok\n",
         0},
        {"checksum-off.srf", withTrailer(srftest::typical(2, 8, 4), 1),
         "result: 1\ntype: GARMIN BITMAP 01\n3d: 8x8\n2d: 4x4\nsurface: 16x12\n"
         "checksum: wrong\n",
         0},
        {"odd.srf", oddType,
         "result: 1\ntype: A\\x00B\\x5cC\\xe9\\x7f ~\\x00\\x00\\x00\\x00\\x00\\x00\\x00\n"
         "3d: 8x8\n2d: 4x4\nsurface: 16x12\nchecksum: wrong\n",
         0},
        {"read-fails.srf", readFails,
         "result: 0\ntype: \n3d: 0x0\n2d: 0x0\nsurface: 0x0\nchecksum: wrong\n", 1},
        {"read-fails-checksum-ok.srf", withTrailer(readFails),
         "result: 0\ntype: \n3d: 0x0\n2d: 0x0\nsurface: 0x0\nchecksum: ok\n", 1},
        {"decode-fails.srf", decodeFails,
         "result: 0\ntype: GARMIN BITMAP 01\n3d: 5x5\n2d: 4x4\nsurface: 15x9\nchecksum: wrong\n",
         1},
        {"huge.srf", huge,
         "result: 0\ntype: GARMIN BITMAP 01\n3d: 0x0\n2d: 16383x16383\nsurface: 32767x16383\n"
         "checksum: wrong\n",
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome o = run({"info", write(c.name, c.file)});
        EXPECT_EQ(o.out, c.expected);
        EXPECT_EQ(o.err, "");
        EXPECT_EQ(o.status, c.status);
    }
}

TEST_F(SrftoolCommands, InfoOfSeveralFilesPrintsABlockForEachAndEndsWithTheWorstStatus) {
    const std::string typical = write("typical.srf", srftest::typical(2, 4, 4));
    srftest::File damaged = srftest::typical(2, 4, 4);
    damaged.image2d.declaredColourLength = 0;
    const std::string readFails = write("read-fails.srf", damaged);
    const std::string good =
        "result: 1\ntype: GARMIN BITMAP 01\n3d: 4x4\n2d: 4x4\nsurface: 8x8\nchecksum: wrong\n";
    const std::string bad = "result: 0\ntype: \n3d: 0x0\n2d: 0x0\nsurface: 0x0\nchecksum: wrong\n";
    struct Case {
        std::vector<std::string> files;
        std::string out;
        std::size_t errorLines;
        int status;
    };
    const Case cases[] = {
        {{typical, typical}, good + "\n" + good, 0, 0},
        {{readFails, typical}, bad + "\n" + good, 0, 1},
        {{typical, path("missing.srf"), typical}, good + "\n" + good, 1, 2},
        {{path("missing.srf"), readFails}, bad, 1, 2},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments{"info"};
        arguments.insert(arguments.end(), c.files.begin(), c.files.end());
        const Outcome o = run(arguments);
        EXPECT_EQ(o.out, c.out);
        EXPECT_EQ(lineCount(o.err), c.errorLines) << o.err;
        EXPECT_EQ(o.status, c.status);
    }
}

TEST_F(SrftoolCommands, RefusesBadArgumentsAndPathsWithOneLineAndStatusTwo) {
    const std::string good = write("good.srf", srftest::typical(2, 4, 4));
    srftest::writeFile(path("plain.txt"), std::vector<std::uint8_t>{'x'});
    QDir(dir_.path()).mkdir("folder");
    const QStringList before = entries();

    const std::vector<std::vector<std::string>> cases = {
        {},
        {"info"},
        {"png", good},
        {"frames"},
        {"samples"},
        {"samples", "a", "b"},
        {"convert", good},
        {"info", path("missing.srf")},
        {"info", path("folder")},
        {"png", path("missing.srf"), path("out.png")},
        {"png", good, path("folder")},
        {"png", good, path("no-such-folder/out.png")},
        {"frames", good, path("plain.txt")},
        {"frames", path("missing.srf"), path("frames")},
        {"samples", path("plain.txt")},
    };
    for (const auto& arguments : cases) {
        SCOPED_TRACE(commandLine(arguments));
        EXPECT_TRUE(refusedWithOneLine(run(arguments)));
    }
    EXPECT_EQ(entries(), before) << "nothing is written for a refused command";
}

// Only a regular file no larger than any vehicle is read; the sparse file costs no disk space.
TEST_F(SrftoolCommands, RefusesWhatCannotBeAVehicleFileWithItsReason) {
    const std::string huge = path("huge.srf");
    {
        QFile file(QString::fromStdString(huge));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(67108865));
    }
    struct Case {
        std::string path;
        std::string reason;
    };
    const Case cases[] = {
        {"/dev/null", "it is not a regular file"},
        {huge, "it is larger than 64 MiB, which no vehicle is"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const Outcome o = run({"info", c.path});
        EXPECT_EQ(o.status, 2);
        EXPECT_EQ(o.out, "");
        EXPECT_EQ(o.err, "srftool: cannot read " + c.path + ": " + c.reason + "\n");
    }
}

TEST_F(SrftoolCommands, HelpGoesToStandardOutput) {
    const Outcome o = run({"--help"});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.err, "");
    for (const char* command :
         {"info FILE...", "png FILE OUT.png", "frames FILE DIR", "filter OP FILE OUT.bmp",
          "make [--type TEXT] [--2d IMAGE.png]", "samples DIR"})
        EXPECT_NE(o.out.find(command), std::string::npos) << command;
}

// srftool COMMAND --help shows that command's usage, the synopsis srftool --help lists for it,
// wherever among its arguments it stands, and writes nothing.
TEST_F(SrftoolCommands, EveryCommandShowsItsOwnUsage) {
    const std::string overview = run({"--help"}).out;
    const struct {
        std::vector<std::string> arguments;
        const char* synopsis;
    } cases[] = {
        {{"info", "--help"}, "info FILE..."},
        {{"png", "--help"}, "png FILE OUT.png"},
        {{"frames", "--help"}, "frames FILE DIR"},
        {{"filter", "--help"}, "filter OP FILE OUT.bmp"},
        {{"make", "--help"}, "make [--type TEXT] [--2d IMAGE.png] FRAMES OUT.srf"},
        {{"thumbnail", "--help"}, "thumbnail [-s SIZE] FILE OUT.png"},
        {{"samples", "--help"}, "samples DIR"},
        {{"png", path("car.srf"), "--help"}, "png FILE OUT.png"},
        {{"make", "--type", "CAR", "--help"}, "make [--type TEXT] [--2d IMAGE.png] FRAMES OUT.srf"},
    };
    const QStringList before = entries();
    for (const auto& c : cases) {
        SCOPED_TRACE(commandLine(c.arguments));
        const Outcome o = run(c.arguments);
        EXPECT_EQ(o.status, 0);
        EXPECT_EQ(o.err, "");
        EXPECT_EQ(o.out.rfind("Usage: srftool " + std::string(c.synopsis) + "\n", 0), 0u) << o.out;
        EXPECT_GT(lineCount(o.out), 1u) << "a description follows the synopsis";
        EXPECT_NE(overview.find("  srftool " + std::string(c.synopsis)), std::string::npos);
        EXPECT_EQ(entries(), before);
    }
}

TEST_F(SrftoolCommands, PngHoldsTheSurfaceBytesUnchangedTopLineFirst) {
    const srftest::File file = patternedVehicle();
    const Outcome o = run({"png", write("v.srf", file), path("v.png")});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.err, "");
    expectImage(path("v.png"), 6, 5, expectedSurface(file));
}

TEST_F(SrftoolCommands, PngAfterAFailedDecodeHoldsWhatWasDecodedAndReportsStatusOne) {
    srftest::File file = patternedVehicle();
    file.image3d.set(4, 1, 0x7FFF, 129);
    const Outcome o = run({"png", write("v.srf", file), path("v.png")});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(lineCount(o.err), 1u);
    expectImage(path("v.png"), 6, 5, expectedSurface(file, QPoint(4, 1)));
}

TEST_F(SrftoolCommands, PngWritesNoFileWhenTheSurfaceHasNoPixels) {
    srftest::File file = patternedVehicle();
    file.image3d.declaredAlphaLength = 0;
    const Outcome o = run({"png", write("v.srf", file), path("v.png")});
    EXPECT_EQ(o.status, 1);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path("v.png"))));
}

TEST_F(SrftoolCommands, FramesWritesEachWholeFrameOfTheStripIntoANewFolder) {
    // Three 4 x 4 frames and two spare columns that make no whole frame.
    srftest::File file;
    file.setType("GARMIN BITMAP 01");
    file.image3d = srftest::solid(14, 4);
    file.image2d = srftest::solid(2, 2, 0xFFDF, 0);
    const std::uint16_t words[] = {0xF800, 0x07C0, 0x001F, 0xFFDF};
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 14; ++x)
            file.image3d.set(x, y, words[x / 4], x % 4 == 0 ? 64 : 0);
    }
    const std::string out = path("out/frames");
    const Outcome o = run({"frames", write("v.srf", file), out});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.err, "");
    const QDir folder(QString::fromStdString(out));
    EXPECT_EQ(folder.entryList(QDir::Files),
              (QStringList{"frame-00.png", "frame-01.png", "frame-02.png"}));
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        std::vector<std::array<std::uint8_t, 4>> expected;
        for (int i = 0; i < 16; ++i)
            expected.push_back(decoded(words[k], i % 4 == 0 ? 64 : 0));
        expectImage(folder.filePath(QString::asprintf("frame-%02d.png", k)).toStdString(), 4, 4,
                    expected);
    }
}

TEST_F(SrftoolCommands, FramesAfterAFailedDecodeWritesTheFramesAsTheyStand) {
    srftest::File file = srftest::typical(3, 4, 2);
    file.image3d.set(5, 0, 0xF800, 200);
    const Outcome o = run({"frames", write("v.srf", file), path("frames")});
    EXPECT_EQ(o.status, 1);
    const QDir folder(QString::fromStdString(path("frames")));
    EXPECT_EQ(folder.entryList(QDir::Files).size(), 3);
    // The failure came in frame 1: frame 2 was never reached and stays transparent black.
    expectImage(folder.filePath("frame-02.png").toStdString(), 4, 4,
                std::vector<std::array<std::uint8_t, 4>>(16, {0, 0, 0, 0}));
}

TEST_F(SrftoolCommands, SamplesWritesVehiclesThatInfoReadsBack) {
    const Outcome o = run({"samples", path("vehicles")});
    ASSERT_EQ(o.status, 0) << o.err;
    const QStringList files =
        QDir(QString::fromStdString(path("vehicles"))).entryList({"*.srf"}, QDir::Files);
    EXPECT_GE(files.size(), 6);
    EXPECT_EQ(lineCount(o.out), static_cast<std::size_t>(files.size()));
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        const Outcome info = run({"info", path("vehicles") + "/" + name.toStdString()});
        EXPECT_EQ(info.status, 0);
        EXPECT_EQ(info.out, "result: 1\ntype: GARMIN BITMAP 01\n3d: 80x80\n2d: 80x80\n"
                            "surface: 2880x160\nchecksum: ok\n");
    }
}

} // namespace
