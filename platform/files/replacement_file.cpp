#include "platform/files/replacement_file.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <pthread.h>
#include <random>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace files {
namespace {

constexpr char kNameLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
// Names already taken are tried again with other letters; this many times is plenty for 62^6
// names.
constexpr int kNameAttempts = 64;

std::string unusedName(std::mt19937_64& random) {
    std::string name = ".mh-";
    for (int i = 0; i < 6; ++i)
        name += kNameLetters[random() % (sizeof kNameLetters - 1)];
    return name;
}

// The refusal of a target that is no file to replace, as the system would word it.
int refusalError(TargetKind kind) {
    switch (kind) {
    case TargetKind::folder:
        return EISDIR;
    case TargetKind::danglingLink:
        return ENOENT;
    case TargetKind::blockDevice:
        return EPERM;
    default:
        return ENOTSUP;
    }
}

// A socket is written through a connection to whoever listens on it.
int connectTo(const std::filesystem::path& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.native().size() >= sizeof address.sun_path) {
        errno = ENAMETOOLONG;
        return -1;
    }
    std::memcpy(address.sun_path, path.c_str(), path.native().size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    int result = 0;
    do
        result = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    while (result != 0 && errno == EINTR);
    if (result != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

bool pipeSignalPending() {
    sigset_t pending;
    sigpending(&pending);
    return sigismember(&pending, SIGPIPE) == 1;
}

// A write into a pipe or socket whose reader went away raises SIGPIPE, which ends a process by
// default. The signal is held back for the call and taken away again when the write raised it
// (also a write that still got some bytes in), so the failure comes back as EPIPE.
ssize_t writeWithoutPipeSignal(int fd, const void* data, std::size_t size) {
    sigset_t pipeSignal;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    sigset_t previous;
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &previous);
    const bool pendingBefore = pipeSignalPending();
    const ssize_t written = ::write(fd, data, size);
    const int error = errno;
    if (!pendingBefore && pipeSignalPending()) {
        const timespec now{0, 0};
        while (sigtimedwait(&pipeSignal, nullptr, &now) < 0 && errno == EINTR) {
        }
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    errno = error;
    return written;
}

} // namespace

ReplacementFile::ReplacementFile(const std::filesystem::path& target, SpecialTarget special) {
    const WriteTarget resolved = resolveWriteTarget(target);
    target_ = resolved.path;
    targetKind_ = resolved.kind;
    switch (resolved.kind) {
    case TargetKind::absent:
    case TargetKind::regularFile:
        createTemporary();
        return;
    case TargetKind::stream:
        if (special == SpecialTarget::writeInPlace) {
            openInPlace(resolved.path);
            return;
        }
        break;
    case TargetKind::folder:
    case TargetKind::blockDevice:
    case TargetKind::danglingLink:
        break;
    }
    fail(Failure::create, refusalError(resolved.kind));
}

void ReplacementFile::createTemporary() {
    std::mt19937_64 random(
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        static_cast<std::uint64_t>(::getpid()));
    int error = EEXIST;
    for (int attempt = 0; attempt < kNameAttempts && error == EEXIST; ++attempt) {
        temporary_ = target_;
        temporary_.replace_filename(unusedName(random));
        fd_ =
            ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        error = fd_ < 0 ? errno : 0;
    }
    if (fd_ < 0) {
        fail(Failure::create, error);
        return;
    }
    struct stat old {};
    if (::lstat(target_.c_str(), &old) == 0 && S_ISREG(old.st_mode) &&
        ::fchmod(fd_, old.st_mode & 07777) != 0)
        fail(Failure::create, errno);
}

void ReplacementFile::openInPlace(const std::filesystem::path& path) {
    inPlace_ = true;
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0 && S_ISSOCK(status.st_mode)) {
        fd_ = connectTo(path);
    } else {
        // A pipe's open waits for its reader, as a shell's redirection does.
        do
            fd_ = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
        while (fd_ < 0 && errno == EINTR);
    }
    if (fd_ < 0)
        fail(Failure::create, errno);
}

ReplacementFile::~ReplacementFile() {
    discard();
}

void ReplacementFile::discard() {
    if (fd_ < 0)
        return;
    ::close(fd_);
    fd_ = -1;
    if (!inPlace_)
        ::unlink(temporary_.c_str());
}

bool ReplacementFile::fail(Failure step, int errorNumber) {
    if (failure_ == Failure::none) {
        failure_ = step;
        errorNumber_ = errorNumber;
    }
    discard();
    return false;
}

bool ReplacementFile::write(const void* data, std::size_t size) {
    if (failure_ != Failure::none)
        return false;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    while (size > 0) {
        const ssize_t written =
            inPlace_ ? writeWithoutPipeSignal(fd_, bytes, size) : ::write(fd_, bytes, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return fail(Failure::write, written < 0 ? errno : EIO);
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool ReplacementFile::setModificationTime(const timespec& when) {
    if (failure_ != Failure::none)
        return false;
    if (inPlace_)
        return true;
    const timespec times[2] = {{0, UTIME_OMIT}, when};
    return ::futimens(fd_, times) == 0 || fail(Failure::write, errno);
}

bool ReplacementFile::commit(Flush flush) {
    if (failure_ != Failure::none)
        return false;
    // A pipe, a socket and most character devices have nothing to flush and say so.
    if (flush == Flush::toDevice && ::fsync(fd_) != 0 &&
        !(inPlace_ && (errno == EINVAL || errno == ENOTSUP)))
        return fail(Failure::write, errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        const int closeError = errno;
        if (!inPlace_)
            ::unlink(temporary_.c_str());
        failure_ = Failure::write;
        errorNumber_ = closeError;
        return false;
    }
    if (inPlace_)
        return true;
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(temporary_.c_str());
        failure_ = Failure::rename;
        errorNumber_ = renameError;
        return false;
    }
    return true;
}

} // namespace files
