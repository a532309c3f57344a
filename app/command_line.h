// The program's name and version, and its command line: --help, --version and the files or
// folders to open.
#pragma once

#include <QStringList>

class QCoreApplication;

// The name the user's configuration and cache folders are named by, the version, and the desktop
// entry the window belongs to.
void setProgramIdentity();

// Whether the command line asks only for text (--help, --version), which must be answered
// without a screen to connect to.
bool asksOnlyForText(int argc, char** argv);

// Prints the help or the version and ends the process with status 0 when asked; ends it with
// status 1 and a message for an option the program does not take. Gives the paths named, which
// a file manager's "Open with" passes.
QStringList processCommandLine(const QCoreApplication& application);
