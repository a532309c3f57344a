// The vehicle files of a folder and the two changes made to them: the listing's vehicle files, the
// working folder that holds the copies of the navigator's vehicles, the one copy of a vehicle file
// (the listing's into that folder, the window's between the panes), which never leaves a truncated
// file behind, and the deletion. Each change says in the system's words why it failed, and
// neither ever removes a vehicle file that is still wanted.
#pragma once

#include "platform/files/replacement_file.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <QString>
#include <QStringList>

// The working folder "temp" that holds the copies of the navigator's vehicles, below the folder
// the program keeps its state in.
QString workingFolder(const QString& stateFolder);

// Creates the folder when it is missing. False when it cannot be had, or when a file stands in
// its place.
bool ensureFolder(const QString& path);

// A file's size and last change, to the full precision the file system keeps.
struct FileStamp {
    std::int64_t size = 0;
    std::int64_t seconds = 0;
    std::int64_t nanoseconds = 0;
    bool operator==(const FileStamp&) const = default;
};

// The stamp of a vehicle file, links followed. Nothing when the name is gone or names no vehicle
// file: only a regular file of at most srf::kMaxVehicleFileBytes is one, never a device, pipe,
// socket or folder, which reading could block on or never finish.
std::optional<FileStamp> vehicleFileStamp(const QString& path);

// The names of the folder's "*.srf" vehicle files, matched without regard to letter case (CAR.SRF
// is a vehicle too), in the order the file system lists them: no sorting. Only what
// vehicleFileStamp takes for a vehicle file counts, and no hidden (dot) files. Nothing when the
// folder cannot be listed.
std::optional<QStringList> listVehicleFileNames(const QString& folder);

// The largest piece a copy reads and writes at once; CopyOptions::continues is asked after each.
inline constexpr std::size_t kCopyPieceBytes = std::size_t{1} << 20;

struct CopyOptions {
    // The copy takes the source's modification time.
    bool keepModificationTime = false;
    // A target that is a read-only file is left alone, as a deletion leaves it (removeVehicleFile).
    bool refuseReadOnlyTarget = false;
    // Whether the copy is on the device before it takes the target's name. Only a copy that is a
    // cache of its source, made again from it when lost (the working folder's), goes without.
    files::Flush flush = files::Flush::toDevice;
    // Asked after every piece; false stops the copy, which then leaves the target as it was.
    std::function<bool()> continues;
};

enum class CopyResult {
    Copied,
    // The source is gone, or is not a vehicle file (see vehicleFileStamp).
    NotAVehicleFile,
    // The source could not be opened or read (an I/O error of a worn card, no permission).
    Unreadable,
    // CopyOptions::continues said no.
    Stopped,
    // CopyOptions::refuseReadOnlyTarget found the target a read-only file.
    ReadOnlyTarget,
    // The target could not be written, or is no file to write (a folder, a pipe, a device, a
    // socket; files::SpecialTarget::refuse).
    Failed,
};

// Copies the vehicle file `source` to `target`, replacing a file of that name only once the copy is
// complete. The source is opened once (files::RegularFile), without waiting (a pipe cannot block
// the copy), and copied only when the open file is a regular file of at most
// srf::kMaxVehicleFileBytes; at most the size it had when opened is read. The bytes go into a new
// file beside the target that is renamed over it at the end, so a copy that fails leaves the
// target as it was. A target that is the source itself (the same path, or the same file under
// another name: through a link, or the same folder reached another way) is left untouched and
// counts as copied. `reason` receives why when the result is not Copied: the system's words,
// "Not a regular file" for a source that is none, or "Read-only file".
CopyResult copyVehicleFile(const QString& source, const QString& target,
                           const CopyOptions& options = {}, QString* reason = nullptr);

// Whether `copy` is a regular file of its own (not a link) with the stamp `original` has: a copy
// made with CopyOptions::keepModificationTime of a file that has not changed since.
bool copyIsCurrent(const FileStamp& original, const QString& copy);

// Whether the two paths name one file (the same device and inode, links followed). False when
// either cannot be looked at.
bool sameFile(const QString& first, const QString& second);

enum class Removal {
    Removed,
    AlreadyGone, // nothing of that name was there
    Failed,
};

// Removes the directory entry at `path`: a link goes, never the file it points to. A regular file
// that grants nobody write access is read-only and stays, as the navigator's file system keeps a
// file marked read-only. `reason` says why on Failed.
Removal removeVehicleFile(const QString& path, QString* reason);

// Moves the directory entry at `path` into the user's trash (the freedesktop trash of its volume,
// or the home trash on the home volume), from where the user can bring it back; on a volume
// without a trash it is removed as removeVehicleFile removes it. A read-only file stays, as it
// does there.
Removal trashVehicleFile(const QString& path, QString* reason);
