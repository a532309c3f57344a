#include "tests/support/stream_targets.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace srftest {
namespace {

void readUntilClosed(int fd, std::vector<std::uint8_t>& bytes, std::size_t limit) {
    std::uint8_t piece[65536];
    while (bytes.size() < limit) {
        const ssize_t got = ::read(fd, piece, std::min(sizeof piece, limit - bytes.size()));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return;
        bytes.insert(bytes.end(), piece, piece + got);
    }
}

} // namespace

PipeReader::PipeReader(std::string path, std::size_t readLimit)
    : path_(std::move(path)) {
    made_ = ::mkfifo(path_.c_str(), 0600) == 0;
    if (!made_)
        return;
    // The pipe itself, even once something else takes its name.
    pipeHandle_ = ::open(path_.c_str(), O_PATH | O_CLOEXEC);
    thread_ = std::thread([this, readLimit] {
        const int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd >= 0) {
            opened_ = true;
            readUntilClosed(fd, bytes_, readLimit);
            ::close(fd);
        }
        done_ = true;
    });
}

PipeReader::~PipeReader() {
    finish();
    if (pipeHandle_ >= 0)
        ::close(pipeHandle_);
}

void PipeReader::finish() {
    if (!thread_.joinable())
        return;
    // A reader still waiting in its open (no writer came) takes a writer of ours that closes at
    // once, and ends; the open of that writer fails until the reader's own open has begun. It
    // opens the pipe itself, should a file have been renamed over it.
    const std::string pipe = "/proc/self/fd/" + std::to_string(pipeHandle_);
    while (!done_) {
        if (!opened_) {
            const int fd = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0)
                ::close(fd);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    thread_.join();
}

const std::vector<std::uint8_t>& PipeReader::bytes() {
    finish();
    return bytes_;
}

SocketListener::SocketListener(std::string path)
    : path_(std::move(path)) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path_.size() >= sizeof address.sun_path)
        return;
    std::memcpy(address.sun_path, path_.c_str(), path_.size());
    listening_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listening_ < 0)
        return;
    if (::bind(listening_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listening_, 1) != 0) {
        ::close(listening_);
        listening_ = -1;
        return;
    }
    thread_ = std::thread([this] {
        // Looks for the connection now and then, so that a listener nobody writes to can stop;
        // one already waiting is taken even then.
        for (;;) {
            pollfd waiting{listening_, POLLIN, 0};
            if (::poll(&waiting, 1, 50) > 0) {
                const int connection = ::accept4(listening_, nullptr, nullptr, SOCK_CLOEXEC);
                if (connection >= 0) {
                    readUntilClosed(connection, bytes_, SIZE_MAX);
                    ::close(connection);
                    return;
                }
            }
            if (stop_)
                return;
        }
    });
}

SocketListener::~SocketListener() {
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    if (listening_ >= 0)
        ::close(listening_);
}

const std::vector<std::uint8_t>& SocketListener::bytes() {
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    return bytes_;
}

int makeDeviceNode(const std::string& path, mode_t type, unsigned major, unsigned minor) {
    return ::mknod(path.c_str(), type | 0600, makedev(major, minor)) == 0 ? 0 : errno;
}

mode_t entryType(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 ? status.st_mode & S_IFMT : 0;
}

std::vector<std::string> temporaryFilesIn(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return names;
    while (const dirent* entry = ::readdir(dir))
        if (std::strncmp(entry->d_name, ".mh-", 4) == 0)
            names.emplace_back(entry->d_name);
    ::closedir(dir);
    return names;
}

} // namespace srftest
