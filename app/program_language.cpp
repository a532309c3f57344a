#include "app/program_language.h"

#include "translations/translation_files.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// The one instance whose translations are installed; a later one takes the place of an earlier.
const ProgramLanguage* current = nullptr;

} // namespace

ProgramLanguage::ProgramLanguage(const QLocale& locale) {
    auto program = std::make_unique<QTranslator>();
    // The user's languages in their order of preference, each also without its country.
    if (program->load(locale, QStringLiteral("motorhall"), QStringLiteral("_"),
                      QString::fromLatin1(translations::resourceFolder))) {
        language_ = program->language().section(QLatin1Char('_'), 0, 0);
        QCoreApplication::installTranslator(program.get());
        program_ = std::move(program);
        // Qt's own words only beside a translation of ours: an English window keeps English
        // buttons whatever else the locale says.
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QLocale(language_), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt.get());
            qt_ = std::move(qt);
        }
    }
    current = this;
}

ProgramLanguage::~ProgramLanguage() {
    if (qt_)
        QCoreApplication::removeTranslator(qt_.get());
    if (program_)
        QCoreApplication::removeTranslator(program_.get());
    if (current == this)
        current = nullptr;
}

QString ProgramLanguage::installed() {
    return current ? current->language_ : QString();
}
