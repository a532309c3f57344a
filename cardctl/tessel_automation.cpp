// The automation side of TesselControl: GetIDsOfNames from the type library, and Invoke, which
// binds the call against the type library and then goes through the direct-call members, so
// that both ways into the card behave the same.
#include "cardctl/tessel_control.h"
#include "cardctl/tessel_type_library.h"
#include "platform/com/dispatch_binder.h"

namespace tessel {

namespace {

using StringMember = HRESULT (TesselControl::*)(QString*);
using ColourMember = HRESULT (TesselControl::*)(OLE_COLOR*);

HRESULT stringProperty(TesselControl& card, const com::BoundCall& call, com::VARIANT& out,
                       StringMember put, StringMember get) {
    QString value = call.value.bstrVal;
    if (call.propertyPut)
        return (card.*put)(&value);
    const HRESULT hr = (card.*get)(&value);
    if (com::SUCCEEDED(hr))
        out = com::variantBstr(value);
    return hr;
}

HRESULT colourProperty(TesselControl& card, const com::BoundCall& call, com::VARIANT& out,
                       ColourMember put, ColourMember get) {
    OLE_COLOR value = static_cast<OLE_COLOR>(call.value.lVal);
    if (call.propertyPut)
        return (card.*put)(&value);
    const HRESULT hr = (card.*get)(&value);
    if (com::SUCCEEDED(hr))
        out = com::variantI4(static_cast<std::int32_t>(value));
    return hr;
}

} // namespace

HRESULT TesselControl::GetTypeInfoCount(std::uint32_t* count) {
    if (!count)
        return com::E_POINTER;
    *count = 0;
    return com::S_OK;
}

HRESULT TesselControl::GetTypeInfo(std::uint32_t, com::LCID, com::ITypeInfo** out) {
    if (out)
        *out = nullptr;
    return com::E_NOTIMPL;
}

HRESULT TesselControl::GetIDsOfNames(const com::IID&, const QString* names, std::uint32_t count,
                                     com::LCID, DISPID* ids) {
    return com::idsOfNames(tesselInterface(), names, count, ids);
}

HRESULT TesselControl::Invoke(DISPID member, const com::IID&, com::LCID, std::uint16_t flags,
                              com::DISPPARAMS* params, com::VARIANT* result, com::EXCEPINFO*,
                              std::uint32_t* argError) {
    com::BoundCall call;
    const HRESULT bound =
        com::bindInvoke(tesselInterface(), member, flags, params, argError, &call);
    if (com::FAILED(bound))
        return bound;
    com::VARIANT ignored;
    com::VARIANT& out = result ? *result : ignored;
    switch (member) {
    case DISPID_DataLine1:
        return stringProperty(*this, call, out, &TesselControl::put_DataLine1,
                              &TesselControl::get_DataLine1);
    case DISPID_DataLine2:
        return stringProperty(*this, call, out, &TesselControl::put_DataLine2,
                              &TesselControl::get_DataLine2);
    case DISPID_DataLine3:
        return stringProperty(*this, call, out, &TesselControl::put_DataLine3,
                              &TesselControl::get_DataLine3);
    case DISPID_DataLine4:
        return stringProperty(*this, call, out, &TesselControl::put_DataLine4,
                              &TesselControl::get_DataLine4);
    case DISPID_ImageFile:
        return stringProperty(*this, call, out, &TesselControl::put_ImageFile,
                              &TesselControl::get_ImageFile);
    case DISPID_BackColor:
        return colourProperty(*this, call, out, &TesselControl::put_BackColor,
                              &TesselControl::get_BackColor);
    case DISPID_TextColorLine1:
        return colourProperty(*this, call, out, &TesselControl::put_TextColorLine1,
                              &TesselControl::get_TextColorLine1);
    case DISPID_TextColorLine2:
        return colourProperty(*this, call, out, &TesselControl::put_TextColorLine2,
                              &TesselControl::get_TextColorLine2);
    case DISPID_TextColorLine3:
        return colourProperty(*this, call, out, &TesselControl::put_TextColorLine3,
                              &TesselControl::get_TextColorLine3);
    case DISPID_TextColorLine4:
        return colourProperty(*this, call, out, &TesselControl::put_TextColorLine4,
                              &TesselControl::get_TextColorLine4);
    case DISPID_Selected: {
        com::VARIANT_BOOL value = call.value.boolVal;
        if (call.propertyPut)
            return put_Selected(&value);
        const HRESULT hr = get_Selected(&value);
        if (com::SUCCEEDED(hr)) {
            out.vt = com::VT_BOOL;
            out.boolVal = value;
        }
        return hr;
    }
    case DISPID_LoadImageFromFile: {
        std::int32_t loaded = 0;
        const HRESULT hr = LoadImageFromFile(&loaded);
        if (com::SUCCEEDED(hr))
            out = com::variantI4(loaded);
        return hr;
    }
    case DISPID_BltImageFromContext: {
        std::int32_t hDC = call.arguments[0].lVal;
        com::VARIANT sourceX = call.arguments[1];
        com::VARIANT sourceY = call.arguments[2];
        std::int32_t copied = 0;
        const HRESULT hr = BltImageFromContext(&hDC, &sourceX, &sourceY, &copied);
        if (com::SUCCEEDED(hr))
            out = com::variantI4(copied);
        return hr;
    }
    default:
        return com::DISP_E_MEMBERNOTFOUND;
    }
}

} // namespace tessel
