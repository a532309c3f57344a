#include "app/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString programFolder() {
    return QCoreApplication::applicationDirPath();
}

QString registrationTool(const QString& programFolder) {
    const QString beside = programFolder + QStringLiteral("/regsvr");
    const QString installed = QDir::cleanPath(programFolder + QStringLiteral("/../../bin/regsvr"));
    for (const QString& candidate : {beside, installed}) {
        const QFileInfo tool(candidate);
        if (tool.isFile() && tool.isExecutable())
            return candidate;
    }
    return beside;
}
