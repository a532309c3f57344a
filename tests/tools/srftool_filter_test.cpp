// srftool filter: each operation wired to its filter, the bitmap file it writes, and the exit
// status and single line of every refusal.
#include "tests/support/srf_writer.h"
#include "tests/tools/srftool_run.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <QDir>
#include <QTemporaryDir>

namespace {

using srftooltest::Outcome;

std::uint32_t le32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

class SrftoolFilter : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        // A 1 x 1 frame of colour word 0xFFDF (decoded 248, 248, 248) over a black 1 x 1 2D
        // image: a surface of 1 x 2, memory row 1 (the top line) 248, row 0 black, both opaque.
        srftest::File column;
        column.setType("GARMIN BITMAP 01");
        column.image3d = srftest::solid(1, 1, 0xFFDF, 0);
        column.image2d = srftest::solid(1, 1, 0x0000, 0);
        srftest::writeFile(path("column.srf"), column);
        // Two 2 x 2 frames over a black 2 x 2 2D image: 4 x 4, memory rows 0 and 1 black (the
        // columns right of the 2D image take its last colour), rows 2 and 3 at 248.
        srftest::File square;
        square.setType("GARMIN BITMAP 01");
        square.image3d = srftest::solid(4, 2, 0xFFDF, 0);
        square.image2d = srftest::solid(2, 2, 0x0000, 0);
        srftest::writeFile(path("square.srf"), square);
    }

    std::string path(const char* name) const { return dir_.filePath(name).toStdString(); }

    Outcome run(const std::string& op, const char* vehicle, const std::string& out) const {
        return srftooltest::run({"filter", op, path(vehicle), out});
    }

    static std::vector<std::uint8_t> readAll(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    QTemporaryDir dir_;
};

TEST_F(SrftoolFilter, WritesTheFilteredSurfaceAsABitmapFile) {
    struct Case {
        const char* op;
        const char* vehicle;
        int width;
        int height;
        std::vector<std::uint8_t> pixels; // memory rows from the bottom, B G R A
    };
    const Case cases[] = {
        {"none", "column.srf", 1, 2, {0, 0, 0, 255, 248, 248, 248, 255}},
        // A divides the pixel itself, B its one neighbour: top (0 / 1 + 248 / 2) / 2 = 62,
        // bottom (248 / 1 + 0) / 2 = 124; alpha (255 + 127.5) / 2 -> 191.
        {"blur:2:1", "column.srf", 1, 2, {124, 124, 124, 191, 62, 62, 62, 191}},
        {"blur:1:2", "column.srf", 1, 2, {62, 62, 62, 191, 124, 124, 124, 191}},
        {"blur:1.0:0.5", "column.srf", 1, 2, {248, 248, 248, 255, 124, 124, 124, 255}},
        // Blurred to 124 on both lines: 2 x 0 - 124 -> 0 and 2 x 248 - 124 -> 255.
        {"unsharp", "column.srf", 1, 2, {0, 0, 0, 255, 255, 255, 255, 255}},
        // H before W: one column, two rows; row 1 lies halfway between rows 1 and 2.
        {"resample:2:1", "square.srf", 1, 2, {0, 0, 0, 255, 124, 124, 124, 255}},
        {"resample:1:2", "square.srf", 2, 1, {0, 0, 0, 255, 0, 0, 0, 255}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.op);
        const std::string out = path("out.bmp");
        const Outcome o = run(c.op, c.vehicle, out);
        EXPECT_EQ(o.status, 0) << o.err;
        EXPECT_EQ(o.err, "");
        const std::vector<std::uint8_t> file = readAll(out);
        ASSERT_EQ(file.size(), 58 + c.pixels.size());
        EXPECT_EQ(le32(file, 18), static_cast<std::uint32_t>(c.width));
        EXPECT_EQ(le32(file, 22), static_cast<std::uint32_t>(c.height));
        EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 58, file.end()), c.pixels);
    }
}

TEST_F(SrftoolFilter, RandomFillsTheLoadedSurfaceWithPremultipliedPixels) {
    for (const char* op : {"random:grey", "random:colour"}) {
        SCOPED_TRACE(op);
        const std::string out = path("random.bmp");
        const Outcome o = run(op, "square.srf", out);
        EXPECT_EQ(o.status, 0) << o.err;
        const std::vector<std::uint8_t> file = readAll(out);
        ASSERT_EQ(file.size(), 58u + 64u);
        bool allLoaded = true; // every pixel still as loaded would mean nothing was filled
        for (std::size_t p = 58; p < file.size(); p += 4) {
            for (int c = 0; c < 3; ++c)
                EXPECT_LE(file[p + c], file[p + 3]);
            if (std::string_view(op) == "random:grey") {
                EXPECT_TRUE(file[p] == file[p + 1] && file[p + 1] == file[p + 2]);
            }
            allLoaded = allLoaded && file[p + 3] == 255 && (file[p] == 0 || file[p] == 248);
        }
        EXPECT_FALSE(allLoaded);
    }
}

TEST_F(SrftoolFilter, RefusesWithOneLineAndWritesNothing) {
    srftest::File damaged = srftest::typical(2, 4, 4);
    damaged.image2d.declaredColourLength = 0;
    srftest::writeFile(path("damaged.srf"), damaged);
    QDir(dir_.path()).mkdir("taken.bmp");
    struct Case {
        std::string op;
        const char* vehicle;
        std::string out;
        int status;
        std::string err;
    };
    const std::string bad = "srftool: unknown filter '";
    const std::string choices =
        "'; use none, resample:H:W, blur:A:B, unsharp, random:grey or random:colour\n";
    const Case cases[] = {
        {"", "square.srf", path("out.bmp"), 2, bad + choices},
        {"sharpen", "square.srf", path("out.bmp"), 2, bad + "sharpen" + choices},
        {"resample:2", "square.srf", path("out.bmp"), 2, bad + "resample:2" + choices},
        {"resample:2:x", "square.srf", path("out.bmp"), 2, bad + "resample:2:x" + choices},
        {"resample:2:2:2", "square.srf", path("out.bmp"), 2, bad + "resample:2:2:2" + choices},
        {"blur:1", "square.srf", path("out.bmp"), 2, bad + "blur:1" + choices},
        {"blur:nan:1", "square.srf", path("out.bmp"), 2, bad + "blur:nan:1" + choices},
        {"blur:1:1e99", "square.srf", path("out.bmp"), 2, bad + "blur:1:1e99" + choices},
        {"random:pink", "square.srf", path("out.bmp"), 2, bad + "random:pink" + choices},
        {"none", "missing.srf", path("out.bmp"), 2,
         "srftool: cannot read " + path("missing.srf") + ": no such file\n"},
        {"blur:0:1", "square.srf", path("out.bmp"), 2,
         "srftool: blur:0:1 on " + path("square.srf") + ": Blur: division by zero\n"},
        {"resample:4:4", "column.srf", path("out.bmp"), 2,
         "srftool: resample:4:4 on " + path("column.srf") +
             ": Resample to another size needs a source of at least 2 x 2 pixels\n"},
        {"none", "square.srf", path("no-such-folder/out.bmp"), 2,
         "srftool: cannot write " + path("no-such-folder/out.bmp") +
             ": The system cannot find the file specified.\n"},
        {"none", "square.srf", path("taken.bmp"), 2,
         "srftool: cannot write " + path("taken.bmp") + ": Access is denied.\n"},
        {"none", "damaged.srf", path("out.bmp"), 1,
         "srftool: " + path("damaged.srf") + " did not load (result 0); " + path("out.bmp") +
             " was not written\n"},
        {"resample:0:4", "square.srf", path("out.bmp"), 1,
         "srftool: resample:0:4 gave no surface; " + path("out.bmp") + " was not written\n"},
    };
    const QStringList before =
        QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.op + " " + c.vehicle + " " + c.out);
        const Outcome o = run(c.op, c.vehicle, c.out);
        EXPECT_EQ(o.status, c.status);
        EXPECT_EQ(o.err, c.err);
        EXPECT_EQ(o.out, "");
        EXPECT_EQ(
            QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            before);
    }
}

} // namespace
