// Fonts given in points, rendered at their 96-dots-per-inch pixel size, so the window's text has
// the same size on every screen and under every platform plugin.
#pragma once

#include <QFont>
#include <QString>

namespace toolkit {

QFont controlFont(const QString& family, double points, bool bold, bool italic);

} // namespace toolkit
