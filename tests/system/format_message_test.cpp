#include "platform/system/format_message.h"
#include "platform/system/win32_error.h"

#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

using namespace winsys;

constexpr DWORD kFromSystem = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;

TEST(FormatMessage, NeedsRoomForTheTextAndItsTerminator) {
    const std::string text = "Access is denied.\r\n";
    const DWORD exact = static_cast<DWORD>(text.size() + 1);
    char buffer[64];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(FormatMessageA(kFromSystem, nullptr, ERROR_ACCESS_DENIED, 0, buffer, exact, nullptr),
              text.size());
    EXPECT_EQ(std::string(buffer), text);
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(
        FormatMessageA(kFromSystem, nullptr, ERROR_ACCESS_DENIED, 0, buffer, exact - 1, nullptr),
        0u);
    EXPECT_EQ(buffer[0], 'x') << "nothing is stored when the text does not fit";
}

TEST(FormatMessage, AnswersOnlyForTheSystemTable) {
    char buffer[256];
    EXPECT_EQ(FormatMessageA(FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, ERROR_FILE_NOT_FOUND, 0,
                             buffer, sizeof buffer, nullptr),
              0u);
    EXPECT_EQ(FormatMessageA(kFromSystem, nullptr, 12345, 0, buffer, sizeof buffer, nullptr), 0u);
    EXPECT_EQ(FormatMessageA(kFromSystem, nullptr, ERROR_FILE_NOT_FOUND, 0, nullptr, 256, nullptr),
              0u);
}

TEST(FormatMessage, EveryFileErrorHasItsWindowsText) {
    const std::pair<DWORD, std::string> cases[] = {
        {ERROR_FILE_NOT_FOUND, "The system cannot find the file specified.\r\n"},
        {ERROR_PATH_NOT_FOUND, "The system cannot find the path specified.\r\n"},
        {ERROR_ACCESS_DENIED, "Access is denied.\r\n"},
        {ERROR_WRITE_PROTECT, "The media is write protected.\r\n"},
        {ERROR_NOT_READY, "The device is not ready.\r\n"},
        {ERROR_SHARING_VIOLATION,
         "The process cannot access the file because it is being used by another process.\r\n"},
        {ERROR_HANDLE_DISK_FULL, "The disk is full.\r\n"},
        {ERROR_DISK_FULL, "There is not enough space on the disk.\r\n"},
        {ERROR_INVALID_NAME,
         "The filename, directory name, or volume label syntax is incorrect.\r\n"},
        {ERROR_FILENAME_EXCED_RANGE, "The filename or extension is too long.\r\n"},
    };
    for (const auto& [code, text] : cases) {
        char buffer[256];
        const DWORD n =
            FormatMessageA(kFromSystem, nullptr, code, 0, buffer, sizeof buffer, nullptr);
        EXPECT_EQ(std::string(buffer, n), text) << code;
    }
}

TEST(Win32Error, ErrnoValuesMapToTheWindowsCodesOfTheSameFailure) {
    const std::pair<int, std::uint32_t> cases[] = {
        {0, ERROR_SUCCESS},
        {ENOENT, ERROR_FILE_NOT_FOUND},
        {ENOTDIR, ERROR_PATH_NOT_FOUND},
        {EACCES, ERROR_ACCESS_DENIED},
        {EPERM, ERROR_ACCESS_DENIED},
        {EISDIR, ERROR_ACCESS_DENIED},
        {EROFS, ERROR_WRITE_PROTECT},
        {ENOSPC, ERROR_DISK_FULL},
        {EBUSY, ERROR_SHARING_VIOLATION},
        {EEXIST, ERROR_FILE_EXISTS},
        {ENAMETOOLONG, ERROR_FILENAME_EXCED_RANGE},
        {EMFILE, ERROR_TOO_MANY_OPEN_FILES},
        {EIO, ERROR_GEN_FAILURE},
        {EPIPE, ERROR_GEN_FAILURE},
    };
    for (const auto& [errnoValue, code] : cases) {
        EXPECT_EQ(win32ErrorFromErrno(errnoValue), code) << std::strerror(errnoValue);
        char buffer[256];
        EXPECT_NE(FormatMessageA(kFromSystem, nullptr, code, 0, buffer, sizeof buffer, nullptr), 0u)
            << "no text for " << code;
    }
}

} // namespace
