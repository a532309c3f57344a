// Runs the built tool as a user would, to catch what the in-process cases cannot: the entry
// point, the streams and the exit status the shell sees.
#include "tests/support/srf_writer.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <sys/stat.h>

namespace {

struct Finished {
    int status = -1;
    QString out;
    QString err;
};

// A run that has not ended after `milliseconds` is stopped and counts as not finished.
Finished runTool(const QStringList& arguments, int milliseconds = -1) {
    QProcess process;
    process.start(QStringLiteral(SRFTOOL_PATH), arguments);
    Finished f;
    if (!process.waitForFinished(milliseconds)) {
        process.kill();
        process.waitForFinished(-1);
        return f;
    }
    if (process.exitStatus() != QProcess::NormalExit)
        return f;
    f.status = process.exitCode();
    f.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    f.err = QString::fromLocal8Bit(process.readAllStandardError());
    return f;
}

TEST(SrftoolProgram, WritesTheSamplesAndReadsThemBack) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Finished samples = runTool({"samples", dir.path()});
    ASSERT_EQ(samples.status, 0) << samples.err.toStdString();
    const QStringList files = QDir(dir.path()).entryList({"*.srf"}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    const Finished info = runTool({"info", dir.filePath(files.first())});
    EXPECT_EQ(info.status, 0);
    EXPECT_TRUE(info.out.startsWith("result: 1\ntype: GARMIN BITMAP 01\n"))
        << info.out.toStdString();
}

// A pipe nobody writes to would hold an ordinary open for ever.
TEST(SrftoolProgram, RefusesAPipeWithoutWaitingForAWriter) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pipe = dir.filePath("pipe.srf");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const Finished info = runTool({"info", pipe}, 30000);
    EXPECT_EQ(info.status, 2);
    EXPECT_EQ(info.out.toStdString(), "");
    EXPECT_EQ(info.err.toStdString(),
              "srftool: cannot read " + pipe.toStdString() + ": it is not a regular file\n");
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// "-" and /dev/stdout name the standard output, whatever it is: a pipe (here QProcess's), or a
// file the shell opened, which is replaced whole.
TEST(SrftoolProgram, WritesToStandardOutput) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString vehicle = dir.filePath("car.srf");
    srftest::writeFile(vehicle.toStdString(), srftest::typical(2, 8, 8));
    for (const QStringList& command :
         {QStringList{"png", vehicle}, QStringList{"thumbnail", vehicle},
          QStringList{"filter", "none", vehicle}}) {
        SCOPED_TRACE(command.join(' ').toStdString());
        const QString file = dir.filePath("expected");
        ASSERT_EQ(runTool(command + QStringList{file}).status, 0);
        const QByteArray expected = bytesOf(file);
        ASSERT_FALSE(expected.isEmpty());
        for (const char* out : {"-", "/dev/stdout"}) {
            SCOPED_TRACE(out);
            QProcess process;
            process.start(QStringLiteral(SRFTOOL_PATH), command + QStringList{out});
            ASSERT_TRUE(process.waitForFinished(60000));
            EXPECT_EQ(process.exitCode(), 0);
            EXPECT_EQ(process.readAllStandardError().toStdString(), "");
            EXPECT_TRUE(process.readAllStandardOutput() == expected);

            const QString redirected = dir.filePath("redirected");
            QProcess toFile;
            toFile.setStandardOutputFile(redirected);
            toFile.start(QStringLiteral(SRFTOOL_PATH), command + QStringList{out});
            ASSERT_TRUE(toFile.waitForFinished(60000));
            EXPECT_EQ(toFile.exitCode(), 0);
            EXPECT_TRUE(bytesOf(redirected) == expected);
        }
    }
    EXPECT_TRUE(QDir(dir.path()).entryList({".mh-*"}, QDir::AllEntries | QDir::Hidden).isEmpty());
}

// The machine's own /dev/null takes the picture and stays the device it was.
TEST(SrftoolProgram, WritesTheNullDeviceInPlace) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString vehicle = dir.filePath("car.srf");
    srftest::writeFile(vehicle.toStdString(), srftest::typical(2, 8, 8));
    struct stat before {};
    ASSERT_EQ(::stat("/dev/null", &before), 0);
    for (const QStringList& command : {QStringList{"png", vehicle, "/dev/null"},
                                       QStringList{"filter", "none", vehicle, "/dev/null"}}) {
        const Finished f = runTool(command);
        EXPECT_EQ(f.status, 0) << f.err.toStdString();
        EXPECT_TRUE(f.err.isEmpty()) << f.err.toStdString();
        struct stat after {};
        ASSERT_EQ(::lstat("/dev/null", &after), 0);
        EXPECT_TRUE(S_ISCHR(after.st_mode));
        EXPECT_EQ(after.st_rdev, before.st_rdev);
        EXPECT_EQ(after.st_ino, before.st_ino);
    }
    EXPECT_TRUE(QDir("/dev")
                    .entryList({".mh-*"}, QDir::AllEntries | QDir::Hidden | QDir::System)
                    .isEmpty());
}

TEST(SrftoolProgram, ReportsUsageErrorsOnStandardErrorWithStatusTwo) {
    const Finished bare = runTool({});
    EXPECT_EQ(bare.status, 2);
    EXPECT_TRUE(bare.out.isEmpty());
    EXPECT_EQ(bare.err.count('\n'), 1) << bare.err.toStdString();

    const Finished help = runTool({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: srftool")) << help.out.toStdString();
    EXPECT_TRUE(help.err.isEmpty());
}

TEST(SrftoolProgram, LoadsNothingOfTheDisplayStack) {
    // The libraries the dynamic loader maps for the tool, as ldd lists them.
    QProcess ldd;
    ldd.start(QStringLiteral("ldd"), {QStringLiteral(SRFTOOL_PATH)});
    ASSERT_TRUE(ldd.waitForFinished(-1));
    ASSERT_EQ(ldd.exitCode(), 0);
    const QString libraries = QString::fromLocal8Bit(ldd.readAllStandardOutput());
    ASSERT_TRUE(libraries.contains("libpng")) << libraries.toStdString();
    for (const char* display :
         {"libQt6Gui", "libX11", "libxcb", "libfontconfig", "libdbus", "libEGL", "libGL"})
        EXPECT_FALSE(libraries.contains(display)) << display;
}

} // namespace
