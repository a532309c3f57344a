// Which temporary files of an interrupted write a listing deletes: only ours, only regular files,
// only those older than ten minutes.
#include "app/leftover_temporaries.h"
#include "platform/files/replacement_file.h"
#include "tests/app/file_bytes.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>

namespace {

// Gives the entry itself (a link, not what it points to) a last change this long ago.
void changedAgo(const QString& path, std::chrono::seconds ago) {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const timespec times[2] = {{0, UTIME_OMIT}, {now.tv_sec - ago.count(), now.tv_nsec}};
    ASSERT_EQ(
        ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW), 0)
        << path.toStdString() << ": " << std::strerror(errno);
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

TEST(LeftoverTemporaries, OnlyOurNamesOfSixLettersOrDigitsCount) {
    for (const char* name : {".mh-Ab12Z9", ".mh-000000", ".mh-zzzzzz"})
        EXPECT_TRUE(isTemporaryFileName(name)) << name;
    for (const char* name : {".mh-Ab12Z", ".mh-Ab12Z90", ".mh-Ab_2Z9", ".mh-Ab.2Z9", "mh-Ab12Z9x",
                             ".MH-Ab12Z9", ".mh-Ab12Z\xc3\xa9", "Car.srf", ""})
        EXPECT_FALSE(isTemporaryFileName(name)) << name;
}

TEST(LeftoverTemporaries, AReplacementWriteNamesItsTemporaryFileSo) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    files::ReplacementFile writing(QFile::encodeName(dir.filePath("Car.srf")).toStdString(),
                                   files::SpecialTarget::refuse);
    ASSERT_TRUE(writing.isOpen());
    const QStringList names = entries(dir.path());
    ASSERT_EQ(names.size(), 1);
    EXPECT_TRUE(isTemporaryFileName(QFile::encodeName(names[0]))) << names[0].toStdString();
}

TEST(LeftoverTemporaries, OnlyOurRegularFilesOlderThanTenMinutesGo) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto path = [&](const char* name) { return dir.filePath(name); };
    using std::chrono::minutes;
    using std::chrono::seconds;
    const struct {
        const char* name;
        seconds ago;
        bool goes;
    } files[] = {
        {".mh-Old123", minutes(11), true},
        {".mh-OLDER9", minutes(600), true},
        // Another instance may still be writing these.
        {".mh-New123", minutes(9), false},
        {".mh-Later1", -minutes(60), false},
        // Not our names.
        {".mh-Old12", minutes(11), false},
        {".mh-Old1234", minutes(11), false},
        {".mh-Old_12", minutes(11), false},
        {"Car.srf", minutes(11), false},
        {".hidden", minutes(11), false},
    };
    for (const auto& f : files) {
        writeBytes(path(f.name), "bytes");
        changedAgo(path(f.name), f.ago);
    }
    // A link of our name stays, and so does the old file of our name it points to.
    writeBytes(path("target"), "pointed to");
    ASSERT_TRUE(QDir().mkpath(path("sub")));
    writeBytes(path("sub/.mh-Linked"), "pointed to");
    changedAgo(path("sub/.mh-Linked"), minutes(11));
    ASSERT_TRUE(QFile::link(path("sub/.mh-Linked"), path(".mh-Link12")));
    changedAgo(path(".mh-Link12"), minutes(11));
    // So does a folder of our name.
    ASSERT_TRUE(QDir().mkpath(path(".mh-Folder")));
    changedAgo(path(".mh-Folder"), minutes(11));

    removeLeftoverTemporaries(dir.path());

    QStringList expected = {".mh-Folder", ".mh-Link12", "sub", "target"};
    for (const auto& f : files) {
        if (!f.goes)
            expected.append(f.name);
    }
    expected.sort();
    EXPECT_EQ(entries(dir.path()), expected);
    EXPECT_EQ(readBytes(path("sub/.mh-Linked")), "pointed to");

    // A folder that cannot be read, or none, is no harm.
    removeLeftoverTemporaries(path("missing"));
    removeLeftoverTemporaries(QString());
}

} // namespace
