#include "platform/files/regular_file.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <new>
#include <unistd.h>
#include <utility>

namespace files {

RegularFile RegularFile::open(const std::filesystem::path& path, std::uint64_t maxBytes) {
    RegularFile file;
    // Without O_NONBLOCK the open of a pipe waits for a writer, for ever if none comes; without
    // O_NOCTTY a terminal put in the file's place could become the process's controlling one.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        file.failure_ = Failure::open;
        file.errorNumber_ = errno;
        return file;
    }
    int flags = 0;
    if (::fstat(fd, &file.status_) != 0) {
        file.failure_ = Failure::status;
        file.errorNumber_ = errno;
    } else if (!S_ISREG(file.status_.st_mode)) {
        file.failure_ = Failure::notRegular;
    } else if (file.status_.st_size < 0 ||
               static_cast<std::uint64_t>(file.status_.st_size) > maxBytes) {
        file.failure_ = Failure::tooLarge;
    } else if ((flags = ::fcntl(fd, F_GETFL)) < 0 ||
               ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        // Reads of a regular file then wait for its device like any other read.
        file.failure_ = Failure::status;
        file.errorNumber_ = errno;
    }
    if (file.failure_ == Failure::none)
        file.descriptor_ = fd;
    else
        ::close(fd);
    return file;
}

RegularFile::~RegularFile() {
    close();
}

RegularFile::RegularFile(RegularFile&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1))
    , failure_(other.failure_)
    , errorNumber_(other.errorNumber_)
    , status_(other.status_)
    , contentRead_(std::exchange(other.contentRead_, false))
    , content_(std::move(other.content_))
    , contentSize_(std::exchange(other.contentSize_, 0))
    , contentError_(other.contentError_) {}

RegularFile& RegularFile::operator=(RegularFile&& other) noexcept {
    if (this != &other) {
        close();
        descriptor_ = std::exchange(other.descriptor_, -1);
        failure_ = other.failure_;
        errorNumber_ = other.errorNumber_;
        status_ = other.status_;
        contentRead_ = std::exchange(other.contentRead_, false);
        content_ = std::move(other.content_);
        contentSize_ = std::exchange(other.contentSize_, 0);
        contentError_ = other.contentError_;
    }
    return *this;
}

void RegularFile::close() {
    if (descriptor_ >= 0)
        ::close(descriptor_);
    descriptor_ = -1;
    contentRead_ = false;
    content_.reset();
    contentSize_ = 0;
    contentError_ = 0;
}

RegularFile::Read RegularFile::readAt(std::uint64_t offset, std::span<std::uint8_t> out) const {
    Read read;
    if (!isOpen() || offset >= size())
        return read;
    // Never more than the file held when it was opened: one that grows meanwhile is cut there.
    const std::size_t wanted =
        static_cast<std::size_t>(std::min<std::uint64_t>(out.size(), size() - offset));
    while (read.bytes < wanted) {
        const ssize_t got = ::pread(descriptor_, out.data() + read.bytes, wanted - read.bytes,
                                    static_cast<off_t>(offset + read.bytes));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            read.errorNumber = errno;
            break;
        }
        // The file shrank since it was opened.
        if (got == 0)
            break;
        read.bytes += static_cast<std::size_t>(got);
    }
    return read;
}

RegularFile::Content RegularFile::content() {
    if (!contentRead_ && isOpen()) {
        contentRead_ = true;
        const auto bytes = static_cast<std::size_t>(size());
        content_.reset(new (std::nothrow) std::uint8_t[bytes]);
        if (!content_) {
            contentError_ = ENOMEM;
        } else {
            const Read read = readAt(0, {content_.get(), bytes});
            contentSize_ = read.bytes;
            contentError_ = read.errorNumber;
        }
    }
    return {{content_.get(), contentSize_}, contentError_};
}

} // namespace files
