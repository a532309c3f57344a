// Where the program keeps what it writes: the settings file "init.ini" and the working folder
// "temp". A program folder the user may write to (a build folder, a portable copy) keeps both
// beside the program. An installed program folder is read-only, so each user gets "init.ini" in
// the user's configuration folder and "temp" in the user's cache folder.
#pragma once

#include <QString>

struct StateFolders {
    QString settingsFolder; // the folder that holds "init.ini"
    QString workingFolder;  // "temp" itself
};

// Decides once, at start-up. The user's configuration folder is created when missing, so that the
// settings can be written when the window closes; the working folder is made by its first user.
StateFolders stateFoldersFor(const QString& programFolder);
