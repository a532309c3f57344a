// What a path that a file is to be written to names, its links followed: where a
// files::ReplacementFile puts its bytes, and what it refuses.
#pragma once

#include <filesystem>

namespace files {

enum class TargetKind {
    absent,       // nothing yet: a new file is made there
    regularFile,  // replaced whole by a new file beside it
    stream,       // a pipe, a character device or a socket: only ever written in place
    folder,       // never written
    blockDevice,  // never written: a disk, not a file
    danglingLink, // a link that leads nowhere (a missing file, a loop): never written
};

struct WriteTarget {
    TargetKind kind = TargetKind::absent;
    // Where the bytes go: the path itself, or for a link that leads to a regular file that file,
    // so that it is replaced in its own folder and the link stays.
    std::filesystem::path path;
    // The path is a link (kind then tells what it leads to).
    bool throughLink = false;
};

// Looks at the path without opening it, so that nothing can block. Errors other than a missing
// entry (no permission to look, a file where a folder should be) give `absent`: the write then
// fails with the system's own reason.
WriteTarget resolveWriteTarget(const std::filesystem::path& path);

} // namespace files
