// Calling a server library's own registration: what the regsvr tool does, also usable by
// tests and set-up code that register a freshly built library.
#pragma once

#include "platform/com/com_types.h"

namespace com {

enum class SelfRegistration { Register, Unregister };

// Loads the library (a relative path is taken from the current folder) and calls its
// DllRegisterServer or DllUnregisterServer. Gives the call's status, or CO_E_DLLNOTFOUND /
// CO_E_ERRORINDLL when the library does not load or lacks the entry point. `report` receives
// one readable line: "DllRegisterServer in /abs/libtessel.so succeeded." and the like.
HRESULT callSelfRegistration(const QString& library, SelfRegistration which, QString* report);

} // namespace com
