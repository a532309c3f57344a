// The program folder: the folder that holds the program file. It holds "init.ini", the Images
// folder, the card library and the working folder "temp".
#pragma once

#include <QString>

QString programFolder();
