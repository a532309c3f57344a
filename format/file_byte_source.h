// A byte source over a file opened read-only. The file is never created, truncated or
// written; anything other than a regular file (a folder, a pipe, a device) is refused so that
// a read can neither hang nor run without end, and so is a file larger than
// srf::MaxVehicleFileBytes. The size is taken when the file is opened, and
// blocks are copied into the caller's storage only after they are known to fit in it.
#pragma once

#include "format/byte_source.h"

#include <filesystem>

namespace srf {

class FileByteSource final : public ByteSource {
public:
    explicit FileByteSource(const std::filesystem::path& path);
    ~FileByteSource() override;
    FileByteSource(const FileByteSource&) = delete;
    FileByteSource& operator=(const FileByteSource&) = delete;

    // False when the file could not be opened as a regular file of at most
    // srf::MaxVehicleFileBytes; every read then fails.
    bool isOpen() const { return descriptor_ >= 0; }
    // Closes the file now rather than at destruction; reads fail afterwards.
    void close();

    std::uint64_t remaining() const override { return size_ - position_; }
    bool read(std::span<std::uint8_t> out) override;
    bool skip(std::uint64_t size) override;
    std::optional<std::span<const std::uint8_t>>
    readBlock(std::size_t size, std::vector<std::uint8_t>& storage) override;

private:
    bool readFully(std::uint8_t* out, std::size_t size);

    int descriptor_ = -1;
    std::uint64_t size_ = 0;
    std::uint64_t position_ = 0;
};

} // namespace srf
