#include "app/vehicle_text.h"

#include <gtest/gtest.h>

namespace {

TEST(SrfTypeText, KeepsEveryByteAsOneCharacter) {
    const std::string bytes("CAR\0\0\x80\xE9\xFF"
                            "ABCDEFGH",
                            16);
    const QString text = srfTypeText(bytes);
    ASSERT_EQ(text.size(), 16);
    EXPECT_EQ(text.left(3), "CAR");
    EXPECT_EQ(text.at(3).unicode(), 0);
    EXPECT_EQ(text.at(4).unicode(), 0);
    EXPECT_EQ(text.at(5).unicode(), 0x80);
    EXPECT_EQ(text.at(6), QChar(0xE9));
    EXPECT_EQ(text.at(7).unicode(), 0xFF);
    EXPECT_EQ(text.right(8), "ABCDEFGH");
    EXPECT_EQ(text.toLatin1(), QByteArray(bytes.data(), 16));
    EXPECT_EQ(srfTypeText(std::string()), QString());
}

TEST(RecordNumbers, ArePlainDecimals) {
    EXPECT_EQ(formatNumber(0), "0");
    EXPECT_EQ(formatNumber(12), "12");
    EXPECT_EQ(formatNumber(1234), "1234");
    EXPECT_EQ(formatNumber(-7), "-7");
    EXPECT_EQ(sizeText(80, 80), "80x80");
    EXPECT_EQ(sizeText(0, 0), "0x0");
    EXPECT_EQ(sizeText(2880, -3), "2880x-3");
}

struct DateCase {
    QLocale::Language language;
    QLocale::Territory territory;
    const char* text;
};

class FileDateText : public ::testing::TestWithParam<DateCase> {};

// The short date, then the time with its seconds and without a time zone: two changes within
// one minute read apart.
TEST_P(FileDateText, ShowsTheShortDateAndTheTimeWithSeconds) {
    const DateCase& c = GetParam();
    const QDateTime changed(QDate(2009, 5, 22), QTime(14, 30, 7));
    EXPECT_EQ(fileDateText(changed, QLocale(c.language, c.territory)), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Locales, FileDateText,
    ::testing::Values(DateCase{QLocale::English, QLocale::UnitedStates, "5/22/09 2:30:07 PM"},
                      DateCase{QLocale::German, QLocale::Germany, "22.05.09 14:30:07"},
                      DateCase{QLocale::C, QLocale::AnyTerritory, "22 May 2009 14:30:07"}));

} // namespace
