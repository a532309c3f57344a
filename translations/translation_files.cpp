#include "translations/translation_files.h"

#include <QDir>

namespace translations {
namespace {

const QString prefix = QStringLiteral("motorhall_");
const QString suffix = QStringLiteral(".qm");

} // namespace

QStringList languages() {
    QStringList codes;
    const QStringList files =
        QDir(QString::fromLatin1(resourceFolder)).entryList({prefix + '*' + suffix}, QDir::Files);
    for (const QString& file : files)
        codes.append(file.mid(prefix.size(), file.size() - prefix.size() - suffix.size()));
    codes.sort();
    return codes;
}

QString fileOf(const QString& language) {
    return QString::fromLatin1(resourceFolder) + '/' + prefix + language + suffix;
}

} // namespace translations
