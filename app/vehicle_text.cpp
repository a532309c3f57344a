#include "app/vehicle_text.h"

#include <QLocale>

QString srfTypeText(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString formatNumber(std::int32_t value) {
    return QString::number(value);
}

QString sizeText(std::int32_t width, std::int32_t height) {
    return formatNumber(width) + QLatin1Char('x') + formatNumber(height);
}

QString fileDateText(const QDateTime& changed) {
    return QLocale::system().toString(changed, QLocale::ShortFormat);
}
