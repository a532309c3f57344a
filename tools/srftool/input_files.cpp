#include "tools/srftool/input_files.h"

#include "format/srf_limits.h"
#include "platform/files/system_words.h"

#include <cerrno>
#include <sys/stat.h>
#include <vector>

namespace srftool {

std::string openFailure(const files::RegularFile& file) {
    if (file.failure() == files::RegularFile::Failure::open && file.errorNumber() == ENOENT)
        return "no such file";
    return files::systemWords(file.errorNumber());
}

Failure openVehicleFile(const std::string& path, files::RegularFile& file) {
    // A pipe without a writer must not stop the tool, and only a regular file no larger than
    // any vehicle is read at all.
    file = files::RegularFile::open(path, srf::kMaxVehicleFileBytes);
    switch (file.failure()) {
    case files::RegularFile::Failure::none:
        return {};
    case files::RegularFile::Failure::notRegular:
        if (S_ISDIR(file.status().st_mode))
            return "it is a folder, not a file";
        return "it is not a regular file";
    case files::RegularFile::Failure::tooLarge:
        return "it is larger than 64 MiB, which no vehicle is";
    default:
        return openFailure(file);
    }
}

std::optional<std::uint8_t> byteSumOf(const files::RegularFile& file) {
    if (!file.isOpen())
        return std::nullopt;
    std::uint8_t total = 0;
    std::vector<std::uint8_t> piece(64 * 1024);
    std::uint64_t offset = 0;
    while (offset < file.size()) {
        const files::RegularFile::Read got = file.readAt(offset, piece);
        if (got.bytes == 0)
            return std::nullopt;
        for (std::size_t i = 0; i < got.bytes; ++i)
            total = static_cast<std::uint8_t>(total + piece[i]);
        offset += got.bytes;
    }
    return total;
}

} // namespace srftool
