#include "cardctl/tessel_type_library.h"

#include "cardctl/tessel_interface.h"

namespace tessel {

namespace {

using com::MemberDescription;
using com::MemberKind;
using com::ParameterDescription;
using com::ValueType;

constexpr ParameterDescription kBltParameters[] = {
    {"hDC", ValueType::Int32},
    {"lngSrcXStart", ValueType::Variant, true},
    {"lngSrcYStart", ValueType::Variant, true},
};

constexpr MemberDescription kTesselMembers[] = {
    {"DataLine1", DISPID_DataLine1, MemberKind::Property, ValueType::String},
    {"DataLine2", DISPID_DataLine2, MemberKind::Property, ValueType::String},
    {"DataLine3", DISPID_DataLine3, MemberKind::Property, ValueType::String},
    {"DataLine4", DISPID_DataLine4, MemberKind::Property, ValueType::String},
    {"ImageFile", DISPID_ImageFile, MemberKind::Property, ValueType::String},
    {"BackColor", DISPID_BackColor, MemberKind::Property, ValueType::Colour},
    {"TextColorLine1", DISPID_TextColorLine1, MemberKind::Property, ValueType::Colour},
    {"TextColorLine2", DISPID_TextColorLine2, MemberKind::Property, ValueType::Colour},
    {"TextColorLine3", DISPID_TextColorLine3, MemberKind::Property, ValueType::Colour},
    {"TextColorLine4", DISPID_TextColorLine4, MemberKind::Property, ValueType::Colour},
    {"Selected", DISPID_Selected, MemberKind::Property, ValueType::Bool},
    {"LoadImageFromFile", DISPID_LoadImageFromFile, MemberKind::Method, ValueType::Int32},
    {"BltImageFromContext", DISPID_BltImageFromContext, MemberKind::Method, ValueType::Int32,
     kBltParameters},
};

constexpr ParameterDescription kMouseParameters[] = {
    {"Button", ValueType::Int16},
    {"Shift", ValueType::Int16},
    {"X", ValueType::Float},
    {"Y", ValueType::Float},
};

constexpr MemberDescription kEventMembers[] = {
    {"MouseMove", DISPID_MouseMove, MemberKind::Method, ValueType::None, kMouseParameters},
    {"MouseDown", DISPID_MouseDown, MemberKind::Method, ValueType::None, kMouseParameters},
    {"MouseUp", DISPID_MouseUp, MemberKind::Method, ValueType::None, kMouseParameters},
    {"Click", DISPID_Click, MemberKind::Method, ValueType::None},
};

constexpr com::InterfaceDescription kTessel{"_Tessel", IID__Tessel,
                                            com::InterfaceHidden | com::InterfaceDual |
                                                com::InterfaceNonExtensible |
                                                com::InterfaceDispatchable,
                                            kTesselMembers};

constexpr com::InterfaceDescription kTesselEvents{
    "__Tessel", DIID___Tessel, com::InterfaceHidden | com::InterfaceDispatchable, kEventMembers};

constexpr com::ClassDescription kClasses[] = {
    {"Tessel", CLSID_Tessel, com::ClassCanCreate | com::ClassControl, &kTessel, &kTesselEvents},
};

constexpr const com::InterfaceDescription* kInterfaces[] = {&kTessel, &kTesselEvents};

constexpr com::TypeLibraryDescription kProject1{"Project1", LIBID_Project1, 1,        0,
                                                0x409,      "Project1",     kClasses, kInterfaces};

} // namespace

const com::TypeLibraryDescription& typeLibrary() {
    return kProject1;
}

const com::ClassDescription& tesselClass() {
    return kClasses[0];
}

const com::InterfaceDescription& tesselInterface() {
    return kTessel;
}

const com::InterfaceDescription& tesselEvents() {
    return kTesselEvents;
}

} // namespace tessel
