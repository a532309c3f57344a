// srftool make: the nearest encoding of a pixel, the round trips through srftool frames, and
// the refusals of what cannot become a vehicle.
#include "tests/tools/srftool_run.h"
#include "tools/srftool/srf_encoder.h"

#include <algorithm>
#include <cstring>
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

TEST(SrfNearestEncoding, StoresTheNearestColourAndOpacityTheFileCanHold) {
    struct Channel {
        int value;
        int bits; // decodes to 8 x bits
    };
    for (const Channel c : {Channel{0, 0}, Channel{3, 0}, Channel{4, 1}, Channel{5, 1},
                            Channel{8, 1}, Channel{251, 31}, Channel{252, 31}, Channel{255, 31}}) {
        const auto v = static_cast<std::uint8_t>(c.value);
        EXPECT_EQ(srftool::srfNearestColourWord(v, 0, 0), c.bits << 11) << "red " << c.value;
        EXPECT_EQ(srftool::srfNearestColourWord(0, v, 0), c.bits << 6) << "green " << c.value;
        EXPECT_EQ(srftool::srfNearestColourWord(0, 0, v), c.bits) << "blue " << c.value;
    }
    struct Opacity {
        int alpha;
        int transparency; // decodes to 255 for 0, else 256 - 2t
    };
    for (const Opacity o : {Opacity{255, 0}, Opacity{254, 1}, Opacity{253, 2}, Opacity{251, 2},
                            Opacity{128, 64}, Opacity{2, 127}, Opacity{1, 128}, Opacity{0, 128}})
        EXPECT_EQ(srftool::srfNearestTransparency(static_cast<std::uint8_t>(o.alpha)),
                  o.transparency)
            << "alpha " << o.alpha;
    // The colour stays under full transparency.
    const std::uint8_t clear[4] = {80, 160, 240, 0};
    const srftool::SrfImage image = srftool::srfImageNearestFromRgba(clear, 1, 1, 4);
    EXPECT_EQ(image.transparency, std::vector<std::uint8_t>{128});
    EXPECT_EQ(image.colour, (std::vector<std::uint8_t>{0x1E, 0x55})); // 10 << 11 | 20 << 6 | 30
}

class SrftoolMake : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    std::string path(const QString& name) const { return dir_.filePath(name).toStdString(); }

    static QImage pngAt(const std::string& file) {
        return QImage(QString::fromStdString(file)).convertToFormat(QImage::Format_RGBA8888);
    }

    static void expectSamePixels(const QImage& actual, const QImage& expected,
                                 const std::string& what) {
        ASSERT_EQ(actual.size(), expected.size()) << what;
        for (int y = 0; y < expected.height(); ++y)
            ASSERT_EQ(0, std::memcmp(actual.constScanLine(y), expected.constScanLine(y),
                                     4 * static_cast<std::size_t>(expected.width())))
                << what << ", line " << y;
    }

    QTemporaryDir dir_;
};

// Two 12 x 12 frames side by side: every opacity a file can hold (255, then 0, 2, ... 254),
// each over colours in steps of 8, including colours under full transparency.
QImage representableStrip() {
    QImage strip(24, 12, QImage::Format_RGBA8888);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 24; ++x) {
            const int i = y * 24 + x;
            const int k = i % 129;
            std::uint8_t* p = strip.scanLine(y) + 4 * x;
            p[0] = static_cast<std::uint8_t>(8 * (i % 32));
            p[1] = static_cast<std::uint8_t>(8 * ((i * 7) % 32));
            p[2] = static_cast<std::uint8_t>(8 * ((i * 13 + 5) % 32));
            p[3] = static_cast<std::uint8_t>(k == 0 ? 255 : 2 * (k - 1));
        }
    }
    return strip;
}

TEST_F(SrftoolMake, FramesOfAMadeVehicleGiveBackEveryRepresentablePixel) {
    const QImage strip = representableStrip();
    ASSERT_TRUE(strip.save(QString::fromStdString(path("strip.png"))));
    QImage flat(6, 6, QImage::Format_RGBA8888);
    flat.fill(QColor(248, 0, 120, 254));
    ASSERT_TRUE(flat.save(QString::fromStdString(path("flat.png"))));

    Outcome o = run(
        {"make", "--type", "CAR", "--2d", path("flat.png"), path("strip.png"), path("made.srf")});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.err, "srftool: warning: " + path("made.srf") +
                         " has the type string 'CAR             ', not 'GARMIN BITMAP 01'; other "
                         "readers may refuse it\n");
    o = run({"info", path("made.srf")});
    EXPECT_EQ(o.out, "result: 1\ntype: CAR             \n3d: 12x12\n2d: 6x6\nsurface: 24x18\n"
                     "checksum: ok\n");
    o = run({"frames", path("made.srf"), path("frames")});
    ASSERT_EQ(o.status, 0) << o.err;
    expectSamePixels(pngAt(path("frames/frame-00.png")), strip.copy(0, 0, 12, 12), "frame 0");
    expectSamePixels(pngAt(path("frames/frame-01.png")), strip.copy(12, 0, 12, 12), "frame 1");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path("frames/frame-02.png"))));

    // From the folder of frames, without a 2D image: frame 0 serves as one.
    o = run({"make", path("frames"), path("again.srf")});
    ASSERT_EQ(o.status, 0) << o.err;
    o = run({"info", path("again.srf")});
    EXPECT_EQ(o.out, "result: 1\ntype: GARMIN BITMAP 01\n3d: 12x12\n2d: 12x12\nsurface: 24x24\n"
                     "checksum: ok\n");
    o = run({"png", path("again.srf"), path("again.png")});
    ASSERT_EQ(o.status, 0) << o.err;
    const QImage whole = pngAt(path("again.png"));
    expectSamePixels(whole.copy(0, 0, 24, 12), strip, "the strip");
    expectSamePixels(whole.copy(0, 12, 12, 12), strip.copy(0, 0, 12, 12), "the 2D image");
}

TEST_F(SrftoolMake, MakingFromTheFramesOfARenderedVehicleGivesTheSameFrames) {
    ASSERT_EQ(run({"samples", path("samples")}).status, 0);
    const QStringList vehicles =
        QDir(QString::fromStdString(path("samples"))).entryList({"*.srf"}, QDir::Files, QDir::Name);
    ASSERT_FALSE(vehicles.isEmpty());
    for (const QString& name : vehicles.mid(0, 2)) {
        SCOPED_TRACE(name.toStdString());
        const std::string vehicle = path("samples/" + name);
        ASSERT_EQ(run({"frames", vehicle, path("first")}).status, 0);
        const Outcome o = run({"make", path("first"), path("made.srf")});
        ASSERT_EQ(o.status, 0) << o.err;
        ASSERT_EQ(run({"frames", path("made.srf"), path("second")}).status, 0);
        for (int k = 0; k < 36; ++k) {
            const std::string frame =
                "/frame-" + std::to_string(k / 10) + std::to_string(k % 10) + ".png";
            expectSamePixels(pngAt(path("second") + frame), pngAt(path("first") + frame),
                             "frame " + std::to_string(k));
        }
    }
}

TEST_F(SrftoolMake, RefusesWhatCannotBecomeAVehicleWithOneLineAndNoFile) {
    QImage square(4, 4, QImage::Format_RGBA8888);
    square.fill(Qt::red);
    const QDir dir(dir_.path());
    ASSERT_TRUE(square.save(QString::fromStdString(path("square.png"))));
    ASSERT_TRUE(QImage(10, 4, QImage::Format_RGBA8888).save(dir.filePath("uneven.png")));
    ASSERT_TRUE(QImage(32768, 1, QImage::Format_RGBA8888).save(dir.filePath("wide.png")));
    QFile text(dir.filePath("text.png"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a picture");
    text.close();
    dir.mkpath("mixed");
    ASSERT_TRUE(square.save(dir.filePath("mixed/frame-00.png")));
    ASSERT_TRUE(QImage(5, 5, QImage::Format_RGBA8888).save(dir.filePath("mixed/frame-01.png")));
    dir.mkpath("oblong");
    ASSERT_TRUE(QImage(4, 3, QImage::Format_RGBA8888).save(dir.filePath("oblong/frame-00.png")));
    dir.mkpath("empty");
    const std::string out = path("out.srf");

    const std::vector<std::vector<std::string>> cases = {
        {"make"},
        {"make", path("square.png")},
        {"make", path("square.png"), out, "extra"},
        {"make", "--type"},
        {"make", "--colour", "red", path("square.png"), out},
        {"make", "--type", "A", "--type", "B", path("square.png"), out},
        {"make", "--type", "SEVENTEEN LETTERS", path("square.png"), out},
        {"make", path("text.png"), out},
        {"make", path("missing.png"), out},
        {"make", path("uneven.png"), out},
        {"make", path("wide.png"), out},
        {"make", path("mixed"), out},
        {"make", path("oblong"), out},
        {"make", path("empty"), out},
        {"make", "--2d", path("text.png"), path("square.png"), out},
        {"make", path("square.png"), path("no-such-folder/out.srf")},
        {"make", path("square.png"), path("empty")},
    };
    const QStringList before =
        QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const auto& arguments : cases) {
        SCOPED_TRACE(commandLine(arguments));
        EXPECT_TRUE(refusedWithOneLine(run(arguments)));
        EXPECT_EQ(
            QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            before);
    }
    EXPECT_EQ(run({"make", "--type", "SIXTEEN LETTERS!", path("square.png"), out}).status, 0);
    EXPECT_EQ(run({"info", out}).out.substr(0, 33), "result: 1\ntype: SIXTEEN LETTERS!\n");
}

// Other readers refuse a vehicle whose type string is not the stock one: the file is made, with
// one line that says so.
TEST_F(SrftoolMake, WarnsOfATypeStringOtherReadersRefuse) {
    QImage square(4, 4, QImage::Format_RGBA8888);
    square.fill(Qt::blue);
    ASSERT_TRUE(square.save(QString::fromStdString(path("square.png"))));
    const std::string out = path("out.srf");
    const struct {
        std::vector<std::string> type;
        bool warned;
    } cases[] = {
        {{}, false},
        {{"--type", "GARMIN BITMAP 01"}, false},
        {{"--type", "GARMIN BITMAP"}, true}, // padded with blanks, so no longer the stock one
        {{"--type", "garmin bitmap 01"}, true},
        {{"--type", ""}, true},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments{"make"};
        arguments.insert(arguments.end(), c.type.begin(), c.type.end());
        arguments.insert(arguments.end(), {path("square.png"), out});
        SCOPED_TRACE(commandLine(arguments));
        QFile::remove(QString::fromStdString(out));
        const Outcome o = run(arguments);
        EXPECT_EQ(o.status, 0);
        EXPECT_EQ(o.out, "");
        EXPECT_TRUE(QFile::exists(QString::fromStdString(out)));
        if (c.warned) {
            EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1) << o.err;
            EXPECT_EQ(o.err.rfind("srftool: warning: " + out + " has the type string '", 0), 0u)
                << o.err;
            EXPECT_NE(o.err.find("other readers may refuse it"), std::string::npos) << o.err;
        } else {
            EXPECT_EQ(o.err, "");
        }
    }
}

} // namespace
