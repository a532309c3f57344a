#include "app/program_folder.h"

#include <QCoreApplication>

QString programFolder() {
    return QCoreApplication::applicationDirPath();
}

QString registrationTool(const QString& programFolder) {
    return programFolder + QStringLiteral("/regsvr");
}
