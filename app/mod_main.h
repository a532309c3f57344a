// Helpers of the main window shared by its parts.
#pragma once

#include <cstdint>
#include <QString>

// The text a folder label shows: the path itself when it fits the limit, else its head, "..." and
// its tail (the last component when that is the only one holding a dot, else the last character),
// exactly `limit` characters long. Both "/" and "\" count as separators. Never fails: when the
// tail leaves no room for a head, the result is "..." and the path's last limit - 3 characters.
QString ShortenPath(const QString& path, std::int16_t limit);
