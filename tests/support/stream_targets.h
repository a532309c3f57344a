// Outputs that are no regular files, made for real in a test's own folder: a pipe with a reader,
// a Unix socket with a listener, device nodes. Each reader collects what a writer sends in a
// thread of its own until the writer closes.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <sys/types.h>
#include <thread>
#include <vector>

namespace srftest {

// Makes a pipe at `path` and reads it in a thread: the thread's open waits for a writer, as a
// reader at the end of a shell's pipe does, and reads until the writer closes, or only
// `readLimit` bytes before it closes its end (a reader that goes away early).
class PipeReader {
public:
    explicit PipeReader(std::string path, std::size_t readLimit = SIZE_MAX);
    // Waits for the reader; one that is still waiting for a writer is let go first.
    ~PipeReader();
    PipeReader(const PipeReader&) = delete;
    PipeReader& operator=(const PipeReader&) = delete;

    bool made() const { return made_; }
    // What was read, once the writer has closed (or none came): waits for the thread.
    const std::vector<std::uint8_t>& bytes();

private:
    void finish();

    std::string path_;
    bool made_ = false;
    int pipeHandle_ = -1;
    std::atomic<bool> opened_{false};
    std::atomic<bool> done_{false};
    std::vector<std::uint8_t> bytes_;
    std::thread thread_;
};

// A Unix stream socket bound at `path` that takes one connection in a thread and reads it until
// the writer closes.
class SocketListener {
public:
    explicit SocketListener(std::string path);
    ~SocketListener();
    SocketListener(const SocketListener&) = delete;
    SocketListener& operator=(const SocketListener&) = delete;

    bool made() const { return listening_ >= 0; }
    // What was read from the connection the writer made and closed; empty when none was made.
    const std::vector<std::uint8_t>& bytes();

private:
    std::string path_;
    int listening_ = -1;
    std::atomic<bool> stop_{false};
    std::vector<std::uint8_t> bytes_;
    std::thread thread_;
};

// A device node of the test's own (mknod, which needs root): 0, or why it could not be made.
int makeDeviceNode(const std::string& path, mode_t type, unsigned major, unsigned minor);

// The type bits (S_IFMT) of what stands at the path, links not followed; 0 when nothing does.
mode_t entryType(const std::string& path);

// The names in the folder that begin with ".mh-": temporary files a writer left behind.
std::vector<std::string> temporaryFilesIn(const std::string& folder);

} // namespace srftest
