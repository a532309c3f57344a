// A new file that replaces another whole: it is written under a short hidden name in the folder of
// the file it replaces and renamed over that file once every byte is in, so the old file stays as
// it was until the new one is complete, and a write that fails leaves nothing behind. The short
// name (".mh-" and six letters or digits) fits where the replaced file's own name is already as
// long as the file system allows.
#pragma once

#include <cstddef>
#include <ctime>
#include <QByteArray>
#include <QString>

class ReplacementFile {
public:
    // Creates the new file beside `target`. When the target is a regular file, the new one takes
    // its permissions; otherwise those a new file gets.
    explicit ReplacementFile(const QString& target);
    // Removes the new file unless it was committed.
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    bool isOpen() const { return descriptor_ >= 0; }
    // Writes all the bytes, or fails on the first error.
    bool write(const void* data, std::size_t size);
    // Gives the new file this modification time, to the nanosecond where the file system keeps it.
    bool setModificationTime(const timespec& when);
    // Closes the file, with the errors only the close reports, and renames it over the target.
    bool commit();
    // The system's words for the first failure.
    const QString& errorString() const { return error_; }

private:
    bool fail(int error);

    QByteArray target_;
    QByteArray temporary_;
    int descriptor_ = -1;
    bool committed_ = false;
    QString error_;
};
