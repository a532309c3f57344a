#include "app/replacement_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <QFile>
#include <QRandomGenerator>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char NameLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
// Names already taken are tried again with other letters; this many times is plenty for
// 62^6 names.
constexpr int NameAttempts = 64;

QByteArray folderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return ".";
    if (slash == 0)
        return "/";
    return path.left(slash);
}

QByteArray unusedName(const QByteArray& folder) {
    QByteArray name = folder + "/.mh-";
    for (int i = 0; i < 6; ++i)
        name.append(NameLetters[QRandomGenerator::global()->bounded(
            static_cast<int>(sizeof NameLetters - 1))]);
    return name;
}

} // namespace

ReplacementFile::ReplacementFile(const QString& target)
    : target_(QFile::encodeName(target)) {
    const QByteArray folder = folderOf(target_);
    int error = EEXIST;
    for (int attempt = 0; attempt < NameAttempts && error == EEXIST; ++attempt) {
        temporary_ = unusedName(folder);
        descriptor_ = ::open(temporary_.constData(),
                             O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        error = descriptor_ < 0 ? errno : 0;
    }
    if (descriptor_ < 0) {
        temporary_.clear();
        fail(error);
        return;
    }
    struct stat old {};
    if (::lstat(target_.constData(), &old) == 0 && S_ISREG(old.st_mode) &&
        ::fchmod(descriptor_, old.st_mode & 07777) != 0)
        fail(errno);
}

ReplacementFile::~ReplacementFile() {
    if (descriptor_ >= 0)
        ::close(descriptor_);
    if (!committed_ && !temporary_.isEmpty())
        ::unlink(temporary_.constData());
}

bool ReplacementFile::fail(int error) {
    if (error_.isEmpty())
        error_ = QString::fromLocal8Bit(std::strerror(error));
    return false;
}

bool ReplacementFile::write(const void* data, std::size_t size) {
    if (descriptor_ < 0 || !error_.isEmpty())
        return false;
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = ::write(descriptor_, bytes, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return fail(errno);
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool ReplacementFile::setModificationTime(const timespec& when) {
    if (descriptor_ < 0 || !error_.isEmpty())
        return false;
    const timespec times[2] = {{0, UTIME_OMIT}, when};
    return ::futimens(descriptor_, times) == 0 || fail(errno);
}

bool ReplacementFile::commit() {
    if (descriptor_ < 0 || !error_.isEmpty())
        return false;
    // A full disk or a lost network share may only show at the close.
    const int closed = ::close(descriptor_);
    descriptor_ = -1;
    if (closed != 0)
        return fail(errno);
    if (::rename(temporary_.constData(), target_.constData()) != 0)
        return fail(errno);
    committed_ = true;
    return true;
}
