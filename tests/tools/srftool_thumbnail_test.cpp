#include "tests/support/srf_writer.h"
#include "tools/srftool/command_line.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <sstream>

namespace {

struct Outcome {
    int status = -1;
    std::string err;
};

Outcome run(const std::vector<std::string>& arguments) {
    std::ostringstream out, err;
    const int status = srftool::runSrftool(arguments, out, err);
    return {status, err.str()};
}

// Two 4 x 4 frames: frame 0 of one colour word and transparency, frame 1 blue.
std::string writeVehicle(const QTemporaryDir& folder, std::uint16_t frame0, std::uint8_t t) {
    srftest::File file;
    file.setType("GARMIN BITMAP 01");
    file.image3d = srftest::solid(8, 4, 0x001F, 0);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            file.image3d.set(x, y, frame0, t);
    file.image2d = srftest::solid(4, 4);
    const std::string path = folder.filePath("car.srf").toStdString();
    srftest::writeFile(path, file);
    return path;
}

struct SizeCase {
    const char* name;
    std::vector<std::string> sizeOption;
    int expected;
};

class ThumbnailSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(ThumbnailSizeTest, WritesFrameZeroScaledToTheSquare) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string vehicle = writeVehicle(folder, 0xF800, 0); // opaque red
    const std::string png = folder.filePath("thumb.png").toStdString();
    std::vector<std::string> arguments{"thumbnail"};
    arguments.insert(arguments.end(), GetParam().sizeOption.begin(), GetParam().sizeOption.end());
    arguments.insert(arguments.end(), {vehicle, png});
    const Outcome outcome = run(arguments);
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    const QImage image(QString::fromStdString(png));
    ASSERT_EQ(image.size(), QSize(GetParam().expected, GetParam().expected));
    EXPECT_TRUE(image.hasAlphaChannel());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(image.pixel(x, y), 0xFFF80000u) << "at " << x << ',' << y;
}

INSTANTIATE_TEST_SUITE_P(Srftool, ThumbnailSizeTest,
                         ::testing::Values(SizeCase{"DefaultSize", {}, 128},
                                           SizeCase{"Smaller", {"-s", "2"}, 2},
                                           SizeCase{"Larger", {"-s", "12"}, 12}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SrftoolThumbnail, KeepsTheTransparency) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // Transparency byte 64 loads as alpha 128.
    const std::string vehicle = writeVehicle(folder, 0xF800, 64);
    const std::string png = folder.filePath("thumb.png").toStdString();
    ASSERT_EQ(run({"thumbnail", "-s", "6", vehicle, png}).status, 0);
    const QImage image(QString::fromStdString(png));
    ASSERT_EQ(image.size(), QSize(6, 6));
    const QRgb centre = image.pixel(3, 3);
    EXPECT_EQ(qAlpha(centre), 128);
    // Scaling goes through premultiplied pixels; the red may come back one step off.
    EXPECT_NEAR(qRed(centre), 0xF8, 2);
    EXPECT_EQ(qBlue(centre), 0);
}

struct RefusedCase {
    const char* name;
    std::vector<std::string> operands; // FILE and OUT stand for the vehicle and the picture
    int status;
};

class ThumbnailRefusedTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(ThumbnailRefusedTest, WritesNothing) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string vehicle = writeVehicle(folder, 0xF800, 0);
    const std::string garbage = folder.filePath("garbage.srf").toStdString();
    srftest::writeFile(garbage, std::vector<std::uint8_t>{'n', 'o', 't', ' ', 'a', ' ', 'c'});
    // Three frames of 5 x 5 whose last pixel has no valid transparency: the load stops there
    // with result 0, its frames half drawn.
    srftest::File partly = srftest::typical(3, 5, 4);
    partly.image3d.set(14, 4, 0, 129);
    const std::string partial = folder.filePath("partly.srf").toStdString();
    srftest::writeFile(partial, partly);
    const std::string png = folder.filePath("thumb.png").toStdString();
    std::vector<std::string> arguments{"thumbnail"};
    for (const std::string& operand : GetParam().operands)
        arguments.push_back(operand == "FILE"      ? vehicle
                            : operand == "GARBAGE" ? garbage
                            : operand == "PARTLY"  ? partial
                            : operand == "MISSING" ? folder.filePath("gone.srf").toStdString()
                            : operand == "OUT"     ? png
                                                   : operand);
    const Outcome outcome = run(arguments);
    EXPECT_EQ(outcome.status, GetParam().status);
    EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1) << outcome.err;
    EXPECT_FALSE(QFile::exists(QString::fromStdString(png)));
}

INSTANTIATE_TEST_SUITE_P(
    Srftool, ThumbnailRefusedTest,
    ::testing::Values(RefusedCase{"NoOperands", {}, 2}, RefusedCase{"OnlyTheFile", {"FILE"}, 2},
                      RefusedCase{"TooMany", {"FILE", "OUT", "extra"}, 2},
                      RefusedCase{"SizeMissing", {"-s"}, 2},
                      RefusedCase{"SizeZero", {"-s", "0", "FILE", "OUT"}, 2},
                      RefusedCase{"SizeNegative", {"-s", "-4", "FILE", "OUT"}, 2},
                      RefusedCase{"SizeNotANumber", {"-s", "12px", "FILE", "OUT"}, 2},
                      RefusedCase{"SizeTooLarge", {"-s", "4097", "FILE", "OUT"}, 2},
                      RefusedCase{"MissingFile", {"MISSING", "OUT"}, 2},
                      RefusedCase{"NotAVehicle", {"GARBAGE", "OUT"}, 1},
                      RefusedCase{"LoadsOnlyPartly", {"PARTLY", "OUT"}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SrftoolVersion, NamesTheToolAndItsVersion) {
    std::ostringstream out, err;
    EXPECT_EQ(srftool::runSrftool({"--version"}, out, err), 0);
    EXPECT_EQ(out.str(), "srftool 1.0.0\n");
    EXPECT_EQ(err.str(), "");
}

} // namespace
