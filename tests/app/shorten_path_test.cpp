#include "app/mod_main.h"

#include <gtest/gtest.h>

namespace {

struct ShortenCase {
    const char* path;
    int limit;
    const char* expected;
};

class ShortenPathTest : public ::testing::TestWithParam<ShortenCase> {};

TEST_P(ShortenPathTest, GivesTheLabelText) {
    const ShortenCase& c = GetParam();
    const QString result =
        ShortenPath(QString::fromUtf8(c.path), static_cast<std::int16_t>(c.limit));
    EXPECT_EQ(result.toStdString(), c.expected);
    EXPECT_LE(result.size(), std::max(c.limit, 0));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ShortenPathTest,
    ::testing::Values(
        ShortenCase{"", 30, ""},
        ShortenCase{R"(C:\Documents and Settings\Owner\My Vehicles)", 30,
                    R"(C:\Documents and Settings\...s)"},
        ShortenCase{R"(C:\Program Files\Vehicle Tools\icons.tga)", 30,
                    R"(C:\Program Files\...\icons.tga)"},
        ShortenCase{R"(D:\Data\Cars\Version 1.2\Vehicles)", 30,
                    R"(D:\Data\Cars\Version 1.2\V...s)"},
        ShortenCase{R"(E:\Garmin\Vehicle)", 30, R"(E:\Garmin\Vehicle)"},
        // Exactly the limit stays; one more is shortened to the limit.
        ShortenCase{"/home/owner/vehicles/abcdefghi", 30, "/home/owner/vehicles/abcdefghi"},
        ShortenCase{"/home/owner/vehicles/abcdefghij", 30, "/home/owner/vehicles/abcde...j"},
        // Linux separators count as well.
        ShortenCase{"/media/owner/GARMIN/Garmin/Vehicle/car.srf", 30,
                    "/media/owner/GARMIN.../car.srf"},
        // A dot in an earlier component: the tail is the last character.
        ShortenCase{"/home/owner/my.vehicles/some/deeper/folder", 30,
                    "/home/owner/my.vehicles/so...r"},
        // The last component is the first to hold a dot and longer than 26 characters: no room
        // for a head, so the end of the path is shown.
        ShortenCase{"/home/a_very_long_vehicle_file_name.srf", 30,
                    "..._long_vehicle_file_name.srf"},
        ShortenCase{"/abcdef.gh", 5, "...gh"}, ShortenCase{"/abcdef.gh", 3, ".gh"},
        ShortenCase{"/abcdef.gh", 0, ""}, ShortenCase{"/abcdef.gh", -4, ""}));

} // namespace
