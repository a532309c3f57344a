#include "app/mod_main.h"

#include <gtest/gtest.h>

namespace {

struct BaseNameCase {
    const char* name;
    QString path;
    QString expected;
};

void PrintTo(const BaseNameCase& c, std::ostream* os) {
    *os << c.name;
}

class GetBaseNameTest : public ::testing::TestWithParam<BaseNameCase> {};

TEST_P(GetBaseNameTest, GivesTheNameWithoutFolderAndExtension) {
    EXPECT_EQ(GetBaseName(GetParam().path), GetParam().expected);
}

// Beyond the 255 characters that 8-bit positions could count.
const QString kLongFolder = QStringLiteral("/cars").repeated(80);
const QString kLongName = QStringLiteral("Long").repeated(70);

INSTANTIATE_TEST_SUITE_P(
    Paths, GetBaseNameTest,
    ::testing::Values(BaseNameCase{"NameOnly", "Putter.srf", "Putter"},
                      BaseNameCase{"WindowsPathTwoDots", R"(C:\Cars\Big.Rig.srf)", "Big"},
                      BaseNameCase{"LinuxPath", "/home/owner/cars/Saloon.srf", "Saloon"},
                      BaseNameCase{"NoExtension", "NoExtension", "NoExtension"},
                      BaseNameCase{"DotInFolderOnly", "/media/nav.drive/Garmin/Vehicle/Van", "Van"},
                      BaseNameCase{"ExtensionOnly", ".srf", ""},
                      BaseNameCase{"FolderOnly", "folder/", ""}, BaseNameCase{"Empty", "", ""},
                      BaseNameCase{"LongFolder", kLongFolder + "/Bus.srf", "Bus"},
                      BaseNameCase{"LongName", "/cars/" + kLongName + ".srf", kLongName}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
