// Tells the user why the program cannot start: on standard error always, and in a message box
// when there is a screen to show one on.
#pragma once

#include <QString>

void reportStartupFailure(const QString& message);
