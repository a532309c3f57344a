// A library's description of its classes and interfaces: the type library. A server keeps it
// as constant data; GetIDsOfNames answers from it, Invoke checks and coerces its arguments
// against it, and DllRegisterServer records the identities it names.
#pragma once

#include "platform/com/com_types.h"

#include <span>

namespace com {

// The value types a member can take or give.
enum class ValueType : std::uint8_t {
    None, // a method without a result
    Int16,
    Int32,
    Float,
    Bool,
    String,
    Colour,  // OLE_COLOR: 32 bits, travels as a Long
    Variant, // any value, passed through unchanged (optional arguments)
};

enum class MemberKind : std::uint8_t { Property, Method };

struct ParameterDescription {
    const char* name;
    ValueType type;
    bool optional = false;
};

struct MemberDescription {
    const char* name;
    DISPID id;
    MemberKind kind;
    ValueType type; // the property's type, or the method's result
    std::span<const ParameterDescription> parameters = {};
};

enum InterfaceFlags : std::uint32_t {
    InterfaceHidden = 0x1,
    InterfaceDual = 0x40,
    InterfaceNonExtensible = 0x80,
    InterfaceDispatchable = 0x1000,
};

struct InterfaceDescription {
    const char* name;
    IID iid;
    std::uint32_t flags;
    std::span<const MemberDescription> members;

    const MemberDescription* member(DISPID id) const;
    // Names compare without regard to case, as the component model's do.
    const MemberDescription* member(const QString& name) const;
};

enum ClassFlags : std::uint32_t {
    ClassCanCreate = 0x2,
    ClassControl = 0x20,
};

struct ClassDescription {
    const char* name;
    CLSID clsid;
    std::uint32_t flags;
    const InterfaceDescription* defaultInterface;
    const InterfaceDescription* defaultSource;
};

struct TypeLibraryDescription {
    const char* name;
    GUID libid;
    std::uint16_t majorVersion;
    std::uint16_t minorVersion;
    LCID locale;
    const char* helpString;
    std::span<const ClassDescription> classes;
    std::span<const InterfaceDescription* const> interfaces;
};

// GetIDsOfNames over one interface: names[0] is a member, the rest its parameters, whose ids
// are their positions. Unknown names get DISPID_UNKNOWN and the call gives DISP_E_UNKNOWNNAME.
HRESULT idsOfNames(const InterfaceDescription& description, const QString* names,
                   std::uint32_t count, DISPID* ids);

} // namespace com
