#include "app/state_folders.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A folder the program cannot write to. Root passes any permission bits, so as root the folder is
// a small tmpfs mounted read-only; as anyone else it loses its write permission.
class ReadOnlyFolder {
public:
    ReadOnlyFolder() {
        if (!scratch_.isValid())
            return;
        path_ = scratch_.path() + QStringLiteral("/program");
        const QByteArray name = QFile::encodeName(path_);
        if (::mkdir(name.constData(), 0755) != 0)
            return;
        if (::geteuid() != 0) {
            ready_ = ::chmod(name.constData(), 0555) == 0;
            return;
        }
        if (::mount("tmpfs", name.constData(), "tmpfs", MS_RDONLY, "size=64k") != 0) {
            reason_ = QStringLiteral("a tmpfs cannot be mounted here (no CAP_SYS_ADMIN); the "
                                     "read-only program folder is not checked as root");
            return;
        }
        mounted_ = ready_ = true;
    }
    ~ReadOnlyFolder() {
        const QByteArray name = QFile::encodeName(path_);
        if (mounted_)
            ::umount(name.constData());
        else if (!path_.isEmpty())
            ::chmod(name.constData(), 0755);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    bool ready() const { return ready_; }
    const QString& reason() const { return reason_; }
    const QString& path() const { return path_; }

private:
    QTemporaryDir scratch_;
    QString path_;
    QString reason_ = QStringLiteral("the read-only folder could not be made");
    bool mounted_ = false;
    bool ready_ = false;
};

class StateFoldersTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home_.isValid());
        QCoreApplication::setApplicationName(QStringLiteral("motorhall"));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.path() + "/config"));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(home_.path() + "/cache"));
    }
    void TearDown() override {
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_CACHE_HOME");
    }
    QTemporaryDir home_;
};

TEST_F(StateFoldersTest, AWritableProgramFolderKeepsTheSettingsAndTheWorkingFolder) {
    QTemporaryDir program;
    ASSERT_TRUE(program.isValid());
    const StateFolders folders = stateFoldersFor(program.path());
    EXPECT_EQ(folders.settingsFolder, program.path());
    EXPECT_EQ(folders.workingFolder, program.path() + "/temp");
    // Nothing is made in the user's folders for a program that keeps its own state.
    EXPECT_FALSE(QFileInfo::exists(home_.path() + "/config"));
    EXPECT_FALSE(QFileInfo::exists(home_.path() + "/cache"));
}

// Root may write into /usr/lib/motorhall, and so may the owner of a prefix installed into: the
// installed program folder still keeps nothing of a user's, or removing the package would leave it.
TEST_F(StateFoldersTest, AnInstalledProgramFolderUsesTheUsersFoldersEvenWhenWritable) {
    QTemporaryDir program;
    ASSERT_TRUE(program.isValid());
    QFile marker(program.filePath(QString::fromLatin1(kInstalledMarkerName)));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();
    const StateFolders folders = stateFoldersFor(program.path());
    EXPECT_EQ(folders.settingsFolder, home_.path() + "/config/motorhall");
    EXPECT_EQ(folders.workingFolder, home_.path() + "/cache/motorhall/temp");
    EXPECT_EQ(
        QDir(program.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QStringList{QString::fromLatin1(kInstalledMarkerName)});
}

TEST_F(StateFoldersTest, AReadOnlyProgramFolderUsesTheUsersConfigurationAndCache) {
    ReadOnlyFolder program;
    if (!program.ready())
        GTEST_SKIP() << program.reason().toStdString();
    const StateFolders folders = stateFoldersFor(program.path());
    EXPECT_EQ(folders.settingsFolder, home_.path() + "/config/motorhall");
    EXPECT_EQ(folders.workingFolder, home_.path() + "/cache/motorhall/temp");
    // The settings are written on close without asking again whether their folder exists.
    EXPECT_TRUE(QFileInfo(home_.path() + "/config/motorhall").isDir());
}

TEST_F(StateFoldersTest, AMissingProgramFolderCountsAsNotWritable) {
    const StateFolders folders = stateFoldersFor(home_.path() + "/gone");
    EXPECT_EQ(folders.settingsFolder, home_.path() + "/config/motorhall");
    EXPECT_EQ(folders.workingFolder, home_.path() + "/cache/motorhall/temp");
}

} // namespace
