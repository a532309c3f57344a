// The order in which a pane lists its folder's vehicles: as the platform the program was made for
// lists a folder. A local folder lists its names sorted; a FAT or exFAT volume, a navigator's card,
// in the order of its directory, which is the order its vehicles were put on it.
#pragma once

#include <QString>
#include <QStringList>

// Whether name `a` lists before name `b` in a sorted folder: by their characters upper-cased one
// by one, so letter case does not count (Alpha, BRAVO, charlie), and "_" after the letters. Names
// that differ only in case keep an order of their own, so the order is the same every time.
bool listsBefore(const QString& a, const QString& b);

// Puts the names of the folder's files in the order the pane lists them: sorted by listsBefore,
// unless the folder lies on a FAT or exFAT volume, whose directory order they then keep.
void putInListingOrder(const QString& folder, QStringList& names);
