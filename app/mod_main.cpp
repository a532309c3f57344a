#include "app/mod_main.h"

#include <algorithm>

QString ShortenPath(const QString& path, std::int16_t limit) {
    if (path.isEmpty())
        return QString();
    const qsizetype length = path.size();
    if (length <= limit)
        return path;
    if (limit <= 0)
        return QString();
    // Positions count from 1; 0 means not found.
    const qsizetype a = path.indexOf(QLatin1Char('.')) + 1;
    const qsizetype b =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\'))) + 1;
    const qsizetype f = (a != 0 && b != 0 && a > b && length > b) ? length - b : 0;
    const qsizetype head = limit - f - 4;
    if (head < 0) {
        if (limit <= 3)
            return path.right(limit);
        return QStringLiteral("...") + path.right(limit - 3);
    }
    return path.left(head) + QStringLiteral("...") + path.right(f + 1);
}

QString GetBaseName(const QString& path) {
    const qsizetype separator =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    const QString name = path.mid(separator + 1);
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}
