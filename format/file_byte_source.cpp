#include "format/file_byte_source.h"

#include "format/srf_limits.h"

#include <new>

namespace srf {

FileByteSource::FileByteSource(const std::filesystem::path& path)
    // A file larger than any vehicle is never read, so no length in it can cost more.
    : owned_(files::RegularFile::open(path, kMaxVehicleFileBytes)) {
    attach(owned_);
}

FileByteSource::FileByteSource(const files::RegularFile& file) {
    attach(file);
}

void FileByteSource::attach(const files::RegularFile& file) {
    if (!file.isOpen() || file.size() > kMaxVehicleFileBytes)
        return;
    file_ = &file;
    size_ = file.size();
}

void FileByteSource::close() {
    owned_.close();
    file_ = nullptr;
    size_ = position_ = 0;
}

bool FileByteSource::readFully(std::span<std::uint8_t> out) {
    const files::RegularFile::Read got = file_->readAt(position_, out);
    position_ += got.bytes;
    // The file may have shrunk since it was opened: an early end is a failed read.
    return got.bytes == out.size();
}

bool FileByteSource::read(std::span<std::uint8_t> out) {
    if (!isOpen() || out.size() > remaining())
        return false;
    return readFully(out);
}

bool FileByteSource::skip(std::uint64_t size) {
    if (!isOpen() || size > remaining())
        return false;
    position_ += size;
    return true;
}

std::optional<std::span<const std::uint8_t>>
FileByteSource::readBlock(std::size_t size, std::vector<std::uint8_t>& storage) {
    if (!isOpen() || size > remaining())
        return std::nullopt;
    try {
        storage.resize(size);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    if (!readFully(storage))
        return std::nullopt;
    return std::span<const std::uint8_t>(storage);
}

} // namespace srf
