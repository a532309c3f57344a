#include "app/vehicle_files.h"
#include "tests/app/exfat_volume.h"
#include "tests/app/file_bytes.h"
#include "tests/app/odd_entries.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

// Every entry of the folder, hidden ones too, but for those named.
QStringList entriesBut(const QString& folder, const QStringList& known) {
    QStringList left = QDir(folder).entryList(
        QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : known)
        left.removeAll(name);
    return left;
}

struct stat statusOf(const QString& path) {
    struct stat status {};
    EXPECT_EQ(::lstat(QFile::encodeName(path).constData(), &status), 0) << path.toStdString();
    return status;
}

void setModificationTime(const QString& path, std::int64_t seconds, long nanoseconds) {
    const timespec times[2] = {{0, UTIME_OMIT}, {seconds, nanoseconds}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0)
        << std::strerror(errno);
}

class VehicleFilesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

// What the window asks of a copy between the panes; the listing's copies ask for the date alone.
const CopyOptions PaneCopy{
    .keepModificationTime = true, .refuseReadOnlyTarget = true, .continues = {}};

bool copied(const QString& source, const QString& target, const CopyOptions& options = {},
            QString* reason = nullptr) {
    return copyVehicleFile(source, target, options, reason) == CopyResult::Copied;
}

// A small tmpfs mounted on a folder of the test's own while it lives.
class SmallFileSystem {
public:
    SmallFileSystem(const QString& where, const char* options)
        : where_(QFile::encodeName(where)) {
        QDir().mkpath(where);
        if (::mount("tmpfs", where_.constData(), "tmpfs", 0, options) == 0)
            mounted_ = true;
        else
            error_ = errno;
    }
    ~SmallFileSystem() {
        if (mounted_)
            ::umount2(where_.constData(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }
    std::string why() const {
        return std::string("cannot mount a tmpfs here: ") + std::strerror(error_);
    }
    bool remount(unsigned long flags, const char* options) {
        return ::mount("tmpfs", where_.constData(), "tmpfs", MS_REMOUNT | flags, options) == 0;
    }

private:
    QByteArray where_;
    bool mounted_ = false;
    int error_ = 0;
};

TEST_F(VehicleFilesTest, ListsNormalSrfFilesOfAnyLetterCase) {
    for (const char* name :
         {"Saloon.srf", "CAR.SRF", "Van.Srf", "notes.txt", "srf", "Bus.srf.bak", ".Hidden.srf"})
        writeBytes(path(name), "x");
    ASSERT_TRUE(QDir(dir.path()).mkdir("Folder.srf"));
    ASSERT_TRUE(QFile::link(path("missing-target"), path("Dangling.srf")));
    ASSERT_TRUE(QFile::link(path("Saloon.srf"), path("Linked.srf")));
    const std::optional<QStringList> names = listVehicleFileNames(dir.path());
    ASSERT_TRUE(names);
    QStringList sorted = *names;
    sorted.sort();
    EXPECT_EQ(sorted, QStringList({"CAR.SRF", "Linked.srf", "Saloon.srf", "Van.Srf"}));
}

TEST_F(VehicleFilesTest, KeepsTheOrderTheFileSystemListsIn) {
    // Created out of alphabetical order, so a sorted listing would differ from most file
    // systems' own order.
    for (const char* name : {"Mid.srf", "Zed.srf", "Alpha.srf", "Kilo.srf", "Bravo.srf",
                             "Yankee.srf", "Echo.srf", "Quebec.srf"})
        writeBytes(path(name), "x");
    QStringList expected;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path().toStdString()))
        expected.append(QString::fromStdString(entry.path().filename().string()));
    QStringList sorted = expected;
    sorted.sort();
    if (sorted == expected)
        GTEST_SKIP() << "this file system lists in alphabetical order";
    EXPECT_EQ(listVehicleFileNames(dir.path()), expected);
}

TEST_F(VehicleFilesTest, AFolderThatCannotBeListedGivesNothing) {
    EXPECT_EQ(listVehicleFileNames(path("missing")), std::nullopt);
    writeBytes(path("file"), "x");
    EXPECT_EQ(listVehicleFileNames(path("file")), std::nullopt);
    // An empty name would list the current folder.
    EXPECT_EQ(listVehicleFileNames(QString()), std::nullopt);
    EXPECT_EQ(listVehicleFileNames(dir.path()), QStringList());
}

TEST_F(VehicleFilesTest, TheWorkingFolderIsMadeWhenMissing) {
    const QString temp = workingFolder(dir.path());
    EXPECT_EQ(temp, dir.path() + "/temp");
    EXPECT_TRUE(ensureFolder(temp));
    EXPECT_TRUE(QFileInfo(temp).isDir());
    EXPECT_TRUE(ensureFolder(temp));
    writeBytes(path("occupied"), "x");
    EXPECT_FALSE(ensureFolder(path("occupied")));
}

TEST_F(VehicleFilesTest, ACopyReplacesTheTargetWhole) {
    const struct {
        const char* name;
        QByteArray content;
        const char* before; // the target's content; none for a new file
        CopyOptions options;
    } cases[] = {
        {"over a longer file", "new", "the old and longer content", {}},
        {"as a new file", "new", nullptr, {}},
        {"of many bytes", QByteArray(200000, 'v'), "the old and longer content", {}},
        {"between the panes", "car bytes", "an older and longer vehicle", PaneCopy},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString folder = path(c.name);
        ASSERT_TRUE(QDir().mkpath(folder));
        writeBytes(folder + "/Car.srf", c.content);
        if (c.before)
            writeBytes(folder + "/Target.srf", c.before);
        EXPECT_TRUE(copied(folder + "/Car.srf", folder + "/Target.srf", c.options));
        EXPECT_EQ(readBytes(folder + "/Target.srf"), c.content);
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden),
                  QStringList({"Car.srf", "Target.srf"}));
    }
}

TEST_F(VehicleFilesTest, AFailedCopyLeavesTheTargetAsItWas) {
    writeBytes(path("target.srf"), "kept");
    EXPECT_FALSE(copied(path("missing.srf"), path("target.srf")));
    EXPECT_EQ(readBytes(path("target.srf")), "kept");
    // A folder in the target's place cannot be replaced.
    writeBytes(path("source.srf"), "new");
    ASSERT_TRUE(QDir(dir.path()).mkdir("Folder.srf"));
    EXPECT_FALSE(copied(path("source.srf"), path("Folder.srf")));
    EXPECT_TRUE(QFileInfo(path("Folder.srf")).isDir());
    // No temporary file is left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

// The window's copies never go into a pipe, a device or a socket that stands in the target's
// place, nor wait for a pipe's reader, and never replace one: each is refused with the reason.
TEST_F(VehicleFilesTest, ACopyOntoAPipeADeviceASocketOrAFolderIsRefusedAndLeavesItAsItWas) {
    writeBytes(path("source.srf"), "vehicle");
    makePipe(path("Pipe.srf"));
    makeSocket(path("Socket.srf"));
    makeLink(path("Pipe.srf"), path("LinkToPipe.srf"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("Folder.srf"));
    const QString notSupported = QString::fromLocal8Bit(std::strerror(ENOTSUP));
    std::vector<std::pair<QString, QString>> targets = {
        {"Pipe.srf", notSupported},
        {"Socket.srf", notSupported},
        {"LinkToPipe.srf", notSupported},
        {"Folder.srf", QString::fromLocal8Bit(std::strerror(EISDIR))},
    };
    // A null device of the test's own, where device nodes can be made.
    if (::mknod(QFile::encodeName(path("Null.srf")).constData(), S_IFCHR | 0600, makedev(1, 3)) ==
        0)
        targets.emplace_back("Null.srf", notSupported);
    QStringList names{"source.srf"};
    for (const auto& target : targets)
        names << target.first;
    for (const auto& [name, why] : targets) {
        SCOPED_TRACE(name.toStdString());
        const mode_t type = statusOf(path(name)).st_mode & S_IFMT;
        QString reason;
        EXPECT_EQ(copyVehicleFile(path("source.srf"), path(name), {}, &reason), CopyResult::Failed);
        EXPECT_EQ(reason, why);
        EXPECT_EQ(statusOf(path(name)).st_mode & S_IFMT, type);
        EXPECT_EQ(entriesBut(dir.path(), names), QStringList());
    }
}

// Both panes may show one folder, reached by one name or another: writing a file over itself
// would truncate it first.
TEST_F(VehicleFilesTest, ACopyOntoItselfTouchesNothingByAnyName) {
    writeBytes(path("Car.srf"), "car bytes");
    makeLink(path("Car.srf"), path("Link.srf"));
    ASSERT_TRUE(QDir().mkpath(path("sub")));
    const struct stat before = statusOf(path("Car.srf"));
    const QString targets[] = {path("Car.srf"), dir.path() + "/./Car.srf", path("Link.srf"),
                               path("sub/../Car.srf")};
    for (const CopyOptions& options : {CopyOptions{}, PaneCopy})
        for (const QString& target : targets) {
            SCOPED_TRACE(target.toStdString());
            QString reason = "untouched";
            EXPECT_TRUE(copied(path("Car.srf"), target, options, &reason));
            EXPECT_EQ(reason, "untouched");
        }
    const struct stat after = statusOf(path("Car.srf"));
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_EQ(readBytes(path("Car.srf")), "car bytes");
    EXPECT_TRUE(QFileInfo(path("Link.srf")).isSymLink());
}

TEST_F(VehicleFilesTest, PassesOverEntriesThatAreNoVehicleFiles) {
    makeOddEntries(dir.path());
    writeBytes(path("Saloon.srf"), "x");
    makeLink(path("Saloon.srf"), path("Linked.srf"));
    // The largest vehicle file there can be is one.
    makeSparseFile(path("Largest.srf"), 64 * 1024 * 1024);
    const std::optional<QStringList> names = listVehicleFileNames(dir.path());
    ASSERT_TRUE(names);
    QStringList sorted = *names;
    sorted.sort();
    EXPECT_EQ(sorted, QStringList({"Largest.srf", "Linked.srf", "Saloon.srf"}));
}

// A source that is no regular file, or is gone, or is larger than any vehicle is refused as no
// vehicle file, by the listing and by the window alike.
TEST_F(VehicleFilesTest, CopiesNothingButRegularFilesOfAtMost64MiB) {
    makeOddEntries(dir.path());
    makeLink("/dev/zero", path("Zero.srf"));
    const QString notRegular = "Not a regular file";
    const QString gone = QString::fromLocal8Bit(std::strerror(ENOENT));
    const struct {
        const char* source;
        QString reason;
    } cases[] = {
        {"Pipe.srf", notRegular},
        {"LinkToPipe.srf", notRegular},
        {"LinkToNull.srf", notRegular},
        {"Zero.srf", notRegular},
        {"Folder.srf", notRegular},
        {"LinkToFolder.srf", notRegular},
        {"Socket.srf", notRegular},
        {"Dangling.srf", gone},
        {"Gone.srf", gone},
        {"Huge.srf", QString::fromLocal8Bit(std::strerror(EFBIG))},
    };
    ASSERT_TRUE(QDir().mkpath(path("copies")));
    const QString target = path("copies/target.srf");
    for (const CopyOptions& options : {CopyOptions{}, PaneCopy})
        for (const auto& c : cases) {
            SCOPED_TRACE(c.source);
            writeBytes(target, "kept");
            QString reason;
            EXPECT_EQ(copyVehicleFile(path(c.source), target, options, &reason),
                      CopyResult::NotAVehicleFile);
            EXPECT_EQ(reason, c.reason);
            EXPECT_EQ(readBytes(target), "kept");
            EXPECT_EQ(entriesBut(path("copies"), {"target.srf"}), QStringList());
        }
}

// The window leaves a read-only vehicle in place as its deletion does; the listing's own copies
// in the working folder are replaced whatever their permissions.
TEST_F(VehicleFilesTest, AReadOnlyTargetIsRefusedOnlyWhenAsked) {
    writeBytes(path("Car.srf"), "car bytes");
    const struct {
        const char* name;
        CopyOptions options;
        CopyResult result;
        const char* reason;
        QByteArray content;
    } cases[] = {
        {"between the panes", PaneCopy, CopyResult::ReadOnlyTarget, "Read-only file", "kept"},
        {"into the working folder",
         {.keepModificationTime = true, .continues = {}},
         CopyResult::Copied,
         "",
         "car bytes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(path(c.name), "kept");
        ASSERT_TRUE(QFile::setPermissions(path(c.name), QFile::ReadOwner | QFile::ReadOther));
        QString reason;
        EXPECT_EQ(copyVehicleFile(path("Car.srf"), path(c.name), c.options, &reason), c.result);
        EXPECT_EQ(reason, c.reason);
        EXPECT_EQ(readBytes(path(c.name)), c.content);
        EXPECT_EQ(statusOf(path(c.name)).st_mode & 0777, 0404u);
    }
    EXPECT_EQ(entriesBut(dir.path(), {"Car.srf", cases[0].name, cases[1].name}), QStringList());
}

// A replace through a link writes the file the link names, so that file's permission decides.
TEST_F(VehicleFilesTest, AReplaceThroughALinkToAReadOnlyVehicleIsRefused) {
    writeBytes(path("Car.srf"), "car bytes");
    writeBytes(path("Locked.srf"), "kept");
    ASSERT_TRUE(QFile::setPermissions(path("Locked.srf"), QFile::ReadOwner | QFile::ReadOther));
    ASSERT_TRUE(QFile::link(path("Locked.srf"), path("Link.srf")));
    QString reason;
    EXPECT_EQ(copyVehicleFile(path("Car.srf"), path("Link.srf"), PaneCopy, &reason),
              CopyResult::ReadOnlyTarget);
    EXPECT_EQ(reason, "Read-only file");
    EXPECT_EQ(readBytes(path("Locked.srf")), "kept");
    EXPECT_TRUE(QFileInfo(path("Link.srf")).isSymLink());
}

TEST_F(VehicleFilesTest, TheLargestVehicleFileIsCopiedWhole) {
    makeSparseFile(path("Largest.srf"), 64 * 1024 * 1024);
    EXPECT_TRUE(copied(path("Largest.srf"), path("Copy.srf")));
    EXPECT_EQ(QFileInfo(path("Copy.srf")).size(), 64 * 1024 * 1024);
}

TEST_F(VehicleFilesTest, NamesAsLongAsTheFileSystemAllowsAreReplaced) {
    for (int length : {249, 250, 254, 255}) {
        SCOPED_TRACE(length);
        const QString name = QString(length - 4, QLatin1Char('v')) + ".srf";
        const QString folder = path(QString::number(length));
        ASSERT_TRUE(QDir().mkpath(folder));
        writeBytes(folder + "/" + name, "the old copy");
        writeBytes(path("source.srf"), "new");
        QString reason;
        EXPECT_TRUE(copied(path("source.srf"), folder + "/" + name, {}, &reason))
            << reason.toStdString();
        EXPECT_EQ(readBytes(folder + "/" + name), "new");
        EXPECT_EQ(entriesBut(folder, {name}), QStringList());
    }
}

TEST_F(VehicleFilesTest, ACopyKeepsTheOriginalsLastChangeToTheNanosecond) {
    writeBytes(path("original.srf"), "vehicle");
    setModificationTime(path("original.srf"), 1243002600, 123456789);
    EXPECT_TRUE(copied(path("original.srf"), path("copy.srf"),
                       {.keepModificationTime = true, .continues = {}}));
    const struct stat copy = statusOf(path("copy.srf"));
    EXPECT_EQ(copy.st_mtim.tv_sec, 1243002600);
    EXPECT_EQ(copy.st_mtim.tv_nsec, 123456789);
    EXPECT_EQ(vehicleFileStamp(path("copy.srf")), (FileStamp{7, 1243002600, 123456789}));

    // Without being asked, the copy is dated when it was made.
    EXPECT_TRUE(copied(path("original.srf"), path("plain.srf")));
    EXPECT_NE(statusOf(path("plain.srf")).st_mtim.tv_sec, 1243002600);
}

TEST_F(VehicleFilesTest, ACopyIsCurrentOnlyWhileSizeAndLastChangeAgree) {
    writeBytes(path("copy.srf"), "vehicle");
    setModificationTime(path("copy.srf"), 1243002600, 123456789);
    makeLink(path("copy.srf"), path("link.srf"));
    const struct {
        const char* name;
        FileStamp original;
        const char* copy;
        bool current;
    } cases[] = {
        {"same", {7, 1243002600, 123456789}, "copy.srf", true},
        {"one nanosecond later", {7, 1243002600, 123456790}, "copy.srf", false},
        {"one second earlier", {7, 1243002599, 123456789}, "copy.srf", false},
        {"one byte longer", {8, 1243002600, 123456789}, "copy.srf", false},
        {"a link is no copy", {7, 1243002600, 123456789}, "link.srf", false},
        {"no copy", {7, 1243002600, 123456789}, "missing.srf", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(copyIsCurrent(c.original, path(c.copy)), c.current) << c.name;
}

TEST_F(VehicleFilesTest, ACopyReadsOnlyWhatTheFileHeldWhenOpened) {
    const QByteArray original(3 * kCopyPieceBytes + 10, 'o');
    writeBytes(path("growing.srf"), original);
    int asked = 0;
    const CopyOptions growAfterTheFirstPiece{.continues = [&] {
        if (asked++ == 0) {
            QFile more(path("growing.srf"));
            EXPECT_TRUE(more.open(QIODevice::Append));
            more.write(QByteArray(5 * kCopyPieceBytes, 'g'));
        }
        return true;
    }};
    EXPECT_EQ(copyVehicleFile(path("growing.srf"), path("copy.srf"), growAfterTheFirstPiece),
              CopyResult::Copied);
    EXPECT_EQ(readBytes(path("copy.srf")), original);
    EXPECT_EQ(asked, 4);
}

TEST_F(VehicleFilesTest, AStoppedCopyLeavesTheTargetAsItWas) {
    writeBytes(path("source.srf"), QByteArray(4 * kCopyPieceBytes, 's'));
    writeBytes(path("target.srf"), "kept");
    int asked = 0;
    QString reason;
    EXPECT_EQ(copyVehicleFile(path("source.srf"), path("target.srf"),
                              {.continues = [&] { return ++asked < 2; }}, &reason),
              CopyResult::Stopped);
    EXPECT_EQ(asked, 2) << "the copy stops at once";
    EXPECT_EQ(reason, "Operation canceled");
    EXPECT_EQ(readBytes(path("target.srf")), "kept");
    EXPECT_EQ(entriesBut(dir.path(), {"source.srf", "target.srf"}), QStringList());
}

TEST_F(VehicleFilesTest, AReplacedFileKeepsItsPermissions) {
    writeBytes(path("source.srf"), "new");
    ASSERT_EQ(::chmod(QFile::encodeName(path("source.srf")).constData(), 0600), 0);
    writeBytes(path("target.srf"), "old");
    ASSERT_EQ(::chmod(QFile::encodeName(path("target.srf")).constData(), 0640), 0);
    EXPECT_TRUE(copied(path("source.srf"), path("target.srf")));
    EXPECT_EQ(statusOf(path("target.srf")).st_mode & 07777, 0640u);
}

TEST_F(VehicleFilesTest, AFullOrReadOnlyFileSystemLeavesTheTargetAsItWas) {
    SmallFileSystem small(path("small"), "size=64k");
    if (!small.mounted())
        GTEST_SKIP() << small.why();
    writeBytes(path("small/target.srf"), "kept");
    writeBytes(path("large.srf"), QByteArray(200000, 'l'));
    QString reason;
    EXPECT_EQ(copyVehicleFile(path("large.srf"), path("small/target.srf"), {}, &reason),
              CopyResult::Failed);
    EXPECT_EQ(reason, "No space left on device");
    EXPECT_EQ(readBytes(path("small/target.srf")), "kept");
    EXPECT_EQ(entriesBut(path("small"), {"target.srf"}), QStringList());

    ASSERT_TRUE(small.remount(MS_RDONLY, "size=64k"));
    writeBytes(path("short.srf"), "new");
    EXPECT_EQ(copyVehicleFile(path("short.srf"), path("small/target.srf"), {}, &reason),
              CopyResult::Failed);
    EXPECT_EQ(reason, "Read-only file system");
    EXPECT_EQ(readBytes(path("small/target.srf")), "kept");
}

TEST_F(VehicleFilesTest, ASourceThatFailsToBeReadIsUnreadableAndLeavesTheTargetAsItWas) {
    ExfatVolume volume;
    EXFAT_VOLUME_OR_END(volume, path("card.img"), path("card"));
    QByteArray bytes = QByteArrayLiteral("A WORN CLUSTER");
    bytes.resize(3 * ExfatVolume::kClusterBytes, 'w');
    QString reason;
    ASSERT_TRUE(volume.writeScattered("Worn.srf", bytes, &reason)) << reason.toStdString();
    ASSERT_TRUE(volume.unmount(&reason)) << reason.toStdString();
    ASSERT_TRUE(volume.breakAfterFirstCluster("A WORN CLUSTER", &reason)) << reason.toStdString();
    ASSERT_TRUE(volume.mount(&reason)) << reason.toStdString();
    writeBytes(path("target.srf"), "kept");

    EXPECT_EQ(copyVehicleFile(volume.folder() + "/Worn.srf", path("target.srf"), {}, &reason),
              CopyResult::Unreadable);
    EXPECT_EQ(reason, "Input/output error");
    EXPECT_EQ(readBytes(path("target.srf")), "kept");
    EXPECT_EQ(entriesBut(dir.path(), {"target.srf", "card.img", "card"}), QStringList());
}

TEST_F(VehicleFilesTest, RemovalSaysWhatHappened) {
    writeBytes(path("Car.srf"), "car bytes");
    writeBytes(path("ReadOnly.srf"), "kept");
    ASSERT_TRUE(QFile::setPermissions(path("ReadOnly.srf"), QFile::ReadOwner | QFile::ReadOther));
    ASSERT_TRUE(QFile::link(path("ReadOnly.srf"), path("Link.srf")));
    ASSERT_TRUE(QDir().mkpath(path("Folder.srf")));
    writeBytes(path("NotAFolder"), "x");
    const struct {
        const char* name;
        Removal result;
        const char* reason;
        bool remains;
    } cases[] = {
        {"Car.srf", Removal::Removed, "", false},
        {"Gone.srf", Removal::AlreadyGone, "", false},
        {"ReadOnly.srf", Removal::Failed, "Read-only file", true},
        // A link goes; the read-only file it points to stays.
        {"Link.srf", Removal::Removed, "", false},
        {"Folder.srf", Removal::Failed, "Is a directory", true},
        {"NotAFolder/Car.srf", Removal::Failed, "Not a directory", false},
    };
    for (const auto& c : cases) {
        QString reason;
        EXPECT_EQ(removeVehicleFile(path(c.name), &reason), c.result) << c.name;
        EXPECT_EQ(reason, c.reason) << c.name;
        EXPECT_EQ(QFileInfo(path(c.name)).exists(), c.remains) << c.name;
    }
    EXPECT_EQ(readBytes(path("ReadOnly.srf")), "kept");
}

} // namespace
