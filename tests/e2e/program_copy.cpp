#include "tests/e2e/program_copy.h"

#include <QDir>
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
    const QDir images(QFileInfo(QString::fromUtf8(MOTORHALL_PATH)).absolutePath() + "/Images");
    QDir(folder).mkdir("Images");
    for (const QString& name : images.entryList(QDir::Files)) {
        if (!QFile::copy(images.filePath(name), folder + "/Images/" + name)) {
            *failed = images.filePath(name);
            return false;
        }
    }
    return true;
}
