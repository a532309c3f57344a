#include "platform/com/com_types.h"

namespace com {

namespace {

// Positions of the hex digits of each byte in "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
constexpr int kTextLength = 38;
constexpr int kDashes[] = {9, 14, 19, 24};

int hexValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

// Reads `digits` hex digits starting at `position`; false when any is not a hex digit.
bool readHex(const QString& text, int position, int digits, std::uint64_t* value) {
    std::uint64_t result = 0;
    for (int i = 0; i < digits; ++i) {
        const int d = hexValue(text.at(position + i));
        if (d < 0)
            return false;
        result = result << 4 | static_cast<std::uint64_t>(d);
    }
    *value = result;
    return true;
}

} // namespace

QString GUID::toString() const {
    return QString::asprintf("{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", Data1, Data2,
                             Data3, Data4[0], Data4[1], Data4[2], Data4[3], Data4[4], Data4[5],
                             Data4[6], Data4[7]);
}

bool GUID::fromString(const QString& text, GUID* out) {
    if (!out || text.size() != kTextLength || text.front() != u'{' || text.back() != u'}')
        return false;
    for (int dash : kDashes) {
        if (text.at(dash) != u'-')
            return false;
    }
    std::uint64_t data1 = 0, data2 = 0, data3 = 0, bytes[8] = {};
    if (!readHex(text, 1, 8, &data1) || !readHex(text, 10, 4, &data2) ||
        !readHex(text, 15, 4, &data3) || !readHex(text, 20, 2, &bytes[0]) ||
        !readHex(text, 22, 2, &bytes[1]))
        return false;
    for (int i = 0; i < 6; ++i) {
        if (!readHex(text, 25 + 2 * i, 2, &bytes[2 + i]))
            return false;
    }
    GUID g;
    g.Data1 = static_cast<std::uint32_t>(data1);
    g.Data2 = static_cast<std::uint16_t>(data2);
    g.Data3 = static_cast<std::uint16_t>(data3);
    for (int i = 0; i < 8; ++i)
        g.Data4[i] = static_cast<std::uint8_t>(bytes[i]);
    *out = g;
    return true;
}

} // namespace com
