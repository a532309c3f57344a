#include "app/fat_volume.h"

#include <array>
#include <cstring>
#include <fcntl.h>
#include <linux/magic.h>
#include <QByteArray>
#include <QFile>
#include <QList>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

// A mount table field with its octal escapes ("\040" for a space) undone.
bool octalDigit(char c) {
    return c >= '0' && c <= '7';
}

QByteArray unescaped(const QByteArray& field) {
    QByteArray text;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && octalDigit(field[i + 1]) &&
            octalDigit(field[i + 2]) && octalDigit(field[i + 3])) {
            text.append(static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                          (field[i + 3] - '0')));
            i += 3;
        } else {
            text.append(field[i]);
        }
    }
    return text;
}

struct MountEntry {
    QByteArray type; // "fuseblk", or "fuseblk.exfat" where the driver names its subtype
    QByteArray source;
};

// The mount the device number belongs to, from the process's mount table: its fields are the
// mount's id, its parent's, major:minor, root, mount point, options, optional fields ended by
// "-", then the type, the source and the super block's options.
MountEntry mountOf(dev_t device) {
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    if (!table.open(QIODevice::ReadOnly))
        return {};
    const QByteArray wanted =
        QByteArray::number(major(device)) + ':' + QByteArray::number(minor(device));
    MountEntry found;
    for (const QByteArray& line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 10 || fields[2] != wanted)
            continue;
        const qsizetype dash = fields.indexOf(QByteArray("-"), 6);
        if (dash < 0 || dash + 2 >= fields.size())
            continue;
        // The last one counts: it lies over any earlier one of the same device.
        found = {fields[dash + 1], unescaped(fields[dash + 2])};
    }
    return found;
}

constexpr std::size_t kBootSectorBytes = 512;

// Whether the block device starts with the boot sector of a FAT or an exFAT volume: the name
// "EXFAT   " at byte 3, or a FAT12/16 ("FAT" at byte 54) or FAT32 ("FAT" at byte 82) type text,
// with the boot signature at its end. False when the device cannot be read.
bool fatBootSector(const QByteArray& source) {
    const int fd = ::open(source.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return false;
    std::array<char, kBootSectorBytes> sector{};
    struct stat status {};
    const bool read =
        ::fstat(fd, &status) == 0 && S_ISBLK(status.st_mode) &&
        ::pread(fd, sector.data(), sector.size(), 0) == static_cast<ssize_t>(sector.size());
    ::close(fd);
    if (!read || sector[510] != '\x55' || sector[511] != '\xAA')
        return false;
    return std::memcmp(sector.data() + 3, "EXFAT   ", 8) == 0 ||
           std::memcmp(sector.data() + 54, "FAT", 3) == 0 ||
           std::memcmp(sector.data() + 82, "FAT", 3) == 0;
}

} // namespace

bool onFatVolume(const QString& folder) {
    const QByteArray path = QFile::encodeName(folder);
    struct statfs volume {};
    if (path.isEmpty() || ::statfs(path.constData(), &volume) != 0)
        return false;
    if (volume.f_type == MSDOS_SUPER_MAGIC || volume.f_type == EXFAT_SUPER_MAGIC)
        return true;
    if (volume.f_type != FUSE_SUPER_MAGIC)
        return false;
    // A FUSE driver of a block device reports FUSE itself; the volume tells what it is.
    struct stat status {};
    if (::stat(path.constData(), &status) != 0)
        return false;
    const MountEntry mount = mountOf(status.st_dev);
    if (mount.type != "fuseblk" && !mount.type.startsWith("fuseblk."))
        return false;
    const QByteArray subtype = mount.type.mid(8);
    if (subtype == "exfat" || subtype == "vfat" || subtype == "msdos")
        return true;
    return fatBootSector(mount.source);
}
