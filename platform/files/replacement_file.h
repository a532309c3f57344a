// A file written beside its target under a temporary name and renamed over the target only when
// every byte is written, so that a failure at any point leaves an earlier file of that name as
// it was and no half-written file under it. Plain POSIX, for the parts without Qt.
#pragma once

#include <cstddef>
#include <filesystem>

namespace files {

class ReplacementFile {
public:
    // Which step failed; errorNumber() tells why.
    enum class Failure { none, create, write, rename };

    // Creates the temporary file in the target's folder, readable and writable by its owner and,
    // as the umask allows, by others.
    explicit ReplacementFile(const std::filesystem::path& target);
    // Removes the temporary file unless it was committed.
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Writes all bytes, carrying on after a short write; false when the file would not take them.
    // Does nothing once a step has failed.
    bool write(const void* data, std::size_t size);

    // Flushes the file to its device, closes it and renames it over the target.
    bool commit();

    Failure failure() const { return failure_; }
    int errorNumber() const { return errorNumber_; }

private:
    void fail(Failure step, int errorNumber);

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    int fd_ = -1;
    Failure failure_ = Failure::none;
    int errorNumber_ = 0;
};

} // namespace files
