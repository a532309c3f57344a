// The library's version record: file and product version 1.0.0.0, self-registering.
// DllRegisterServer records the file version with the class.
#pragma once

namespace tessel {

inline constexpr const char* kFileVersion = "1.0.0.0";
inline constexpr const char* kProductVersion = "1.0.0.0";
inline constexpr bool kSelfRegistering = true;

} // namespace tessel
