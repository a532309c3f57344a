// Identifiers, variant values and their coercions, and the readable status texts.
#include "platform/com/com_types.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace com;

namespace {

TEST(Guid, TextRoundTripsAndOnlyTheExactFormIsAccepted) {
    const GUID id{0x6B29FC40, 0xCA47, 0x1067, {0xB3, 0x1D, 0x00, 0xDD, 0x01, 0x06, 0x62, 0xDA}};
    EXPECT_EQ(id.toString(), QStringLiteral("{6B29FC40-CA47-1067-B31D-00DD010662DA}"));
    GUID parsed;
    ASSERT_TRUE(
        GUID::fromString(QStringLiteral("{6b29fc40-ca47-1067-b31d-00dd010662da}"), &parsed));
    EXPECT_EQ(parsed, id);

    const GUID untouched{1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
    for (const char* text :
         {"", "{}", "6B29FC40-CA47-1067-B31D-00DD010662DA", "{6B29FC40-CA47-1067-B31D-00DD010662DA",
          "{6B29FC40-CA47-1067-B31D-00DD010662DAA}", "{6B29FC40+CA47-1067-B31D-00DD010662DA}",
          "{6B29FC4G-CA47-1067-B31D-00DD010662DA}", "{6B29FC40-CA47-1067-B31D-00DD01066 DA}",
          "(6B29FC40-CA47-1067-B31D-00DD010662DA)"}) {
        GUID out = untouched;
        EXPECT_FALSE(GUID::fromString(QString::fromLatin1(text), &out)) << text;
        EXPECT_EQ(out, untouched) << text;
    }
    EXPECT_FALSE(GUID::fromString(id.toString(), nullptr));
}

struct Coercion {
    const char* name;
    VARIANT value;
    HRESULT i2;
    std::int16_t i2Value;
    HRESULT i4;
    std::int32_t i4Value;
};

void PrintTo(const Coercion& c, std::ostream* os) {
    *os << c.name;
}

class CoercionTest : public ::testing::TestWithParam<Coercion> {};

TEST_P(CoercionTest, ToIntegersRoundsHalfToEvenAndChecksTheRange) {
    const Coercion& c = GetParam();
    std::int16_t i2 = 111;
    EXPECT_EQ(toI2(c.value, &i2), c.i2);
    if (SUCCEEDED(c.i2)) {
        EXPECT_EQ(i2, c.i2Value);
    } else {
        EXPECT_EQ(i2, 111) << "a failed coercion leaves the target alone";
    }
    std::int32_t i4 = 111;
    EXPECT_EQ(toI4(c.value, &i4), c.i4);
    if (SUCCEEDED(c.i4)) {
        EXPECT_EQ(i4, c.i4Value);
    }
}

VARIANT variantR8(double v) {
    VARIANT r;
    r.vt = VT_R8;
    r.dblVal = v;
    return r;
}

VARIANT variantOfType(std::uint16_t type) {
    VARIANT r;
    r.vt = type;
    return r;
}

std::int32_t storedI4 = 70000;
std::int16_t storedI2 = -7;

INSTANTIATE_TEST_SUITE_P(
    Com, CoercionTest,
    ::testing::Values(
        Coercion{"Empty", VARIANT{}, S_OK, 0, S_OK, 0},
        Coercion{"I2", variantI2(-300), S_OK, -300, S_OK, -300},
        Coercion{"I4InRange", variantI4(32767), S_OK, 32767, S_OK, 32767},
        Coercion{"I4TooBigForI2", variantI4(70000), DISP_E_OVERFLOW, 0, S_OK, 70000},
        Coercion{"HalfRoundsToEven", variantR4(2.5f), S_OK, 2, S_OK, 2},
        Coercion{"OtherHalfRoundsToEven", variantR8(-3.5), S_OK, -4, S_OK, -4},
        Coercion{"R8TooBig", variantR8(3e9), DISP_E_OVERFLOW, 0, DISP_E_OVERFLOW, 0},
        Coercion{"NotANumber", variantR8(std::nan("")), DISP_E_OVERFLOW, 0, DISP_E_OVERFLOW, 0},
        Coercion{"True", variantBool(true), S_OK, -1, S_OK, -1},
        Coercion{"NumericText", variantBstr(" 42 "), S_OK, 42, S_OK, 42},
        Coercion{"BooleanText", variantBstr("false"), S_OK, 0, S_OK, 0},
        Coercion{"OtherText", variantBstr("forty"), DISP_E_TYPEMISMATCH, 0, DISP_E_TYPEMISMATCH, 0},
        Coercion{"InfiniteText", variantBstr("1e999"), DISP_E_OVERFLOW, 0, DISP_E_OVERFLOW, 0},
        Coercion{"Missing", variantMissing(), DISP_E_TYPEMISMATCH, 0, DISP_E_TYPEMISMATCH, 0},
        Coercion{"Object", variantOfType(VT_DISPATCH), DISP_E_TYPEMISMATCH, 0, DISP_E_TYPEMISMATCH,
                 0},
        Coercion{"ByReferenceI4", variantByRef(&storedI4), DISP_E_OVERFLOW, 0, S_OK, 70000},
        Coercion{"ByReferenceI2", variantByRef(&storedI2), S_OK, -7, S_OK, -7},
        Coercion{"NullReference", variantByRef(static_cast<std::int32_t*>(nullptr)), E_POINTER, 0,
                 E_POINTER, 0}),
    [](const ::testing::TestParamInfo<Coercion>& info) { return info.param.name; });

TEST(Variant, ColoursKeepTheirBitsWhetherSignedOrUnsigned) {
    OLE_COLOR colour = 0;
    ASSERT_EQ(toColour(variantI4(static_cast<std::int32_t>(0x80000004u)), &colour), S_OK);
    EXPECT_EQ(colour, 0x80000004u);
    ASSERT_EQ(toColour(variantR4(4294967040.0f), &colour), S_OK);
    EXPECT_EQ(colour, 0xFFFFFF00u);
    ASSERT_EQ(toColour(variantBstr("255"), &colour), S_OK);
    EXPECT_EQ(colour, 255u);
    EXPECT_EQ(toColour(variantBstr("8589934592"), &colour), DISP_E_OVERFLOW);
    EXPECT_EQ(toColour(variantBstr("red"), &colour), DISP_E_TYPEMISMATCH);
}

TEST(Variant, TextBooleanAndFloatCoercions) {
    QString text;
    const std::pair<VARIANT, const char*> texts[] = {
        {variantI4(-12), "-12"},       {variantR4(1.5f), "1.5"}, {variantBool(true), "True"},
        {variantBool(false), "False"}, {VARIANT{}, ""},
    };
    for (const auto& [value, expected] : texts) {
        ASSERT_EQ(toBstr(value, &text), S_OK) << expected;
        EXPECT_EQ(text, QString::fromLatin1(expected));
    }
    EXPECT_EQ(toBstr(variantMissing(), &text), DISP_E_TYPEMISMATCH);

    VARIANT_BOOL flag = VARIANT_FALSE;
    ASSERT_EQ(toBool(variantI2(5), &flag), S_OK);
    EXPECT_EQ(flag, VARIANT_TRUE);
    ASSERT_EQ(toBool(variantBstr("0"), &flag), S_OK);
    EXPECT_EQ(flag, VARIANT_FALSE);
    EXPECT_EQ(toBool(variantBstr("yes"), &flag), DISP_E_TYPEMISMATCH);

    float f = 0;
    ASSERT_EQ(toR4(variantI4(3), &f), S_OK);
    EXPECT_EQ(f, 3.0f);
    EXPECT_EQ(toR4(variantR8(1e300), &f), DISP_E_OVERFLOW);

    VARIANT inner = variantI4(9);
    VARIANT outer;
    outer.vt = VT_VARIANT | VT_BYREF;
    outer.pvarVal = &inner;
    std::int32_t i4 = 0;
    ASSERT_EQ(toI4(outer, &i4), S_OK);
    EXPECT_EQ(i4, 9);
    EXPECT_FALSE(isMissing(outer));
    inner = variantMissing();
    EXPECT_TRUE(isMissing(outer));
}

TEST(Status, ReadableTextNamesTheCodeAndItsMeaning) {
    EXPECT_EQ(describeHResult(REGDB_E_CLASSNOTREG),
              QStringLiteral("REGDB_E_CLASSNOTREG (0x80040154): Class not registered"));
    EXPECT_EQ(describeHResult(hresult(0x80001234)), QStringLiteral("status 0x80001234"));
}

} // namespace
