// The type library "Project1" of the card control: the class Tessel, its dual default
// interface _Tessel and its event interface __Tessel. GetIDsOfNames and Invoke work from it,
// and DllRegisterServer records it.
#pragma once

#include "platform/com/type_library.h"

namespace tessel {

const com::TypeLibraryDescription& typeLibrary();
const com::ClassDescription& tesselClass();
const com::InterfaceDescription& tesselInterface();
const com::InterfaceDescription& tesselEvents();

} // namespace tessel
