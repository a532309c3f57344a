#include "platform/com/host.h"

#include <algorithm>

namespace com {

namespace {

// An exception raised by the member comes back as its own status.
HRESULT invoke(IDispatch* object, DISPID member, std::uint16_t flags, DISPPARAMS* params,
               VARIANT* result) {
    if (!object)
        return E_POINTER;
    // The caller's reference: an event handler run by this call may release the object's last
    // other one, and the object must outlive its own member.
    const ComPtr<IDispatch> caller = [object] {
        object->AddRef();
        return ComPtr<IDispatch>::attach(object);
    }();
    EXCEPINFO exception;
    std::uint32_t argError = 0;
    const HRESULT hr =
        object->Invoke(member, GUID_NULL, 0, flags, params, result, &exception, &argError);
    if (hr == DISP_E_EXCEPTION && FAILED(exception.scode))
        return exception.scode;
    return hr;
}

} // namespace

HRESULT DispatchPut(IDispatch* object, DISPID member, const VARIANT& value) {
    VARIANT argument = value;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&argument, &named, 1, 1};
    return invoke(object, member, DISPATCH_PROPERTYPUT, &params, nullptr);
}

HRESULT DispatchGet(IDispatch* object, DISPID member, VARIANT* result) {
    if (!result)
        return E_POINTER;
    *result = VARIANT{};
    DISPPARAMS params;
    return invoke(object, member, DISPATCH_PROPERTYGET, &params, result);
}

HRESULT DispatchCall(IDispatch* object, DISPID member, std::vector<VARIANT> arguments,
                     VARIANT* result) {
    std::reverse(arguments.begin(), arguments.end());
    DISPPARAMS params{arguments.data(), nullptr, static_cast<std::uint32_t>(arguments.size()), 0};
    VARIANT ignored;
    return invoke(object, member, DISPATCH_METHOD, &params, result ? result : &ignored);
}

} // namespace com
