// The program's translations, compiled into every program that links motorhall_translations:
// one file per language, ":/translations/motorhall_<language>.qm", made at build time from
// translations/motorhall_<language>.ts.
#pragma once

#include <QString>
#include <QStringList>

namespace translations {

inline constexpr char resourceFolder[] = ":/translations";

// The ISO 639-1 codes of the languages the program is translated into, sorted ("de", "es", "fr").
QStringList languages();

// The translation file of `language`, for QTranslator::load.
QString fileOf(const QString& language);

} // namespace translations
