#include "platform/com/dispatch_binder.h"

namespace com {

HRESULT coerceTo(ValueType type, const VARIANT& value, VARIANT* out) {
    HRESULT hr = S_OK;
    switch (type) {
    case ValueType::None:
        return DISP_E_TYPEMISMATCH;
    case ValueType::Int16: {
        std::int16_t v = 0;
        hr = toI2(value, &v);
        *out = variantI2(v);
        break;
    }
    case ValueType::Int32: {
        std::int32_t v = 0;
        hr = toI4(value, &v);
        *out = variantI4(v);
        break;
    }
    case ValueType::Float: {
        float v = 0;
        hr = toR4(value, &v);
        *out = variantR4(v);
        break;
    }
    case ValueType::Bool: {
        VARIANT_BOOL v = VARIANT_FALSE;
        hr = toBool(value, &v);
        *out = variantBool(v != VARIANT_FALSE);
        break;
    }
    case ValueType::String: {
        QString v;
        hr = toBstr(value, &v);
        *out = variantBstr(v);
        break;
    }
    case ValueType::Colour: {
        OLE_COLOR v = 0;
        hr = toColour(value, &v);
        *out = variantI4(static_cast<std::int32_t>(v));
        break;
    }
    case ValueType::Variant:
        *out = value;
        break;
    }
    return hr;
}

namespace {

HRESULT bindPropertyPut(const MemberDescription& member, const DISPPARAMS& params,
                        std::uint32_t* argError, BoundCall* call) {
    if (params.cArgs != 1)
        return DISP_E_BADPARAMCOUNT;
    if (params.cNamedArgs > 1 ||
        (params.cNamedArgs == 1 && params.rgdispidNamedArgs[0] != DISPID_PROPERTYPUT))
        return DISP_E_PARAMNOTFOUND;
    if (isMissing(params.rgvarg[0]))
        return DISP_E_PARAMNOTFOUND;
    const HRESULT hr = coerceTo(member.type, params.rgvarg[0], &call->value);
    if (FAILED(hr) && argError)
        *argError = 0;
    call->propertyPut = true;
    return hr;
}

HRESULT bindMethod(const MemberDescription& member, const DISPPARAMS& params,
                   std::uint32_t* argError, BoundCall* call) {
    const std::size_t declared = member.parameters.size();
    if (params.cArgs > declared)
        return DISP_E_BADPARAMCOUNT;
    // Where each declared parameter's value sits in rgvarg, or -1 when not given. Named
    // arguments come first in rgvarg; the positional ones follow, last argument first.
    std::vector<long> slot(declared, -1);
    const std::uint32_t positional = params.cArgs - params.cNamedArgs;
    for (std::uint32_t p = 0; p < positional; ++p)
        slot[p] = static_cast<long>(params.cArgs - 1 - p);
    for (std::uint32_t n = 0; n < params.cNamedArgs; ++n) {
        const DISPID position = params.rgdispidNamedArgs[n];
        if (position < 0 || static_cast<std::size_t>(position) >= declared ||
            slot[static_cast<std::size_t>(position)] != -1)
            return DISP_E_PARAMNOTFOUND;
        slot[static_cast<std::size_t>(position)] = static_cast<long>(n);
    }
    call->arguments.assign(declared, variantMissing());
    for (std::size_t p = 0; p < declared; ++p) {
        const ParameterDescription& parameter = member.parameters[p];
        if (slot[p] < 0 || isMissing(params.rgvarg[slot[p]])) {
            if (!parameter.optional)
                return DISP_E_PARAMNOTFOUND;
            continue;
        }
        const HRESULT hr = coerceTo(parameter.type, params.rgvarg[slot[p]], &call->arguments[p]);
        if (FAILED(hr)) {
            if (argError)
                *argError = static_cast<std::uint32_t>(slot[p]);
            return hr;
        }
    }
    return S_OK;
}

} // namespace

HRESULT bindInvoke(const InterfaceDescription& description, DISPID memberId, std::uint16_t flags,
                   const DISPPARAMS* params, std::uint32_t* argError, BoundCall* call) {
    if (!call)
        return E_POINTER;
    *call = BoundCall{};
    const DISPPARAMS none;
    const DISPPARAMS& p = params ? *params : none;
    if (p.cNamedArgs > p.cArgs || (p.cArgs > 0 && !p.rgvarg) ||
        (p.cNamedArgs > 0 && !p.rgdispidNamedArgs))
        return E_INVALIDARG;
    const MemberDescription* member = description.member(memberId);
    if (!member)
        return DISP_E_MEMBERNOTFOUND;
    call->member = member;
    if (member->kind == MemberKind::Property) {
        if (flags & DISPATCH_PROPERTYPUT)
            return bindPropertyPut(*member, p, argError, call);
        if (!(flags & DISPATCH_PROPERTYGET))
            return DISP_E_MEMBERNOTFOUND;
        return p.cArgs == 0 ? S_OK : DISP_E_BADPARAMCOUNT;
    }
    if (!(flags & (DISPATCH_METHOD | DISPATCH_PROPERTYGET)))
        return DISP_E_MEMBERNOTFOUND;
    return bindMethod(*member, p, argError, call);
}

} // namespace com
