// Stand-in for the Windows FormatMessageA call over the system's message table, for the error
// codes a file operation can give. The texts are the English Windows texts, letter for letter,
// ending in CR LF as FormatMessage returns them.
#pragma once

#include <cstdint>

namespace winsys {

using DWORD = std::uint32_t;

constexpr DWORD FORMAT_MESSAGE_IGNORE_INSERTS = 0x00000200;
constexpr DWORD FORMAT_MESSAGE_FROM_SYSTEM = 0x00001000;

// Copies the text of `messageId` with its terminating NUL into `buffer` (`size` characters)
// and returns the number of characters stored without the NUL. Returns 0, with nothing
// stored, when FORMAT_MESSAGE_FROM_SYSTEM is not given, the table has no such message, or the
// text and its NUL do not fit. `source`, `languageId` and `arguments` are accepted as in the
// Windows call but have no effect: the table has one language and its texts have no inserts.
DWORD FormatMessageA(DWORD flags, const void* source, DWORD messageId, DWORD languageId,
                     char* buffer, DWORD size, void* arguments);

} // namespace winsys
