// Basic types of the component model: status codes, GUIDs and variant values, shaped like the
// Windows ones so that the code using them reads like the original design.
#pragma once

#include <cstdint>
#include <QString>

namespace com {

using HRESULT = std::int32_t;
using DISPID = std::int32_t;
using LCID = std::uint32_t;
using VARIANT_BOOL = std::int16_t;
using OLE_COLOR = std::uint32_t;

constexpr HRESULT hresult(std::uint32_t code) {
    return static_cast<HRESULT>(code);
}

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = hresult(0x80004001);
constexpr HRESULT E_NOINTERFACE = hresult(0x80004002);
constexpr HRESULT E_POINTER = hresult(0x80004003);
constexpr HRESULT E_FAIL = hresult(0x80004005);
constexpr HRESULT E_UNEXPECTED = hresult(0x8000FFFF);
constexpr HRESULT E_ACCESSDENIED = hresult(0x80070005);
constexpr HRESULT E_OUTOFMEMORY = hresult(0x8007000E);
constexpr HRESULT E_INVALIDARG = hresult(0x80070057);
constexpr HRESULT CLASS_E_NOAGGREGATION = hresult(0x80040110);
constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = hresult(0x80040111);
constexpr HRESULT REGDB_E_CLASSNOTREG = hresult(0x80040154);
constexpr HRESULT REGDB_E_WRITEREGDB = hresult(0x80040151);
constexpr HRESULT CO_E_CLASSSTRING = hresult(0x800401F3);
constexpr HRESULT CO_E_DLLNOTFOUND = hresult(0x8004018A);
constexpr HRESULT CO_E_ERRORINDLL = hresult(0x800401F9);
constexpr HRESULT DISP_E_UNKNOWNINTERFACE = hresult(0x80020001);
constexpr HRESULT DISP_E_MEMBERNOTFOUND = hresult(0x80020003);
constexpr HRESULT DISP_E_PARAMNOTFOUND = hresult(0x80020004);
constexpr HRESULT DISP_E_TYPEMISMATCH = hresult(0x80020005);
constexpr HRESULT DISP_E_UNKNOWNNAME = hresult(0x80020006);
constexpr HRESULT DISP_E_EXCEPTION = hresult(0x80020009);
constexpr HRESULT DISP_E_OVERFLOW = hresult(0x8002000A);
constexpr HRESULT DISP_E_BADPARAMCOUNT = hresult(0x8002000E);
constexpr HRESULT CONNECT_E_NOCONNECTION = hresult(0x80040200);
constexpr HRESULT CONNECT_E_CANNOTCONNECT = hresult(0x80040202);
constexpr HRESULT SELFREG_E_TYPELIB = hresult(0x80040200);
constexpr HRESULT SELFREG_E_CLASS = hresult(0x80040201);
// Errors of a control's own members, in the automation error range of the form toolkit.
constexpr HRESULT CTL_E_FILENOTFOUND = hresult(0x800A0035);
constexpr HRESULT CTL_E_INVALIDPROPERTYVALUE = hresult(0x800A017C);
constexpr HRESULT CTL_E_INVALIDPICTURE = hresult(0x800A01E1);

constexpr bool SUCCEEDED(HRESULT hr) {
    return hr >= 0;
}
constexpr bool FAILED(HRESULT hr) {
    return hr < 0;
}

struct GUID {
    std::uint32_t Data1 = 0;
    std::uint16_t Data2 = 0;
    std::uint16_t Data3 = 0;
    std::uint8_t Data4[8] = {};

    friend bool operator==(const GUID&, const GUID&) = default;
    // "{6B29FC40-CA47-1067-B31D-00DD010662DA}"
    QString toString() const;
    // Accepts the form toString gives, braces included; false on anything else.
    static bool fromString(const QString& text, GUID* out);
};
using IID = GUID;
using CLSID = GUID;
constexpr GUID GUID_NULL{};

// Invoke flags and the named argument of a property write.
constexpr std::uint16_t DISPATCH_METHOD = 1;
constexpr std::uint16_t DISPATCH_PROPERTYGET = 2;
constexpr std::uint16_t DISPATCH_PROPERTYPUT = 4;
constexpr std::uint16_t DISPATCH_PROPERTYPUTREF = 8;
constexpr DISPID DISPID_PROPERTYPUT = -3;
constexpr DISPID DISPID_UNKNOWN = -1;

constexpr VARIANT_BOOL VARIANT_TRUE = -1;
constexpr VARIANT_BOOL VARIANT_FALSE = 0;

enum VARTYPE : std::uint16_t {
    VT_EMPTY = 0,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R4 = 4,
    VT_R8 = 5,
    VT_BSTR = 8,
    VT_DISPATCH = 9,
    VT_ERROR = 10,
    VT_BOOL = 11,
    VT_VARIANT = 12,
    VT_UNKNOWN = 13,
    VT_UI1 = 17,
    VT_BYREF = 0x4000,
};

struct IUnknown;
struct IDispatch;

// A variant value. With VT_BYREF set, the matching pointer member addresses the caller's value,
// which the callee may read and write (events pass their arguments this way). A missing optional
// argument is VT_ERROR with scode DISP_E_PARAMNOTFOUND.
struct VARIANT {
    std::uint16_t vt = VT_EMPTY;
    union {
        std::int16_t iVal;
        std::int32_t lVal;
        float fltVal;
        double dblVal;
        VARIANT_BOOL boolVal;
        HRESULT scode;
        std::uint8_t bVal;
        IUnknown* punkVal;
        IDispatch* pdispVal;
        std::int16_t* piVal;
        std::int32_t* plVal;
        float* pfltVal;
        VARIANT_BOOL* pboolVal;
        QString* pbstrVal;
        VARIANT* pvarVal;
    };
    QString bstrVal; // the string of a VT_BSTR value; it owns memory, so it lives outside the union

    VARIANT()
        : lVal(0) {}
};

// Arguments of Invoke, in the component model's order: rgvarg[0] is the LAST argument.
struct DISPPARAMS {
    VARIANT* rgvarg = nullptr;
    DISPID* rgdispidNamedArgs = nullptr;
    std::uint32_t cArgs = 0;
    std::uint32_t cNamedArgs = 0;
};

struct EXCEPINFO {
    std::uint16_t wCode = 0;
    QString bstrSource;
    QString bstrDescription;
    HRESULT scode = S_OK;
};

// Variant constructors and coercions (a by-reference value is read through its pointer).
VARIANT variantI2(std::int16_t v);
VARIANT variantI4(std::int32_t v);
VARIANT variantR4(float v);
VARIANT variantBool(bool v);
VARIANT variantBstr(const QString& v);
VARIANT variantMissing();
VARIANT variantByRef(std::int16_t* v);
VARIANT variantByRef(std::int32_t* v);
VARIANT variantByRef(float* v);
VARIANT variantByRef(QString* v);
VARIANT variantBoolByRef(VARIANT_BOOL* v);
bool isMissing(const VARIANT& v);
// Coerce to the target type like VariantChangeType; S_OK, DISP_E_TYPEMISMATCH or
// DISP_E_OVERFLOW.
HRESULT toI2(const VARIANT& v, std::int16_t* out);
HRESULT toI4(const VARIANT& v, std::int32_t* out);
HRESULT toR4(const VARIANT& v, float* out);
HRESULT toBool(const VARIANT& v, VARIANT_BOOL* out);
HRESULT toBstr(const VARIANT& v, QString* out);
// A colour travels as a signed or unsigned 32-bit number; both give the same bits (0x800000nn
// arrives as a negative Long from most callers).
HRESULT toColour(const VARIANT& v, OLE_COLOR* out);

// A readable text for a status code: "REGDB_E_CLASSNOTREG (0x80040154): Class not registered".
QString describeHResult(HRESULT hr);

} // namespace com
