#include "platform/com/com_types.h"

#include <cmath>
#include <limits>

namespace com {

VARIANT variantI2(std::int16_t v) {
    VARIANT r;
    r.vt = VT_I2;
    r.iVal = v;
    return r;
}

VARIANT variantI4(std::int32_t v) {
    VARIANT r;
    r.vt = VT_I4;
    r.lVal = v;
    return r;
}

VARIANT variantR4(float v) {
    VARIANT r;
    r.vt = VT_R4;
    r.fltVal = v;
    return r;
}

VARIANT variantBool(bool v) {
    VARIANT r;
    r.vt = VT_BOOL;
    r.boolVal = v ? VARIANT_TRUE : VARIANT_FALSE;
    return r;
}

VARIANT variantBstr(const QString& v) {
    VARIANT r;
    r.vt = VT_BSTR;
    r.bstrVal = v;
    return r;
}

VARIANT variantMissing() {
    VARIANT r;
    r.vt = VT_ERROR;
    r.scode = DISP_E_PARAMNOTFOUND;
    return r;
}

VARIANT variantByRef(std::int16_t* v) {
    VARIANT r;
    r.vt = VT_I2 | VT_BYREF;
    r.piVal = v;
    return r;
}

VARIANT variantByRef(std::int32_t* v) {
    VARIANT r;
    r.vt = VT_I4 | VT_BYREF;
    r.plVal = v;
    return r;
}

VARIANT variantByRef(float* v) {
    VARIANT r;
    r.vt = VT_R4 | VT_BYREF;
    r.pfltVal = v;
    return r;
}

VARIANT variantByRef(QString* v) {
    VARIANT r;
    r.vt = VT_BSTR | VT_BYREF;
    r.pbstrVal = v;
    return r;
}

VARIANT variantBoolByRef(VARIANT_BOOL* v) {
    VARIANT r;
    r.vt = VT_BOOL | VT_BYREF;
    r.pboolVal = v;
    return r;
}

bool isMissing(const VARIANT& v) {
    if (v.vt == (VT_VARIANT | VT_BYREF))
        return v.pvarVal && isMissing(*v.pvarVal);
    return v.vt == VT_ERROR && v.scode == DISP_E_PARAMNOTFOUND;
}

namespace {

// A plain (not by-reference) copy of the value a variant stands for. By-reference variants
// nest at most one VT_VARIANT level, like the component model's own.
HRESULT dereference(const VARIANT& v, VARIANT* out) {
    if (!(v.vt & VT_BYREF)) {
        *out = v;
        return S_OK;
    }
    switch (v.vt & ~VT_BYREF) {
    case VT_I2:
        if (!v.piVal)
            return E_POINTER;
        *out = variantI2(*v.piVal);
        return S_OK;
    case VT_I4:
        if (!v.plVal)
            return E_POINTER;
        *out = variantI4(*v.plVal);
        return S_OK;
    case VT_R4:
        if (!v.pfltVal)
            return E_POINTER;
        *out = variantR4(*v.pfltVal);
        return S_OK;
    case VT_BOOL:
        if (!v.pboolVal)
            return E_POINTER;
        out->vt = VT_BOOL;
        out->boolVal = *v.pboolVal;
        return S_OK;
    case VT_BSTR:
        if (!v.pbstrVal)
            return E_POINTER;
        *out = variantBstr(*v.pbstrVal);
        return S_OK;
    case VT_VARIANT:
        if (!v.pvarVal)
            return E_POINTER;
        if (v.pvarVal->vt & VT_BYREF)
            return DISP_E_TYPEMISMATCH;
        *out = *v.pvarVal;
        return S_OK;
    default:
        return DISP_E_TYPEMISMATCH;
    }
}

// The numeric value of a plain variant, for the coercions to numbers.
HRESULT numericValue(const VARIANT& v, double* out) {
    switch (v.vt) {
    case VT_EMPTY:
        *out = 0;
        return S_OK;
    case VT_I2:
        *out = v.iVal;
        return S_OK;
    case VT_I4:
        *out = v.lVal;
        return S_OK;
    case VT_R4:
        *out = v.fltVal;
        return S_OK;
    case VT_R8:
        *out = v.dblVal;
        return S_OK;
    case VT_BOOL:
        *out = v.boolVal ? -1 : 0;
        return S_OK;
    case VT_UI1:
        *out = v.bVal;
        return S_OK;
    case VT_BSTR: {
        const QString text = v.bstrVal.trimmed();
        if (text.compare(u"True", Qt::CaseInsensitive) == 0) {
            *out = -1;
            return S_OK;
        }
        if (text.compare(u"False", Qt::CaseInsensitive) == 0) {
            *out = 0;
            return S_OK;
        }
        bool ok = false;
        const double value = text.toDouble(&ok);
        // A number too large for a double still reads as infinity, with ok false.
        if (std::isinf(value))
            return DISP_E_OVERFLOW;
        if (!ok)
            return DISP_E_TYPEMISMATCH;
        *out = value;
        return S_OK;
    }
    default:
        return DISP_E_TYPEMISMATCH;
    }
}

// The number a value stands for, read through a reference.
HRESULT numberOf(const VARIANT& v, double* out) {
    VARIANT plain;
    const HRESULT hr = dereference(v, &plain);
    return FAILED(hr) ? hr : numericValue(plain, out);
}

// Rounds half to even, as the component model's integer coercions do, then checks the range.
HRESULT toWholeNumber(const VARIANT& v, double minimum, double maximum, double* out) {
    double value = 0;
    const HRESULT hr = numberOf(v, &value);
    if (FAILED(hr))
        return hr;
    if (std::isnan(value))
        return DISP_E_OVERFLOW;
    value = std::nearbyint(value);
    if (value < minimum || value > maximum)
        return DISP_E_OVERFLOW;
    *out = value;
    return S_OK;
}

template <typename Integer>
HRESULT toInteger(const VARIANT& v, Integer* out) {
    double value = 0;
    const HRESULT hr = toWholeNumber(v, std::numeric_limits<Integer>::min(),
                                     std::numeric_limits<Integer>::max(), &value);
    if (SUCCEEDED(hr))
        *out = static_cast<Integer>(value);
    return hr;
}

} // namespace

HRESULT toI2(const VARIANT& v, std::int16_t* out) {
    return toInteger(v, out);
}

HRESULT toI4(const VARIANT& v, std::int32_t* out) {
    return toInteger(v, out);
}

HRESULT toColour(const VARIANT& v, OLE_COLOR* out) {
    double value = 0;
    const HRESULT hr = toWholeNumber(v, std::numeric_limits<std::int32_t>::min(),
                                     std::numeric_limits<std::uint32_t>::max(), &value);
    if (FAILED(hr))
        return hr;
    *out = value < 0 ? static_cast<OLE_COLOR>(static_cast<std::int32_t>(value))
                     : static_cast<OLE_COLOR>(value);
    return S_OK;
}

HRESULT toR4(const VARIANT& v, float* out) {
    double value = 0;
    const HRESULT hr = numberOf(v, &value);
    if (FAILED(hr))
        return hr;
    if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<float>::max())
        return DISP_E_OVERFLOW;
    *out = static_cast<float>(value);
    return S_OK;
}

HRESULT toBool(const VARIANT& v, VARIANT_BOOL* out) {
    double value = 0;
    const HRESULT hr = numberOf(v, &value);
    if (FAILED(hr))
        return hr;
    *out = value != 0 ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

HRESULT toBstr(const VARIANT& v, QString* out) {
    VARIANT plain;
    const HRESULT hr = dereference(v, &plain);
    if (FAILED(hr))
        return hr;
    switch (plain.vt) {
    case VT_EMPTY:
        out->clear();
        return S_OK;
    case VT_BSTR:
        *out = plain.bstrVal;
        return S_OK;
    case VT_I2:
        *out = QString::number(plain.iVal);
        return S_OK;
    case VT_I4:
        *out = QString::number(plain.lVal);
        return S_OK;
    case VT_UI1:
        *out = QString::number(plain.bVal);
        return S_OK;
    case VT_R4:
        *out = QString::number(plain.fltVal, 'g', 7);
        return S_OK;
    case VT_R8:
        *out = QString::number(plain.dblVal, 'g', 15);
        return S_OK;
    case VT_BOOL:
        *out = plain.boolVal ? QStringLiteral("True") : QStringLiteral("False");
        return S_OK;
    default:
        return DISP_E_TYPEMISMATCH;
    }
}

} // namespace com
