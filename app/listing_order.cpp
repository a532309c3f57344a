#include "app/listing_order.h"

#include "app/fat_volume.h"

#include <algorithm>

bool listsBefore(const QString& a, const QString& b) {
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const QChar upperA = a[i].toUpper();
        const QChar upperB = b[i].toUpper();
        if (upperA != upperB)
            return upperA < upperB;
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}

void putInListingOrder(const QString& folder, QStringList& names) {
    if (!onFatVolume(folder))
        std::sort(names.begin(), names.end(), listsBefore);
}
