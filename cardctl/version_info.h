// The library's version: file and product version 1.0.0.0. The library registers itself
// through its DllRegisterServer, which records this version with the class.
#pragma once

namespace tessel {

inline constexpr const char* kFileVersion = "1.0.0.0";

} // namespace tessel
