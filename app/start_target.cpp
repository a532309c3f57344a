#include "app/start_target.h"

#include "app/settings_file.h"
#include "app/vehicle_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString complaint(const QString& path, const char* text) {
    return QStringLiteral("motorhall: ") +
           QCoreApplication::translate("CommandLine", text).arg(path);
}

} // namespace

StartChoice startChoiceFor(const QStringList& paths) {
    StartChoice choice;
    for (qsizetype i = 1; i < paths.size(); ++i)
        choice.complaints.append(complaint(
            paths[i],
            QT_TRANSLATE_NOOP("CommandLine",
                              "%1: left alone, as one file or folder is opened at a time")));
    if (paths.isEmpty())
        return choice;
    const QString& path = paths.front();
    const QFileInfo info(path);
    // Links followed: a link that leads nowhere names nothing.
    if (!info.exists()) {
        choice.complaints.prepend(complaint(
            path, QT_TRANSLATE_NOOP("CommandLine", "%1: there is no such file or folder")));
        return choice;
    }
    StartTarget target;
    if (info.isDir()) {
        target.folder = QDir::cleanPath(info.absoluteFilePath());
    } else if (info.suffix().compare(QLatin1String("srf"), Qt::CaseInsensitive) == 0 &&
               vehicleFileStamp(info.absoluteFilePath())) {
        target.folder = QDir::cleanPath(info.absolutePath());
        target.vehicleName = info.fileName();
    } else {
        choice.complaints.prepend(complaint(
            path,
            QT_TRANSLATE_NOOP("CommandLine", "%1: is neither a vehicle file (.srf) nor a folder")));
        return choice;
    }
    if (!fitsSettingsLine(target.folder)) {
        choice.complaints.prepend(complaint(
            path, QT_TRANSLATE_NOOP("CommandLine",
                                    "%1: a folder whose name holds a line break cannot be shown")));
        return choice;
    }
    choice.target = target;
    return choice;
}
