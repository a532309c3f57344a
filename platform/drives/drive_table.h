// Drive letters on Linux. The letters D to Z stand, in order, for the mounted volumes whose mount
// point lies below /media, /run/media or /mnt (where desktops and people mount removable media),
// sorted by mount point. The table is read afresh at every call, so a volume mounted a minute ago
// is there. Tests give the window a table of their own.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace drives {

// A volume as the system reports it.
struct MountedVolume {
    QString mountPoint;
    // False for a volume without a medium or one that reports an error.
    bool ready = true;
};

struct Drive {
    char letter = 0; // 'D' to 'Z'
    QString root;    // the volume's mount point
    bool ready = true;
};

constexpr char kFirstLetter = 'D';
constexpr char kLastLetter = 'Z';

// The folders below which removable media are mounted.
QStringList removableMediaFolders();

// Letters D to Z for the volumes that lie strictly below one of `mediaFolders`, sorted by mount
// point; a mount point listed twice counts once, and volumes after Z get no letter.
std::vector<Drive> assignDriveLetters(std::vector<MountedVolume> volumes,
                                      const QStringList& mediaFolders);

// The folder `names` below `root` as its path exists on disk, each name matched in any letter
// case ("GARMIN/VEHICLE" is found for Garmin, Vehicle). Where a folder holds several spellings,
// the exact one wins, else the first in name order. Empty when there is none or a folder on the
// way cannot be read.
QString findFolderIgnoringCase(const QString& root, const QStringList& names);

class DriveTable {
public:
    virtual ~DriveTable() = default;
    // The drives as they are now, D first.
    virtual std::vector<Drive> drives() = 0;
    // The folders below which the drives' volumes are mounted: where a search looks.
    virtual QStringList mediaFolders() const { return removableMediaFolders(); }
    // The folder `names` on the drive as it exists on disk; empty on a drive that is not ready,
    // cannot be read or does not hold it. Never processes events.
    virtual QString findFolder(const Drive& drive, const QStringList& names);
};

// The system's table, from the volumes mounted at the moment of each call.
class MountedDriveTable final : public DriveTable {
public:
    std::vector<Drive> drives() override;
};

} // namespace drives
