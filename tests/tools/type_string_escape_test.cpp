#include "tools/srftool/type_string_escape.h"

#include <gtest/gtest.h>

using srftool::escapeTypeString;

namespace {

TEST(EscapeTypeString, KeepsPrintableAsciiAndEscapesEverythingElseInLowerCaseHex) {
    using namespace std::string_literals;
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"GARMIN BITMAP 01", "GARMIN BITMAP 01"},
        {" ~", " ~"},
        {"a\\b", "a\\x5cb"},
        {"\0"s, "\\x00"},
        {"A\0B"s, "A\\x00B"},
        {"\x1f\x7f", "\\x1f\\x7f"},
        {"\xe9\xFF", "\\xe9\\xff"},
        {"\t\r\n", "\\x09\\x0d\\x0a"},
    };
    for (const auto& [raw, escaped] : cases)
        EXPECT_EQ(escapeTypeString(raw), escaped);
}

} // namespace
