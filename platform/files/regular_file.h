// A file a user owns, or one from a device, opened for reading: the twin of
// files::ReplacementFile. It is opened without waiting (a pipe without a writer cannot hold the
// open), looked at on the open descriptor and kept only when that is a regular file within the
// caller's size limit, so a folder, a pipe, a device or a socket put in a file's place is never
// read. No read goes beyond the size the file had when it was opened. Plain POSIX: the vehicle
// reader, the program's copies, its settings, its pictures and the tools all read through it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <memory>
#include <span>
#include <sys/stat.h>
#include <vector>

namespace files {

class RegularFile {
public:
    // For a caller that reads only a bounded part of a file of any size.
    static constexpr std::uint64_t kAnySize = std::numeric_limits<std::uint64_t>::max();

    // Why the file is not open; errorNumber() gives the system's reason for `open` and `status`.
    enum class Failure {
        none,
        open,       // missing, no permission, a socket or a device without a driver (ENXIO), ...
        status,     // the open descriptor could not be looked at or set to block
        notRegular, // a folder, a pipe, a device: status() tells which
        tooLarge,   // a regular file of more bytes than the caller takes
    };

    // Opens `path`, links followed, and keeps it open only when it is a regular file of at most
    // `maxBytes`.
    static RegularFile open(const std::filesystem::path& path, std::uint64_t maxBytes);

    // Open nothing.
    RegularFile() = default;
    ~RegularFile();
    RegularFile(RegularFile&& other) noexcept;
    RegularFile& operator=(RegularFile&& other) noexcept;
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    bool isOpen() const { return descriptor_ >= 0; }
    Failure failure() const { return failure_; }
    int errorNumber() const { return errorNumber_; }
    // What the open descriptor showed (type, size, device and inode, last change): also for a
    // file refused as notRegular or tooLarge.
    const struct stat& status() const { return status_; }
    // The size the file had when it was opened; 0 when it is not open.
    std::uint64_t size() const {
        return isOpen() ? static_cast<std::uint64_t>(status_.st_size) : 0;
    }

    // How a read ended.
    struct Read {
        std::size_t bytes = 0; // put into the caller's buffer
        int errorNumber = 0;   // why a read failed; 0 when the buffer was filled or the file ended
    };
    // Fills `out` with the bytes from `offset` on, carrying on after short reads and
    // interruptions. Fewer bytes than asked when the file ends first: where `out` reaches beyond
    // size(), or where the file shrank since it was opened, or when a read fails. Reads nothing
    // when the file is not open. Every read names its offset, so readers of one file never move
    // each other's place.
    Read readAt(std::uint64_t offset, std::span<std::uint8_t> out) const;

    // The whole file, up to size(), in memory: read on the first call and kept while the file is
    // open, so that everything that looks at it sees the same bytes.
    struct Content {
        // Fewer than size() when the file shrank since it was opened or a read failed.
        std::span<const std::uint8_t> bytes;
        // Why a read failed; ENOMEM when no memory could be had for the file.
        int errorNumber = 0;
    };
    Content content();

    // Closes the file now rather than at destruction; reads find nothing afterwards.
    void close();

private:
    int descriptor_ = -1;
    Failure failure_ = Failure::none;
    int errorNumber_ = 0;
    struct stat status_ {};
    bool contentRead_ = false;
    // Not zeroed when made: the read writes every byte that counts, so a zeroing pass over the
    // whole file before it would be wasted.
    std::unique_ptr<std::uint8_t[]> content_;
    std::size_t contentSize_ = 0;
    int contentError_ = 0;
};

} // namespace files
