#include "app/program_folder.h"

#include <QCoreApplication>

QString programFolder() {
    return QCoreApplication::applicationDirPath();
}
