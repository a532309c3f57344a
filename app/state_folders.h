// Where the program keeps what it writes: the settings file "init.ini" and the working folder
// "temp". A program folder the user may write to (a build folder, a portable copy) keeps both
// beside the program. An installed program folder, and one nobody may write to, keeps nothing of
// a user's: each user gets "init.ini" in the user's configuration folder and "temp" in the user's
// cache folder. That holds for root too, who may write into /usr/lib/motorhall, so that removing
// the package leaves nothing behind there.
#pragma once

#include <QString>

// The file that `cmake --install` (and so the package) puts into the installed program folder,
// and that a build's program folder never has. A file and not a guess from the folder's path:
// the installation may go to any prefix, and a copy of build/bin may lie anywhere.
inline constexpr char kInstalledMarkerName[] = "installed";

struct StateFolders {
    QString settingsFolder; // the folder that holds "init.ini"
    QString workingFolder;  // "temp" itself
};

// Decides once, at start-up. The user's configuration folder is created when missing, so that the
// settings can be written when the window closes; the working folder is made by its first user.
StateFolders stateFoldersFor(const QString& programFolder);
