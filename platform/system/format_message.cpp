#include "platform/system/format_message.h"

#include "platform/system/win32_error.h"

#include <cstring>
#include <string_view>

namespace winsys {
namespace {

struct Message {
    DWORD code;
    std::string_view text;
};

constexpr Message kMessages[] = {
    {ERROR_SUCCESS, "The operation completed successfully.\r\n"},
    {ERROR_INVALID_FUNCTION, "Incorrect function.\r\n"},
    {ERROR_FILE_NOT_FOUND, "The system cannot find the file specified.\r\n"},
    {ERROR_PATH_NOT_FOUND, "The system cannot find the path specified.\r\n"},
    {ERROR_TOO_MANY_OPEN_FILES, "The system cannot open the file.\r\n"},
    {ERROR_ACCESS_DENIED, "Access is denied.\r\n"},
    {ERROR_INVALID_HANDLE, "The handle is invalid.\r\n"},
    {ERROR_NOT_ENOUGH_MEMORY,
     "Not enough memory resources are available to process this command.\r\n"},
    {ERROR_OUTOFMEMORY, "Not enough memory resources are available to complete this "
                        "operation.\r\n"},
    {ERROR_INVALID_DRIVE, "The system cannot find the drive specified.\r\n"},
    {ERROR_WRITE_PROTECT, "The media is write protected.\r\n"},
    {ERROR_NOT_READY, "The device is not ready.\r\n"},
    {ERROR_WRITE_FAULT, "The system cannot write to the specified device.\r\n"},
    {ERROR_READ_FAULT, "The system cannot read from the specified device.\r\n"},
    {ERROR_GEN_FAILURE, "A device attached to the system is not functioning.\r\n"},
    {ERROR_SHARING_VIOLATION,
     "The process cannot access the file because it is being used by another process.\r\n"},
    {ERROR_LOCK_VIOLATION, "The process cannot access the file because another process has "
                           "locked a portion of the file.\r\n"},
    {ERROR_HANDLE_DISK_FULL, "The disk is full.\r\n"},
    {ERROR_FILE_EXISTS, "The file exists.\r\n"},
    {ERROR_INVALID_PARAMETER, "The parameter is incorrect.\r\n"},
    {ERROR_DISK_FULL, "There is not enough space on the disk.\r\n"},
    {ERROR_INVALID_NAME, "The filename, directory name, or volume label syntax is incorrect.\r\n"},
    {ERROR_BAD_PATHNAME, "The specified path is invalid.\r\n"},
    {ERROR_ALREADY_EXISTS, "Cannot create a file when that file already exists.\r\n"},
    {ERROR_FILENAME_EXCED_RANGE, "The filename or extension is too long.\r\n"},
};

} // namespace

DWORD FormatMessageA(DWORD flags, const void*, DWORD messageId, DWORD, char* buffer, DWORD size,
                     void*) {
    if (!(flags & FORMAT_MESSAGE_FROM_SYSTEM) || !buffer)
        return 0;
    for (const Message& m : kMessages) {
        if (m.code != messageId)
            continue;
        if (m.text.size() + 1 > size)
            return 0;
        std::memcpy(buffer, m.text.data(), m.text.size());
        buffer[m.text.size()] = '\0';
        return static_cast<DWORD>(m.text.size());
    }
    return 0;
}

} // namespace winsys
