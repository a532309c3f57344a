// A file written beside its target and renamed over the target only when every byte is in, so a
// failure at any point leaves an earlier file of that name as it was and no half-written file
// behind. The temporary name is short (".mh-" and six letters or digits), so it fits where the
// target's own name is already as long as the file system allows. Plain POSIX: the program, the
// surface and the tools write every file through it.
#pragma once

#include <cstddef>
#include <ctime>
#include <filesystem>

namespace files {

class ReplacementFile {
public:
    // Which step failed; errorNumber() tells why.
    enum class Failure { none, create, write, rename };

    // Creates the temporary file in the target's folder. When the target is a regular file, the
    // new one takes its permissions; otherwise those a new file gets under the umask.
    explicit ReplacementFile(const std::filesystem::path& target);
    // Removes the temporary file unless it was committed.
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    // Writes all bytes, carrying on after a short write; false when the file would not take them.
    // Does nothing once a step has failed.
    bool write(const void* data, std::size_t size);
    // Gives the new file this modification time, to the nanosecond where the file system keeps it.
    bool setModificationTime(const timespec& when);
    // Flushes the file to its device (a navigator may be unplugged right after), closes it, with
    // the errors only the close reports, and renames it over the target.
    bool commit();

    Failure failure() const { return failure_; }
    int errorNumber() const { return errorNumber_; }

private:
    bool fail(Failure step, int errorNumber);

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    int fd_ = -1;
    Failure failure_ = Failure::none;
    int errorNumber_ = 0;
};

} // namespace files
