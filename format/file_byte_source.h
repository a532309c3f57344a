// A byte source over a vehicle file, read through files::RegularFile: opened read-only without
// waiting and never created, truncated or written; anything other than a regular file (a
// folder, a pipe, a device) is refused so that a read can neither hang nor run without end, and
// so is a file larger than srf::kMaxVehicleFileBytes. The size is the one the file had when it was
// opened, and blocks are copied into the caller's storage only after they are known to fit in it.
#pragma once

#include "format/byte_source.h"
#include "platform/files/regular_file.h"

#include <filesystem>

namespace srf {

class FileByteSource final : public ByteSource {
public:
    // Opens the file and owns it.
    explicit FileByteSource(const std::filesystem::path& path);
    // Reads a file the caller opened (and keeps open), from its first byte on; refused like a
    // path when it is not open or larger than srf::kMaxVehicleFileBytes.
    explicit FileByteSource(const files::RegularFile& file);
    FileByteSource(const FileByteSource&) = delete;
    FileByteSource& operator=(const FileByteSource&) = delete;

    // False when the file is not open as a regular file of at most srf::kMaxVehicleFileBytes;
    // every read then fails.
    bool isOpen() const { return file_ != nullptr; }
    // Stops reading now rather than at destruction, closing a file of its own; reads fail
    // afterwards.
    void close();

    std::uint64_t remaining() const override { return size_ - position_; }
    bool read(std::span<std::uint8_t> out) override;
    bool skip(std::uint64_t size) override;
    std::optional<std::span<const std::uint8_t>>
    readBlock(std::size_t size, std::vector<std::uint8_t>& storage) override;

private:
    void attach(const files::RegularFile& file);
    bool readFully(std::span<std::uint8_t> out);

    files::RegularFile owned_;
    const files::RegularFile* file_ = nullptr;
    std::uint64_t size_ = 0;
    std::uint64_t position_ = 0;
};

} // namespace srf
