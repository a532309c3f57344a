// The two changes the window makes to a vehicle folder: writing a vehicle into it and removing
// one from it. Each says in the system's words why it failed, and neither ever leaves a vehicle
// file truncated or removes one that is still wanted.
#pragma once

#include <QString>

// Copies the vehicle file `source` to `target`, replacing a file of that name only once the copy
// is complete (through replaceFileCopy), with the source's modification time. A target that is the
// source itself (the same path, or the same file under another name, through a link or the same
// folder reached another way) is left untouched and counts as copied. A source that is no longer a
// regular file (a FIFO, a device, a folder put in its place) is refused before it is opened, and so
// is a target that is a read-only file, which a deletion would refuse too (see removeVehicleFile).
// False when nothing was copied; `reason` then says why.
bool copyVehicleFile(const QString& source, const QString& target, QString* reason);

enum class Removal {
    Removed,
    AlreadyGone, // nothing of that name was there
    Failed,
};

// Removes the directory entry at `path`: a link goes, never the file it points to. A regular file
// that grants nobody write access is read-only and stays, as the navigator's file system keeps a
// file marked read-only. `reason` says why on Failed.
Removal removeVehicleFile(const QString& path, QString* reason);
