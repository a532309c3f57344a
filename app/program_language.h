// The language the program speaks: its own translation for the first of the user's languages
// that it has one for, and Qt's own words (the standard dialog buttons, --help's options) in the
// same language where the system has Qt's translations installed. English, the language of the
// sources, needs no translation: a C, POSIX or English locale loads nothing.
#pragma once

#include <memory>
#include <QLocale>
#include <QString>

class QTranslator;

class ProgramLanguage {
public:
    // Installs the translations for `locale` on the application; they stay until this object
    // goes. Needs a QCoreApplication.
    explicit ProgramLanguage(const QLocale& locale = QLocale::system());
    ~ProgramLanguage();
    ProgramLanguage(const ProgramLanguage&) = delete;
    ProgramLanguage& operator=(const ProgramLanguage&) = delete;

    // The ISO 639-1 code of the program's translation in use ("de"), empty for English.
    const QString& language() const { return language_; }

    // The language of the translations installed now, empty while none is (English): the name of
    // the folder below Images that holds the pictures with words in it.
    static QString installed();

private:
    std::unique_ptr<QTranslator> program_;
    std::unique_ptr<QTranslator> qt_;
    QString language_;
};
