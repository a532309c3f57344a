// The four entry points of an in-process server library, exported with C linkage under these
// names. The host and the registration tool resolve them with QLibrary.
#pragma once

#include "platform/com/com_types.h"

namespace com {

using DllRegisterServerFunction = HRESULT (*)();
using DllUnregisterServerFunction = HRESULT (*)();
using DllGetClassObjectFunction = HRESULT (*)(const CLSID& clsid, const IID& iid, void** out);
using DllCanUnloadNowFunction = HRESULT (*)();

constexpr const char* kDllRegisterServer = "DllRegisterServer";
constexpr const char* kDllUnregisterServer = "DllUnregisterServer";
constexpr const char* kDllGetClassObject = "DllGetClassObject";
constexpr const char* kDllCanUnloadNow = "DllCanUnloadNow";

} // namespace com

// A server library defines its entry points with this marker so that they are exported even
// when the rest of the library is built with hidden symbols.
#define COM_SERVER_EXPORT extern "C" __attribute__((visibility("default")))
