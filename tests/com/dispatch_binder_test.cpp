// Binding Invoke calls against a type-library description.
#include "platform/com/dispatch_binder.h"

#include <gtest/gtest.h>

using namespace com;

namespace {

constexpr ParameterDescription kDrawParameters[] = {
    {"x", ValueType::Int32},
    {"label", ValueType::String},
    {"scale", ValueType::Float, true},
    {"extra", ValueType::Variant, true},
};
constexpr MemberDescription kMembers[] = {
    {"Width", 1, MemberKind::Property, ValueType::Int16},
    {"Tint", 2, MemberKind::Property, ValueType::Colour},
    {"Draw", 3, MemberKind::Method, ValueType::Int32, kDrawParameters},
    {"Clear", 4, MemberKind::Method, ValueType::None},
};
constexpr InterfaceDescription kInterface{"IPainter", GUID_NULL, InterfaceDual, kMembers};

struct BindCase {
    const char* name;
    DISPID member;
    std::uint16_t flags;
    std::vector<VARIANT> rgvarg; // as Invoke gets them: last argument first
    std::vector<DISPID> named;
    HRESULT expected;
    std::uint32_t argError = 0;
};

void PrintTo(const BindCase& c, std::ostream* os) {
    *os << c.name;
}

class BindTest : public ::testing::TestWithParam<BindCase> {};

TEST_P(BindTest, ChecksFlagsCountsNamesAndTypes) {
    BindCase c = GetParam();
    DISPPARAMS params{c.rgvarg.data(), c.named.data(), static_cast<std::uint32_t>(c.rgvarg.size()),
                      static_cast<std::uint32_t>(c.named.size())};
    std::uint32_t argError = 99;
    BoundCall call;
    EXPECT_EQ(bindInvoke(kInterface, c.member, c.flags, &params, &argError, &call), c.expected);
    if (c.expected == DISP_E_TYPEMISMATCH || c.expected == DISP_E_OVERFLOW) {
        EXPECT_EQ(argError, c.argError);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Com, BindTest,
    ::testing::Values(
        BindCase{"Read", 1, DISPATCH_PROPERTYGET, {}, {}, S_OK},
        BindCase{"ReadAsMethodAndGet", 1, DISPATCH_METHOD | DISPATCH_PROPERTYGET, {}, {}, S_OK},
        BindCase{"UnknownMember", 9, DISPATCH_PROPERTYGET, {}, {}, DISP_E_MEMBERNOTFOUND},
        BindCase{"PropertyCalledAsMethod", 1, DISPATCH_METHOD, {}, {}, DISP_E_MEMBERNOTFOUND},
        BindCase{
            "ReadWithArgument", 1, DISPATCH_PROPERTYGET, {variantI2(1)}, {}, DISP_E_BADPARAMCOUNT},
        BindCase{"Write", 1, DISPATCH_PROPERTYPUT, {variantI4(12)}, {DISPID_PROPERTYPUT}, S_OK},
        BindCase{"WriteWithoutNamedArgument", 1, DISPATCH_PROPERTYPUT, {variantI4(12)}, {}, S_OK},
        BindCase{"WriteWithOtherNamedArgument",
                 1,
                 DISPATCH_PROPERTYPUT,
                 {variantI4(12)},
                 {0},
                 DISP_E_PARAMNOTFOUND},
        BindCase{"WriteWithoutValue", 1, DISPATCH_PROPERTYPUT, {}, {}, DISP_E_BADPARAMCOUNT},
        BindCase{"WriteMissingValue",
                 1,
                 DISPATCH_PROPERTYPUT,
                 {variantMissing()},
                 {},
                 DISP_E_PARAMNOTFOUND},
        BindCase{
            "WriteOutOfRange", 1, DISPATCH_PROPERTYPUT, {variantI4(40000)}, {}, DISP_E_OVERFLOW, 0},
        BindCase{"WriteByReference",
                 1,
                 DISPATCH_PROPERTYPUTREF,
                 {variantI4(1)},
                 {},
                 DISP_E_MEMBERNOTFOUND},
        BindCase{
            "WriteToMethod", 4, DISPATCH_PROPERTYPUT, {variantI4(1)}, {}, DISP_E_MEMBERNOTFOUND},
        BindCase{
            "CallWithRequiredOnly", 3, DISPATCH_METHOD, {variantBstr("a"), variantI4(1)}, {}, S_OK},
        BindCase{"CallWithTooFew", 3, DISPATCH_METHOD, {variantI4(1)}, {}, DISP_E_PARAMNOTFOUND},
        BindCase{"CallWithTooMany", 4, DISPATCH_METHOD, {variantI4(1)}, {}, DISP_E_BADPARAMCOUNT},
        BindCase{"RequiredPassedAsMissing",
                 3,
                 DISPATCH_METHOD,
                 {variantMissing(), variantI4(1)},
                 {},
                 DISP_E_PARAMNOTFOUND},
        BindCase{"OptionalArgumentMissingInTheMiddle",
                 3,
                 DISPATCH_METHOD,
                 {variantR4(1), variantMissing(), variantBstr("a"), variantI4(1)},
                 {},
                 S_OK},
        BindCase{"FirstArgumentMismatch",
                 3,
                 DISPATCH_METHOD,
                 {variantBstr("a"), variantBstr("x")},
                 {},
                 DISP_E_TYPEMISMATCH,
                 1},
        BindCase{"NamedArguments",
                 3,
                 DISPATCH_METHOD,
                 {variantI4(5), variantBstr("a"), variantR4(2)},
                 {0, 1, 2},
                 S_OK},
        BindCase{"NamedArgumentMismatch",
                 3,
                 DISPATCH_METHOD,
                 {variantBstr("a"), variantBstr("wide")},
                 {1, 0},
                 DISP_E_TYPEMISMATCH,
                 1},
        BindCase{"UnknownNamedArgument",
                 3,
                 DISPATCH_METHOD,
                 {variantI4(5), variantBstr("a")},
                 {0, 7},
                 DISP_E_PARAMNOTFOUND},
        BindCase{"DuplicateNamedArgument",
                 3,
                 DISPATCH_METHOD,
                 {variantI4(5), variantI4(6)},
                 {0, 0},
                 DISP_E_PARAMNOTFOUND},
        BindCase{
            "MoreNamedThanArguments", 3, DISPATCH_METHOD, {variantI4(5)}, {0, 1}, E_INVALIDARG}),
    [](const ::testing::TestParamInfo<BindCase>& info) { return info.param.name; });

TEST(Bind, GivesTheArgumentsInTheirNaturalOrderCoercedWithMissingOnesMarked) {
    // Draw(x := 5, label := "a") with label named and x positional.
    std::vector<VARIANT> rgvarg{variantBstr("a"), variantBstr("5")};
    DISPID named[] = {1};
    DISPPARAMS params{rgvarg.data(), named, 2, 1};
    BoundCall call;
    ASSERT_EQ(bindInvoke(kInterface, 3, DISPATCH_METHOD, &params, nullptr, &call), S_OK);
    ASSERT_EQ(call.arguments.size(), 4u);
    EXPECT_EQ(call.arguments[0].vt, VT_I4);
    EXPECT_EQ(call.arguments[0].lVal, 5);
    EXPECT_EQ(call.arguments[1].bstrVal, QStringLiteral("a"));
    EXPECT_TRUE(isMissing(call.arguments[2]));
    EXPECT_TRUE(isMissing(call.arguments[3]));
    EXPECT_FALSE(call.propertyPut);

    std::vector<VARIANT> value{variantI4(static_cast<std::int32_t>(0x80000008u))};
    DISPPARAMS put{value.data(), nullptr, 1, 0};
    ASSERT_EQ(bindInvoke(kInterface, 2, DISPATCH_PROPERTYPUT, &put, nullptr, &call), S_OK);
    EXPECT_TRUE(call.propertyPut);
    EXPECT_EQ(static_cast<std::uint32_t>(call.value.lVal), 0x80000008u);
}

TEST(Bind, NamesMapWithoutRegardToCase) {
    const QString names[] = {QStringLiteral("draw"), QStringLiteral("SCALE"), QStringLiteral("x")};
    DISPID ids[3] = {};
    EXPECT_EQ(idsOfNames(kInterface, names, 3, ids), S_OK);
    EXPECT_EQ(ids[0], 3);
    EXPECT_EQ(ids[1], 2);
    EXPECT_EQ(ids[2], 0);
    const QString wrongParameter[] = {QStringLiteral("Draw"), QStringLiteral("colour")};
    EXPECT_EQ(idsOfNames(kInterface, wrongParameter, 2, ids), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(ids[0], 3);
    EXPECT_EQ(ids[1], DISPID_UNKNOWN);
}

} // namespace
