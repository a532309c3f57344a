// Whether a folder lies on a FAT or exFAT volume, as a navigator's memory card is formatted.
#pragma once

#include <QString>

// True when the folder's file system is FAT (any of its sizes) or exFAT: through the kernel's own
// drivers, or through a FUSE driver of a block device (mounted as "fuseblk"), whose volume is
// then told by its boot sector when that can be read. False when the folder cannot be looked at,
// or its volume cannot be told.
bool onFatVolume(const QString& folder);
