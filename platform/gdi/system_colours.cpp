#include "platform/gdi/system_colours.h"

#include <array>

namespace gdi {
namespace {

constexpr COLORREF rgb(unsigned r, unsigned g, unsigned b) {
    return r | (g << 8) | (b << 16);
}

// Index = system colour number (COLOR_SCROLLBAR = 0 ... COLOR_MENUBAR = 30).
constexpr std::array<COLORREF, 31> classicDefaults = {
    rgb(212, 208, 200), rgb(58, 110, 165),  rgb(10, 36, 106),   rgb(128, 128, 128),
    rgb(212, 208, 200), rgb(255, 255, 255), rgb(0, 0, 0),       rgb(0, 0, 0),
    rgb(0, 0, 0),       rgb(255, 255, 255), rgb(212, 208, 200), rgb(212, 208, 200),
    rgb(128, 128, 128), rgb(10, 36, 106),   rgb(255, 255, 255), rgb(212, 208, 200),
    rgb(128, 128, 128), rgb(128, 128, 128), rgb(0, 0, 0),       rgb(212, 208, 200),
    rgb(255, 255, 255), rgb(64, 64, 64),    rgb(212, 208, 200), rgb(0, 0, 0),
    rgb(255, 255, 225), rgb(181, 181, 181), rgb(0, 0, 128),     rgb(166, 202, 240),
    rgb(192, 192, 192), rgb(10, 36, 106),   rgb(212, 208, 200),
};

} // namespace

COLORREF GetSysColor(int index) {
    if (index < 0 || index >= static_cast<int>(classicDefaults.size()))
        return 0;
    return classicDefaults[static_cast<std::size_t>(index)];
}

bool OleTranslateColor(std::uint32_t oleColour, COLORREF* out) {
    const std::uint32_t kind = oleColour & 0xFF000000u;
    if (kind == 0) {
        *out = oleColour;
        return true;
    }
    if (kind == SYSTEM_COLOUR_FLAG && (oleColour & 0x00FFFF00u) == 0 &&
        (oleColour & 0xFFu) < classicDefaults.size()) {
        *out = GetSysColor(static_cast<int>(oleColour & 0xFFu));
        return true;
    }
    return false;
}

} // namespace gdi
