// A program folder of the test's own: the built program, its libraries, its tools and its
// Images with its language folders, copied from the build's program folder, as a user's
// installation holds them.
#pragma once

#include <QString>

// Copies into `folder`; false (with the file that failed in `failed`) when a copy fails.
bool copyProgramFolder(const QString& folder, QString* failed);
