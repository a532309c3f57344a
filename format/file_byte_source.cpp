#include "format/file_byte_source.h"

#include "format/srf_limits.h"

#include <cerrno>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace srf {

FileByteSource::FileByteSource(const std::filesystem::path& path) {
    // Non-blocking, so that opening a pipe that has no writer cannot wait forever; the file is
    // refused below anyway unless it is a regular file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return;
    struct stat status {};
    // A file larger than any vehicle is never read, so no length in it can cost more.
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size < 0 ||
        static_cast<std::uint64_t>(status.st_size) > MaxVehicleFileBytes) {
        ::close(fd);
        return;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return;
    }
    descriptor_ = fd;
    size_ = static_cast<std::uint64_t>(status.st_size);
}

FileByteSource::~FileByteSource() {
    close();
}

void FileByteSource::close() {
    if (descriptor_ >= 0)
        ::close(descriptor_);
    descriptor_ = -1;
    size_ = position_ = 0;
}

bool FileByteSource::readFully(std::uint8_t* out, std::size_t size) {
    while (size > 0) {
        const ssize_t got = ::read(descriptor_, out, size);
        if (got < 0 && errno == EINTR)
            continue;
        // The file may have shrunk since it was opened: an early end is a failed read.
        if (got <= 0)
            return false;
        out += got;
        size -= static_cast<std::size_t>(got);
        position_ += static_cast<std::uint64_t>(got);
    }
    return true;
}

bool FileByteSource::read(std::span<std::uint8_t> out) {
    if (!isOpen() || out.size() > remaining())
        return false;
    return readFully(out.data(), out.size());
}

bool FileByteSource::skip(std::uint64_t size) {
    if (!isOpen() || size > remaining())
        return false;
    if (::lseek(descriptor_, static_cast<off_t>(size), SEEK_CUR) < 0)
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
    if (!readFully(storage.data(), size))
        return std::nullopt;
    return std::span<const std::uint8_t>(storage);
}

} // namespace srf
