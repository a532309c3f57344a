// The program's name and version, and its command line: --help and --version, nothing else.
#pragma once

class QCoreApplication;

// The name the user's configuration and cache folders are named by, the version, and the desktop
// entry the window belongs to.
void setProgramIdentity();

// Whether the command line asks only for text (--help, --version), which must be answered
// without a screen to connect to.
bool asksOnlyForText(int argc, char** argv);

// Prints the help or the version and ends the process with status 0 when asked; ends it with
// status 1 and a message for an option or argument the program does not take.
void processCommandLine(const QCoreApplication& application);
