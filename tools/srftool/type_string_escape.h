#pragma once

#include <string>
#include <string_view>

namespace srftool {

// Printable ASCII (0x20..0x7E) as it is, every other byte and the backslash itself as \xHH with
// two lower-case hex digits, so any type string prints on one line and reads back unambiguously.
std::string escapeTypeString(std::string_view raw);

} // namespace srftool
