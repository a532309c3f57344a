// The card's automation interface, by DISPID and by direct call.
#include "tests/cardctl/card_fixture.h"

using namespace com;
using namespace tessel;

namespace {

VARIANT colour(std::uint32_t value) {
    return variantI4(static_cast<std::int32_t>(value));
}

// Equal type and equal value of that type.
::testing::AssertionResult sameValue(const VARIANT& a, const VARIANT& b) {
    if (a.vt != b.vt)
        return ::testing::AssertionFailure() << "types " << a.vt << " and " << b.vt;
    const bool equal = a.vt == VT_BSTR   ? a.bstrVal == b.bstrVal
                       : a.vt == VT_BOOL ? a.boolVal == b.boolVal
                                         : a.lVal == b.lVal;
    if (equal)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "values differ";
}

struct PropertyCase {
    const char* name;
    DISPID id;
    VARIANT initial;
    VARIANT written;
};

void PrintTo(const PropertyCase& c, std::ostream* os) {
    *os << c.name;
}

class CardPropertyTest : public CardTest, public ::testing::WithParamInterface<PropertyCase> {};

TEST_P(CardPropertyTest, StartsFromItsDesignValueAndReadsBackWhatWasWritten) {
    const PropertyCase& c = GetParam();
    EXPECT_TRUE(sameValue(get(c.id), c.initial));
    ASSERT_EQ(put(c.id, c.written), S_OK);
    EXPECT_TRUE(sameValue(get(c.id), c.written));
}

INSTANTIATE_TEST_SUITE_P(
    Card, CardPropertyTest,
    ::testing::Values(
        PropertyCase{"DataLine1", DISPID_DataLine1, variantBstr(""), variantBstr("Putter.srf")},
        PropertyCase{"DataLine2", DISPID_DataLine2, variantBstr(""), variantBstr("abc")},
        PropertyCase{"DataLine3", DISPID_DataLine3, variantBstr(""), variantBstr("80x80,64x64")},
        PropertyCase{"DataLine4", DISPID_DataLine4, variantBstr(""),
                     variantBstr(QStringLiteral("12.03.2009 10:11:12 \u00e9"))},
        PropertyCase{"ImageFile", DISPID_ImageFile, variantBstr(""),
                     variantBstr("/no/such/picture.bmp")},
        PropertyCase{"BackColor", DISPID_BackColor, colour(0x80000004), colour(0x00123456)},
        PropertyCase{"TextColorLine1", DISPID_TextColorLine1, colour(0x00FFFF00),
                     colour(0x80000008)},
        PropertyCase{"TextColorLine2", DISPID_TextColorLine2, colour(0x00FFFF00),
                     colour(0x000000FF)},
        PropertyCase{"TextColorLine3", DISPID_TextColorLine3, colour(0x00FFFF00),
                     colour(0x0000FF00)},
        PropertyCase{"TextColorLine4", DISPID_TextColorLine4, colour(0x00FFFF00),
                     colour(0x00FF0000)},
        PropertyCase{"Selected", DISPID_Selected, variantBool(false), variantBool(true)}),
    [](const ::testing::TestParamInfo<PropertyCase>& info) { return info.param.name; });

TEST_F(CardTest, WritingADataLineShowsItOnItsOwnTextLine) {
    ASSERT_EQ(put(DISPID_DataLine2, variantBstr("abc")), S_OK);
    for (const char* name : {"lblData1", "lblData2", "lblData3", "lblData4"}) {
        const QImage line = part(name)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        bool cyan = false;
        for (int y = 0; y < line.height() && !cyan; ++y) {
            for (int x = 0; x < line.width() && !cyan; ++x)
                cyan = line.pixel(x, y) == qRgb(0, 255, 255);
        }
        EXPECT_EQ(cyan, QByteArray(name) == "lblData2") << name;
    }
}

TEST_F(CardTest, ValuesAreCoercedToThePropertyType) {
    ASSERT_EQ(put(DISPID_DataLine1, variantI4(42)), S_OK);
    EXPECT_EQ(get(DISPID_DataLine1).bstrVal, QStringLiteral("42"));
    ASSERT_EQ(put(DISPID_Selected, variantI2(5)), S_OK);
    EXPECT_EQ(get(DISPID_Selected).boolVal, VARIANT_TRUE);
    ASSERT_EQ(put(DISPID_BackColor, variantBstr("255")), S_OK);
    EXPECT_EQ(get(DISPID_BackColor).lVal, 255);
    QString byReference = QStringLiteral("by reference");
    ASSERT_EQ(put(DISPID_DataLine4, variantByRef(&byReference)), S_OK);
    EXPECT_EQ(get(DISPID_DataLine4).bstrVal, byReference);
}

TEST_F(CardTest, AColourThatIsNotOneIsRefusedButKeptInTheField) {
    const QImage before = rendering();
    for (DISPID id : {DISPID_BackColor, DISPID_TextColorLine1}) {
        EXPECT_EQ(put(id, colour(0x12345678)), CTL_E_INVALIDPROPERTYVALUE);
        EXPECT_EQ(static_cast<std::uint32_t>(get(id).lVal), 0x12345678u);
    }
    EXPECT_EQ(rendering(), before);
}

struct DispatchError {
    const char* name;
    DISPID member;
    std::uint16_t flags;
    std::vector<VARIANT> arguments; // natural order
    HRESULT expected;
};

void PrintTo(const DispatchError& c, std::ostream* os) {
    *os << c.name;
}

class CardDispatchErrorTest : public CardTest,
                              public ::testing::WithParamInterface<DispatchError> {};

TEST_P(CardDispatchErrorTest, IsReportedByItsStatus) {
    const DispatchError& c = GetParam();
    std::vector<VARIANT> arguments(c.arguments.rbegin(), c.arguments.rend());
    DISPID named = DISPID_PROPERTYPUT;
    const bool put = c.flags == DISPATCH_PROPERTYPUT;
    DISPPARAMS params{arguments.data(), put ? &named : nullptr,
                      static_cast<std::uint32_t>(arguments.size()), put ? 1u : 0u};
    VARIANT result;
    EXPECT_EQ(card()->Invoke(c.member, GUID_NULL, 0, c.flags, &params, &result, nullptr, nullptr),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Card, CardDispatchErrorTest,
    ::testing::Values(
        DispatchError{"UnknownMember", 0x12345, DISPATCH_PROPERTYGET, {}, DISP_E_MEMBERNOTFOUND},
        DispatchError{"TextForAColour",
                      DISPID_BackColor,
                      DISPATCH_PROPERTYPUT,
                      {variantBstr("red")},
                      DISP_E_TYPEMISMATCH},
        DispatchError{"ColourOutOfRange",
                      DISPID_TextColorLine2,
                      DISPATCH_PROPERTYPUT,
                      {variantBstr("5000000000")},
                      DISP_E_OVERFLOW},
        DispatchError{"WriteToAMethod",
                      DISPID_LoadImageFromFile,
                      DISPATCH_PROPERTYPUT,
                      {variantI4(1)},
                      DISP_E_MEMBERNOTFOUND},
        DispatchError{
            "CallOfAProperty", DISPID_DataLine1, DISPATCH_METHOD, {}, DISP_E_MEMBERNOTFOUND},
        DispatchError{"CopyWithoutContext",
                      DISPID_BltImageFromContext,
                      DISPATCH_METHOD,
                      {},
                      DISP_E_PARAMNOTFOUND},
        DispatchError{"CopyWithMissingContext",
                      DISPID_BltImageFromContext,
                      DISPATCH_METHOD,
                      {variantMissing(), variantI4(0)},
                      DISP_E_PARAMNOTFOUND},
        DispatchError{"CopyWithTooManyArguments",
                      DISPID_BltImageFromContext,
                      DISPATCH_METHOD,
                      {variantI4(1), variantI4(0), variantI4(0), variantI4(0)},
                      DISP_E_BADPARAMCOUNT},
        DispatchError{"ContextThatIsNotANumber",
                      DISPID_BltImageFromContext,
                      DISPATCH_METHOD,
                      {variantBstr("dc")},
                      DISP_E_TYPEMISMATCH},
        DispatchError{"ArgumentToARead",
                      DISPID_Selected,
                      DISPATCH_PROPERTYGET,
                      {variantI4(1)},
                      DISP_E_BADPARAMCOUNT}),
    [](const ::testing::TestParamInfo<DispatchError>& info) { return info.param.name; });

TEST_F(CardTest, NamesOfTheTypeLibraryMapToTheirDispids) {
    const std::pair<const char*, DISPID> members[] = {
        {"DataLine1", DISPID_DataLine1},
        {"dataline2", DISPID_DataLine2},
        {"DATALINE3", DISPID_DataLine3},
        {"DataLine4", DISPID_DataLine4},
        {"ImageFile", DISPID_ImageFile},
        {"BackColor", DISPID_BackColor},
        {"TextColorLine1", DISPID_TextColorLine1},
        {"TextColorLine2", DISPID_TextColorLine2},
        {"TextColorLine3", DISPID_TextColorLine3},
        {"TextColorLine4", DISPID_TextColorLine4},
        {"Selected", DISPID_Selected},
        {"LoadImageFromFile", DISPID_LoadImageFromFile},
        {"BltImageFromContext", DISPID_BltImageFromContext},
    };
    for (const auto& [name, id] : members) {
        const QString names[] = {QString::fromLatin1(name)};
        DISPID found = 0;
        EXPECT_EQ(card()->GetIDsOfNames(GUID_NULL, names, 1, 0x409, &found), S_OK) << name;
        EXPECT_EQ(found, id) << name;
    }
    const QString withArguments[] = {QStringLiteral("BltImageFromContext"),
                                     QStringLiteral("lngSrcYStart"), QStringLiteral("hDC")};
    DISPID ids[3] = {};
    EXPECT_EQ(card()->GetIDsOfNames(GUID_NULL, withArguments, 3, 0x409, ids), S_OK);
    EXPECT_EQ(ids[1], 2);
    EXPECT_EQ(ids[2], 0);
    const QString unknown[] = {QStringLiteral("MouseDown")};
    EXPECT_EQ(card()->GetIDsOfNames(GUID_NULL, unknown, 1, 0x409, ids), DISP_E_UNKNOWNNAME);
}

TEST_F(CardTest, DirectCallsAndDispatchShareOneState) {
    ComPtr<_Tessel> direct;
    ASSERT_EQ(site_->object()->QueryInterface(IID__Tessel, direct.putVoid()), S_OK);
    QString text = QStringLiteral("direct");
    ASSERT_EQ(direct->put_DataLine3(&text), S_OK);
    EXPECT_EQ(get(DISPID_DataLine3).bstrVal, text);
    ASSERT_EQ(put(DISPID_TextColorLine4, colour(0x000000FF)), S_OK);
    OLE_COLOR colourValue = 0;
    ASSERT_EQ(direct->get_TextColorLine4(&colourValue), S_OK);
    EXPECT_EQ(colourValue, 0x000000FFu);
    EXPECT_EQ(direct->get_DataLine1(nullptr), E_POINTER);

    ComPtr<IDispatch> asDispatch;
    ASSERT_EQ(direct.as(IID_IDispatch, &asDispatch), S_OK);
    ComPtr<IUnknown> identity1, identity2;
    ASSERT_EQ(direct.as(IID_IUnknown, &identity1), S_OK);
    ASSERT_EQ(asDispatch.as(IID_IUnknown, &identity2), S_OK);
    EXPECT_EQ(identity1.get(), identity2.get());
    EXPECT_EQ(identity1.get(), site_->object());
}

// The direct-call entries follow IDispatch's seven in a fixed order: a host built against
// another copy of the contract calls them by position. Each case calls one slot by its number
// and checks through dispatch that the right member answered.
TEST_F(CardTest, DirectCallEntriesSitInTheirFixedOrder) {
    ComPtr<_Tessel> direct;
    ASSERT_EQ(site_->object()->QueryInterface(IID__Tessel, direct.putVoid()), S_OK);
    void** table = *reinterpret_cast<void***>(direct.get());
    using StringEntry = HRESULT (*)(_Tessel*, QString*);
    using ColourEntry = HRESULT (*)(_Tessel*, OLE_COLOR*);
    using BoolEntry = HRESULT (*)(_Tessel*, VARIANT_BOOL*);
    constexpr int kFirst = 7; // QueryInterface, AddRef, Release and IDispatch's four
    const std::pair<int, DISPID> stringWrites[] = {{0, DISPID_DataLine1},
                                                   {1, DISPID_DataLine2},
                                                   {2, DISPID_DataLine3},
                                                   {3, DISPID_DataLine4},
                                                   {4, DISPID_ImageFile}};
    for (const auto& [slot, id] : stringWrites) {
        QString value = QStringLiteral("slot %1").arg(slot);
        ASSERT_EQ(reinterpret_cast<StringEntry>(table[kFirst + slot])(direct.get(), &value), S_OK);
        EXPECT_EQ(get(id).bstrVal, value) << "slot " << slot;
        QString read;
        ASSERT_EQ(reinterpret_cast<StringEntry>(table[kFirst + slot + 5])(direct.get(), &read),
                  S_OK);
        EXPECT_EQ(read, value) << "slot " << slot + 5;
    }
    const std::pair<int, DISPID> colourWrites[] = {{10, DISPID_BackColor},
                                                   {12, DISPID_TextColorLine1},
                                                   {14, DISPID_TextColorLine2},
                                                   {16, DISPID_TextColorLine3},
                                                   {18, DISPID_TextColorLine4}};
    for (const auto& [slot, id] : colourWrites) {
        OLE_COLOR value = 0x00010203u * static_cast<OLE_COLOR>(slot);
        ASSERT_EQ(reinterpret_cast<ColourEntry>(table[kFirst + slot])(direct.get(), &value), S_OK);
        EXPECT_EQ(static_cast<OLE_COLOR>(get(id).lVal), value) << "slot " << slot;
        OLE_COLOR read = 0;
        ASSERT_EQ(reinterpret_cast<ColourEntry>(table[kFirst + slot + 1])(direct.get(), &read),
                  S_OK);
        EXPECT_EQ(read, value) << "slot " << slot + 1;
    }
    VARIANT_BOOL selected = VARIANT_TRUE;
    ASSERT_EQ(reinterpret_cast<BoolEntry>(table[kFirst + 20])(direct.get(), &selected), S_OK);
    EXPECT_EQ(get(DISPID_Selected).boolVal, VARIANT_TRUE);
    VARIANT_BOOL read = VARIANT_FALSE;
    ASSERT_EQ(reinterpret_cast<BoolEntry>(table[kFirst + 21])(direct.get(), &read), S_OK);
    EXPECT_EQ(read, VARIANT_TRUE);

    using LoadEntry = HRESULT (*)(_Tessel*, std::int32_t*);
    using CopyEntry = HRESULT (*)(_Tessel*, std::int32_t*, VARIANT*, VARIANT*, std::int32_t*);
    std::int32_t loaded = -1;
    ASSERT_EQ(reinterpret_cast<LoadEntry>(table[kFirst + 22])(direct.get(), &loaded), S_OK);
    EXPECT_EQ(loaded, 0) << "ImageFile names no file";
    std::int32_t hDC = 0;
    VARIANT missing = variantMissing();
    std::int32_t copied = -1;
    ASSERT_EQ(reinterpret_cast<CopyEntry>(table[kFirst + 23])(direct.get(), &hDC, &missing,
                                                              &missing, &copied),
              S_OK);
    EXPECT_EQ(copied, 1);
}

TEST_F(CardTest, ReportsItsMiscellaneousStatus) {
    EXPECT_EQ(site_->miscStatus(), 0x00020191u);
}

} // namespace
