// Helpers of the main window shared by its parts.
#pragma once

#include "platform/gdi/gdi.h"

#include <cstdint>
#include <QString>

// The text a folder label shows: the path itself when it fits the limit, else its head, "..." and
// its tail (the last component when that is the only one holding a dot, else the last character),
// exactly `limit` characters long. Both "/" and "\" count as separators. Never fails: when the
// tail leaves no room for a head, the result is "..." and the path's last limit - 3 characters.
QString ShortenPath(const QString& path, std::int16_t limit);

// A solid rectangle in `colour` (0x00BBGGRR), outline and interior alike; the right column and the
// bottom row named by the coordinates are not painted. The pen and brush it makes are released
// again; a context that is not valid is left alone.
void FillRectangle(gdi::HDC hDC, std::int32_t left, std::int32_t top, std::int32_t right,
                   std::int32_t bottom, gdi::COLORREF colour);

// The file name without its folder and without everything from its first dot on: "Putter.srf"
// gives "Putter", "C:\Cars\Big.Rig.srf" gives "Big". Both "/" and "\" count as separators. Paths
// of any length are taken whole.
QString GetBaseName(const QString& path);
