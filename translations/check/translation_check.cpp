// Checks that the program's translation files are complete for the sources as they are: runs
// lupdate over the sources into copies of the .ts files, so that a text new to the sources,
// changed in them or gone from them shows as lupdate marks it, and fails on every message of
// the copies that is not translated and finished. The .ts files themselves are left alone.
#include "translations/check/ts_problems.h"

#include <cstdio>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace {

int usage() {
    std::fprintf(stderr, "usage: motorhall_translation_check <lupdate> <file.ts>... -- "
                         "<lupdate's options and source folders>\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    const qsizetype separator = arguments.indexOf(QStringLiteral("--"));
    if (separator < 2 || separator + 1 == arguments.size())
        return usage();
    const QString lupdate = arguments.first();
    const QStringList tsFiles = arguments.mid(1, separator - 1);
    const QStringList lupdateArguments = arguments.mid(separator + 1);

    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        std::fprintf(stderr, "cannot make a temporary folder: %s\n",
                     qPrintable(scratch.errorString()));
        return 1;
    }
    QStringList copies;
    for (const QString& tsFile : tsFiles) {
        const QString copy = QDir(scratch.path()).filePath(QFileInfo(tsFile).fileName());
        if (copies.contains(copy) || !QFile::copy(tsFile, copy)) {
            std::fprintf(stderr, "cannot copy %s\n", qPrintable(tsFile));
            return 1;
        }
        copies.append(copy);
    }

    QProcess update;
    update.setProcessChannelMode(QProcess::MergedChannels);
    update.start(lupdate, lupdateArguments + QStringList{QStringLiteral("-ts")} + copies);
    if (!update.waitForFinished(-1) || update.exitStatus() != QProcess::NormalExit ||
        update.exitCode() != 0) {
        std::fprintf(stderr, "%s failed: %s\n%s", qPrintable(lupdate),
                     qPrintable(update.errorString()), update.readAll().constData());
        return 1;
    }

    QStringList problems;
    for (const QString& copy : copies)
        problems += translations::tsProblems(copy);
    for (const QString& problem : problems)
        std::fprintf(stderr, "%s\n", qPrintable(problem));
    if (!problems.isEmpty()) {
        std::fprintf(stderr,
                     "%lld messages are not translated for the sources as they are: translate "
                     "them in the .ts files (after building motorhall_update_translations)\n",
                     static_cast<long long>(problems.size()));
        return 1;
    }
    std::printf("%lld translation files are complete\n", static_cast<long long>(copies.size()));
    return 0;
}
