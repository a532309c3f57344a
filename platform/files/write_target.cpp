#include "platform/files/write_target.h"

#include <cstdlib>
#include <sys/stat.h>

namespace files {
namespace {

TargetKind kindOf(mode_t mode) {
    if (S_ISREG(mode))
        return TargetKind::regularFile;
    if (S_ISDIR(mode))
        return TargetKind::folder;
    if (S_ISBLK(mode))
        return TargetKind::blockDevice;
    return TargetKind::stream; // S_ISFIFO, S_ISCHR, S_ISSOCK: all that is left
}

} // namespace

WriteTarget resolveWriteTarget(const std::filesystem::path& path) {
    WriteTarget target{TargetKind::absent, path, false};
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0)
        return target;
    if (!S_ISLNK(status.st_mode)) {
        target.kind = kindOf(status.st_mode);
        return target;
    }
    target.throughLink = true;
    if (::stat(path.c_str(), &status) != 0) {
        target.kind = TargetKind::danglingLink;
        return target;
    }
    target.kind = kindOf(status.st_mode);
    if (target.kind != TargetKind::regularFile)
        return target; // a stream is opened through the link; nothing else is written
    // The file the links end at, in its own folder. A file reached through /proc that is no
    // longer in any folder has no such name.
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr) {
        target.kind = TargetKind::danglingLink;
        return target;
    }
    target.path = resolved;
    std::free(resolved);
    return target;
}

} // namespace files
