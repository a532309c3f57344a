// A file written beside its target and renamed over the target only when every byte is in, so a
// failure at any point leaves an earlier file of that name as it was and no half-written file
// behind. The temporary name is short (".mh-" and six letters or digits), so it fits where the
// target's own name is already as long as the file system allows. Plain POSIX: the program, the
// surface and the tools write every file through it.
//
// The target is looked at first (files::resolveWriteTarget): a link is followed, and the regular
// file it leads to is replaced in its own folder while the link stays; a folder, a block device
// and a link that leads nowhere are refused. A pipe, a character device or a socket cannot be
// replaced by renaming without destroying it: the caller chooses whether such a target is written
// in place (an output a user names on a command line: /dev/stdout, a pipe) or refused (the
// program's own files, which must never block or go into a device).
#pragma once

#include "platform/files/write_target.h"

#include <cstddef>
#include <ctime>
#include <filesystem>

namespace files {

// Whether commit() waits until the bytes are on the device. A file that is only a cache of
// another (the working folder's copies of the navigator's vehicles) is complete after the rename
// all the same and, lost to a power cut, is made again from its original.
enum class Flush {
    toDevice,
    none,
};

enum class SpecialTarget {
    writeInPlace, // opened and written as it is: no temporary file, no rename
    refuse,       // not written: the constructor fails with ENOTSUP
};

class ReplacementFile {
public:
    // Which step failed; errorNumber() tells why.
    enum class Failure { none, create, write, rename };

    // Creates the temporary file in the folder of the file the target names. When that is a
    // regular file, the new one takes its permissions; otherwise those a new file gets under the
    // umask. A target that is refused fails as `create`: EISDIR for a folder, ENOENT for a link
    // that leads nowhere, EPERM for a block device and ENOTSUP for a refused pipe, device or
    // socket.
    ReplacementFile(const std::filesystem::path& target, SpecialTarget special);
    // Removes the temporary file unless it was committed.
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    // What the target named when the file was begun.
    TargetKind targetKind() const { return targetKind_; }
    // Writes all bytes, carrying on after a short write; false when the file would not take them.
    // Does nothing once a step has failed. A reader of a pipe or socket that goes away fails the
    // write with EPIPE rather than ending the process.
    bool write(const void* data, std::size_t size);
    // Gives the new file this modification time, to the nanosecond where the file system keeps it.
    // A target written in place keeps its own.
    bool setModificationTime(const timespec& when);
    // Flushes the file to its device (a navigator may be unplugged right after) unless `flush` is
    // Flush::none, closes it, with the errors only the close reports, and renames it over the
    // target. A target written in place is flushed where it can be (a pipe or /dev/null cannot,
    // which is no failure) and closed.
    bool commit(Flush flush = Flush::toDevice);

    Failure failure() const { return failure_; }
    int errorNumber() const { return errorNumber_; }

private:
    bool fail(Failure step, int errorNumber);
    void openInPlace(const std::filesystem::path& path);
    void createTemporary();
    // Closes the descriptor and removes the temporary file, if there is one.
    void discard();

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    TargetKind targetKind_ = TargetKind::absent;
    bool inPlace_ = false;
    int fd_ = -1;
    Failure failure_ = Failure::none;
    int errorNumber_ = 0;
};

} // namespace files
