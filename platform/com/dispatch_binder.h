// The checking half of IDispatch::Invoke, driven by an interface's type-library description:
// a server's Invoke binds the call here and then only maps the member to its own code.
#pragma once

#include "platform/com/type_library.h"

#include <vector>

namespace com {

// One Invoke call bound to the member it names.
struct BoundCall {
    const MemberDescription* member = nullptr;
    bool propertyPut = false; // a write: `value` holds the new value, coerced to the property
    VARIANT value;
    // The method's arguments in their natural order, coerced to their types; an optional
    // argument that was not given is variantMissing().
    std::vector<VARIANT> arguments;
};

// Fails with DISP_E_MEMBERNOTFOUND for an unknown DISPID or a call kind the member does not
// have (a write to a method, a method call of a property), DISP_E_BADPARAMCOUNT for more
// arguments than the member takes or any argument to a property read, DISP_E_PARAMNOTFOUND for
// a required argument that is missing or a named argument the member does not have, and
// DISP_E_TYPEMISMATCH or DISP_E_OVERFLOW for a value that does not convert, with *argError the
// index of that value in params->rgvarg.
HRESULT bindInvoke(const InterfaceDescription& description, DISPID member, std::uint16_t flags,
                   const DISPPARAMS* params, std::uint32_t* argError, BoundCall* call);

// Converts a value to a described type (Variant passes it through as it is).
HRESULT coerceTo(ValueType type, const VARIANT& value, VARIANT* out);

} // namespace com
