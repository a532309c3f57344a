#include "app/vehicle_text.h"

QString srfTypeText(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString formatNumber(std::int32_t value) {
    return QString::number(value);
}

QString sizeText(std::int32_t width, std::int32_t height) {
    return formatNumber(width) + QLatin1Char('x') + formatNumber(height);
}

namespace {

// The locale's long time format is the only one that always shows seconds; it ends (or starts)
// with the time zone, which a file date does not show. Quoted literals are kept as they are.
QString timeWithSecondsFormat(const QLocale& locale) {
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString result;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (quoted || c == QLatin1Char('\'') || c != QLatin1Char('t'))
            result.append(c);
    }
    return result.simplified();
}

} // namespace

QString fileDateText(const QDateTime& changed, const QLocale& locale) {
    return locale.toString(changed.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(changed.time(), timeWithSecondsFormat(locale));
}
