#include "app/leftover_temporaries.h"

#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <QFile>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr char kPrefix[] = ".mh-";
constexpr qsizetype kPrefixLength = sizeof kPrefix - 1;
constexpr qsizetype kLetterCount = 6;

bool letterOrDigit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool leftOver(const struct stat& status, const timespec& now) {
    const auto age = std::chrono::seconds(now.tv_sec - status.st_mtim.tv_sec) +
                     std::chrono::nanoseconds(now.tv_nsec - status.st_mtim.tv_nsec);
    return S_ISREG(status.st_mode) && age > kLeftoverAge;
}

} // namespace

bool isTemporaryFileName(const QByteArray& name) {
    if (name.size() != kPrefixLength + kLetterCount || !name.startsWith(kPrefix))
        return false;
    for (qsizetype i = kPrefixLength; i < name.size(); ++i) {
        if (!letterOrDigit(name[i]))
            return false;
    }
    return true;
}

void removeLeftoverTemporaries(const QString& folder) {
    if (folder.isEmpty())
        return;
    const int fd = ::open(QFile::encodeName(folder).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return;
    DIR* dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return;
    }
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    // Deleted once the folder is read, so the reading skips nothing.
    std::vector<QByteArray> names;
    while (const dirent* entry = ::readdir(dir)) {
        struct stat status {};
        if (isTemporaryFileName(entry->d_name) &&
            ::fstatat(fd, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            leftOver(status, now))
            names.emplace_back(entry->d_name);
    }
    for (const QByteArray& name : names)
        ::unlinkat(fd, name.constData(), 0);
    ::closedir(dir);
}
