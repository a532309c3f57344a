// The system's words for an error number ("No space left on device"), as the program and the tools
// tell a user why a file could not be read or written.
#pragma once

#include <string>

namespace files {

std::string systemWords(int errorNumber);

} // namespace files
