#include "tests/e2e/program_copy.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

bool copyProgramFolder(const QString& folder, QString* failed) {
    for (const char* file : {MOTORHALL_PATH, REGSVR_PATH, TESSEL_PATH, COM_PATH, GDI_PATH}) {
        const QString source = QString::fromUtf8(file);
        if (!QFile::copy(source, folder + "/" + QFileInfo(source).fileName())) {
            *failed = source;
            return false;
        }
    }
    const QString images =
        QFileInfo(QString::fromUtf8(MOTORHALL_PATH)).absolutePath() + QStringLiteral("/Images");
    // The language folders too: the program shows their pictures in the user's language.
    QDirIterator pictures(images, QDir::Files, QDirIterator::Subdirectories);
    while (pictures.hasNext()) {
        const QString source = pictures.next();
        const QString target =
            folder + QStringLiteral("/Images/") + QDir(images).relativeFilePath(source);
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(source, target)) {
            *failed = source;
            return false;
        }
    }
    return true;
}
