#include "tools/srftool/type_string_escape.h"

namespace srftool {

std::string escapeTypeString(std::string_view raw) {
    static constexpr char hex[] = "0123456789abcdef";
    std::string text;
    for (const char c : raw) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte <= 0x7E && byte != '\\') {
            text += c;
        } else {
            text += "\\x";
            text += hex[byte >> 4];
            text += hex[byte & 0x0F];
        }
    }
    return text;
}

} // namespace srftool
