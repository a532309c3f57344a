// The program folder: the folder that holds the program file, links resolved (an installed
// program is started through a link in bin). It holds the Images folder, the card library and the
// sample vehicles; "init.ini" and the working folder "temp" are kept there too when it is
// writable (see state_folders.h).
#pragma once

#include <QString>

QString programFolder();

// The registration tool, beside the program in a build folder, a portable copy and an
// installation alike.
QString registrationTool(const QString& programFolder);
