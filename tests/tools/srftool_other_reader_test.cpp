// Netpbm's srftopam reads vehicle files independently of our reader and checks their trailer:
// every file srftool writes must pass it without a word, and the pixels it reads must be those
// srftool itself decodes.
#include "tests/tools/srftool_run.h"

#include <cstring>
#include <gtest/gtest.h>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <unistd.h>

namespace {

using srftooltest::Outcome;
using srftooltest::run;

struct PamImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba; // rows top-down
};

// The images of a stream of RGB_ALPHA PAM images with 8-bit samples, as srftopam writes them;
// nothing when the stream is not that.
std::optional<std::vector<PamImage>> parsePamStream(const QByteArray& stream) {
    std::vector<PamImage> images;
    qsizetype at = 0;
    while (at < stream.size()) {
        const qsizetype end = stream.indexOf("ENDHDR\n", at);
        if (end < 0 || !stream.mid(at).startsWith("P7\n"))
            return std::nullopt;
        PamImage image;
        bool rgbAlpha = false;
        for (const QByteArray& line : stream.mid(at, end - at).split('\n')) {
            const QList<QByteArray> words = line.split(' ');
            if (words.size() != 2)
                continue;
            if (words[0] == "WIDTH")
                image.width = words[1].toInt();
            else if (words[0] == "HEIGHT")
                image.height = words[1].toInt();
            else if (words[0] == "TUPLTYPE")
                rgbAlpha = words[1] == "RGB_ALPHA";
            else if ((words[0] == "DEPTH" && words[1] != "4") ||
                     (words[0] == "MAXVAL" && words[1] != "255"))
                return std::nullopt;
        }
        const qsizetype size = 4 * qsizetype{image.width} * image.height;
        at = end + 7;
        if (!rgbAlpha || image.width < 1 || image.height < 1 || stream.size() - at < size)
            return std::nullopt;
        image.rgba.assign(stream.begin() + at, stream.begin() + at + size);
        at += size;
        images.push_back(std::move(image));
    }
    return images;
}

// Some pixels of every kind: opaque, partly and wholly transparent, colours that a vehicle file
// holds exactly and colours it can only come near.
QImage picture(int width, int height, int seed) {
    QImage image(width, height, QImage::Format_RGBA8888);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int i = y * width + x + seed;
            std::uint8_t* p = image.scanLine(y) + 4 * x;
            p[0] = static_cast<std::uint8_t>(i * 37);
            p[1] = static_cast<std::uint8_t>(i * 11 + 3);
            p[2] = static_cast<std::uint8_t>(i * 5 + seed);
            p[3] = static_cast<std::uint8_t>(i % 3 == 0 ? 255 : i * 29);
        }
    }
    return image;
}

class OtherReader : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        srftopam_ = QStandardPaths::findExecutable(QStringLiteral("srftopam"));
        if (!srftopam_.isEmpty())
            return;
        // scripts/setup installs netpbm wherever it can install packages, as CI does as root:
        // there a missing srftopam is a broken set-up, not a reason to pass.
        if (::geteuid() == 0)
            FAIL() << "srftopam is not installed; scripts/setup installs netpbm";
        GTEST_SKIP() << "srftopam (netpbm) is not installed and cannot be without root";
    }

    std::string path(const QString& name) const { return dir_.filePath(name).toStdString(); }

    // srftopam reads the file without a word and gives the strip and the 2D image with the
    // pixels srftool's own png command decodes from it.
    void expectReadAlike(const std::string& vehicle) {
        SCOPED_TRACE(vehicle);
        QProcess srftopam;
        srftopam.start(srftopam_, {QString::fromStdString(vehicle)});
        ASSERT_TRUE(srftopam.waitForFinished(60000));
        EXPECT_EQ(srftopam.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(srftopam.exitCode(), 0);
        EXPECT_EQ(srftopam.readAllStandardError().toStdString(), "");
        const std::optional<std::vector<PamImage>> images =
            parsePamStream(srftopam.readAllStandardOutput());
        ASSERT_TRUE(images);
        ASSERT_EQ(images->size(), 2u);

        const std::string png = path("decoded.png");
        const Outcome o = run({"png", vehicle, png});
        ASSERT_EQ(o.status, 0) << o.err;
        const QImage decoded =
            QImage(QString::fromStdString(png)).convertToFormat(QImage::Format_RGBA8888);
        const PamImage& strip = (*images)[0];
        const PamImage& flat = (*images)[1];
        ASSERT_EQ(decoded.width(), std::max(strip.width, flat.width));
        ASSERT_EQ(decoded.height(), strip.height + flat.height);
        for (const auto& [image, top, what] :
             {std::tuple{&strip, 0, "strip"}, std::tuple{&flat, strip.height, "2D image"}}) {
            for (int y = 0; y < image->height; ++y)
                ASSERT_EQ(0, std::memcmp(decoded.constScanLine(top + y),
                                         image->rgba.data() + 4 * std::size_t(image->width) * y,
                                         4 * std::size_t(image->width)))
                    << what << ", line " << y;
        }
    }

    QTemporaryDir dir_;
    QString srftopam_;
};

TEST_F(OtherReader, ReadsTheSampleVehicles) {
    const Outcome o = run({"samples", path("samples")});
    ASSERT_EQ(o.status, 0) << o.err;
    const QStringList vehicles =
        QDir(QString::fromStdString(path("samples"))).entryList({"*.srf"}, QDir::Files);
    ASSERT_FALSE(vehicles.isEmpty());
    for (const QString& name : vehicles)
        expectReadAlike(path("samples/" + name));
}

// The sizes put the end of the image records at several places in a 256-byte block, right
// before its end among them, where the trailer is the checksum alone.
TEST_F(OtherReader, ReadsMadeVehicles) {
    struct Case {
        int frames, size;
        std::optional<QSize> flat; // frame 0 serves as the 2D image when not given
    };
    const Case cases[] = {
        {2, 12, QSize(6, 6)},   // the records end 99 bytes into their last block
        {29, 2, std::nullopt},  // 255 bytes in
        {205, 1, std::nullopt}, // 1 byte in
        {36, 20, QSize(17, 9)},
    };
    int seed = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.frames << " frames of " << c.size);
        const QString strip = dir_.filePath("strip.png");
        ASSERT_TRUE(picture(c.frames * c.size, c.size, ++seed).save(strip));
        std::vector<std::string> arguments{"make"};
        if (c.flat) {
            ASSERT_TRUE(
                picture(c.flat->width(), c.flat->height(), ++seed).save(dir_.filePath("flat.png")));
            arguments.insert(arguments.end(), {"--2d", path("flat.png")});
        }
        arguments.insert(arguments.end(), {strip.toStdString(), path("made.srf")});
        const Outcome o = run(arguments);
        ASSERT_EQ(o.status, 0) << o.err;
        expectReadAlike(path("made.srf"));
    }
}

} // namespace
