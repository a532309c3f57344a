// files::ReplacementFile on every kind of target a path can name, made for real: what is
// replaced, what is written in place, what is refused, and that no temporary file stays behind.
#include "platform/files/replacement_file.h"
#include "tests/files/scratch_folder.h"
#include "tests/support/stream_targets.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using files::ReplacementFile;
using files::SpecialTarget;
using files::TargetKind;
using srftest::entryType;
using srftest::temporaryFilesIn;

std::vector<std::uint8_t> pattern(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    return bytes;
}

std::string contentOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

struct Written {
    bool committed = false;
    ReplacementFile::Failure failure = ReplacementFile::Failure::none;
    int error = 0;
    TargetKind kind = TargetKind::absent;
};

Written writeThrough(const fs::path& target, SpecialTarget special,
                     const std::vector<std::uint8_t>& bytes) {
    ReplacementFile file(target, special);
    Written w;
    w.committed = file.write(bytes.data(), bytes.size()) && file.commit();
    w.failure = file.failure();
    w.error = file.errorNumber();
    w.kind = file.targetKind();
    return w;
}

ino_t inodeOf(const fs::path& path) {
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
    return status.st_ino;
}

const SpecialTarget kBothChoices[] = {SpecialTarget::writeInPlace, SpecialTarget::refuse};

std::string nameOf(SpecialTarget special) {
    return special == SpecialTarget::writeInPlace ? "written in place" : "refused";
}

TEST(ReplacementFile, ReplacesARegularFileWholeAndKeepsItsPermissions) {
    ScratchFolder folder;
    const fs::path target = folder.path() / "vehicle.srf";
    writeText(target, "the old content, longer than the new");
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    for (SpecialTarget special : kBothChoices) {
        SCOPED_TRACE(nameOf(special));
        // Held open, so that its inode cannot be reused for the new file.
        std::ifstream old(target);
        const ino_t before = inodeOf(target);
        const Written w = writeThrough(target, special, {'n', 'e', 'w'});
        EXPECT_TRUE(w.committed) << std::strerror(w.error);
        EXPECT_EQ(w.kind, TargetKind::regularFile);
        EXPECT_EQ(contentOf(target), "new");
        EXPECT_NE(inodeOf(target), before) << "a new file takes the name";
        EXPECT_EQ(fs::status(target).permissions(),
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
        EXPECT_EQ(temporaryFilesIn(folder.path()), std::vector<std::string>{});
    }
}

// A link stays a link: the regular file it leads to is replaced, beside itself, whichever
// folder it lies in.
TEST(ReplacementFile, FollowsALinkAndReplacesTheFileItNamesInItsOwnFolder) {
    ScratchFolder folder;
    const fs::path here = folder.path() / "here";
    const fs::path there = folder.path() / "there";
    fs::create_directories(here);
    fs::create_directories(there / "deeper");
    const struct {
        const char* what;
        fs::path link;
        fs::path linkText;
        fs::path file; // where the links end
    } cases[] = {
        {"absolute link", here / "a.png", there / "a.png", there / "a.png"},
        {"relative link", here / "b.png", "../there/deeper/b.png", there / "deeper" / "b.png"},
        {"link to a link", here / "c.png", there / "hop.png", there / "deeper" / "c.png"},
    };
    fs::create_symlink("deeper/c.png", there / "hop.png");
    for (SpecialTarget special : kBothChoices) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.what) + ", " + nameOf(special));
            fs::remove(c.link);
            writeText(c.file, "old");
            fs::create_symlink(c.linkText, c.link);
            std::ifstream old(c.file);
            const ino_t before = inodeOf(c.file);
            const Written w = writeThrough(c.link, special, {'n', 'e', 'w'});
            EXPECT_TRUE(w.committed) << std::strerror(w.error);
            EXPECT_EQ(w.kind, TargetKind::regularFile);
            ASSERT_TRUE(fs::is_symlink(c.link));
            EXPECT_EQ(fs::read_symlink(c.link), c.linkText);
            EXPECT_EQ(contentOf(c.file), "new");
            EXPECT_NE(inodeOf(c.file), before) << "replaced, not written over";
            for (const fs::path& f : {here, there, there / "deeper"})
                EXPECT_EQ(temporaryFilesIn(f), std::vector<std::string>{}) << f;
        }
    }
}

// Nothing a rename could put right: the entry stays as it was and no temporary file is made.
TEST(ReplacementFile, RefusesFoldersAndLinksThatLeadNowhere) {
    ScratchFolder folder;
    const fs::path& f = folder.path();
    fs::create_directory(f / "folder.png");
    fs::create_directory(f / "elsewhere");
    fs::create_symlink(f / "missing.png", f / "dangling.png");
    fs::create_symlink(f / "no-folder" / "x.png", f / "dangling-folder.png");
    fs::create_symlink(f / "loop.png", f / "loop.png");
    fs::create_symlink(f / "elsewhere", f / "link-to-folder.png");
    const struct {
        const char* name;
        TargetKind kind;
        int error;
    } cases[] = {
        {"folder.png", TargetKind::folder, EISDIR},
        {"dangling.png", TargetKind::danglingLink, ENOENT},
        {"dangling-folder.png", TargetKind::danglingLink, ENOENT},
        {"loop.png", TargetKind::danglingLink, ENOENT},
        {"link-to-folder.png", TargetKind::folder, EISDIR},
    };
    for (SpecialTarget special : kBothChoices) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.name) + ", " + nameOf(special));
            const mode_t type = entryType(f / c.name);
            const Written w = writeThrough(f / c.name, special, {'x'});
            EXPECT_FALSE(w.committed);
            EXPECT_EQ(w.failure, ReplacementFile::Failure::create);
            EXPECT_EQ(w.error, c.error) << std::strerror(w.error);
            EXPECT_EQ(w.kind, c.kind);
            EXPECT_EQ(entryType(f / c.name), type);
        }
    }
    EXPECT_FALSE(fs::exists(fs::symlink_status(f / "missing.png")));
    EXPECT_FALSE(fs::exists(f / "no-folder"));
    EXPECT_TRUE(fs::is_empty(f / "elsewhere"));
    EXPECT_EQ(temporaryFilesIn(f), std::vector<std::string>{});
}

TEST(ReplacementFile, NeverWritesABlockDevice) {
    ScratchFolder folder;
    const fs::path disk = folder.path() / "disk.png";
    // A node of the test's own for the first loop device: nothing ever opens it.
    if (const int error = srftest::makeDeviceNode(disk, S_IFBLK, 7, 0))
        GTEST_SKIP() << "no block device node can be made here: " << std::strerror(error);
    fs::create_symlink(disk, folder.path() / "link-to-disk.png");
    for (const char* name : {"disk.png", "link-to-disk.png"}) {
        for (SpecialTarget special : kBothChoices) {
            SCOPED_TRACE(std::string(name) + ", " + nameOf(special));
            const Written w = writeThrough(folder.path() / name, special, {'x'});
            EXPECT_FALSE(w.committed);
            EXPECT_EQ(w.failure, ReplacementFile::Failure::create);
            EXPECT_EQ(w.error, EPERM) << std::strerror(w.error);
            EXPECT_EQ(w.kind, TargetKind::blockDevice);
            EXPECT_EQ(entryType(disk), mode_t{S_IFBLK});
        }
    }
    EXPECT_EQ(temporaryFilesIn(folder.path()), std::vector<std::string>{});
}

// More than a pipe holds at once, so the writes wait for the reader.
const std::vector<std::uint8_t> kStreamBytes = pattern(1 << 20);

TEST(ReplacementFile, WritesAPipeInPlace) {
    ScratchFolder folder;
    const fs::path pipe = folder.path() / "out.png";
    srftest::PipeReader reader(pipe);
    ASSERT_TRUE(reader.made());
    fs::create_symlink(pipe, folder.path() / "link.png");
    const Written w = writeThrough(pipe, SpecialTarget::writeInPlace, kStreamBytes);
    EXPECT_TRUE(w.committed) << std::strerror(w.error);
    EXPECT_EQ(w.kind, TargetKind::stream);
    EXPECT_TRUE(reader.bytes() == kStreamBytes) << reader.bytes().size() << " bytes read";
    EXPECT_EQ(entryType(pipe), mode_t{S_IFIFO});
    EXPECT_EQ(temporaryFilesIn(folder.path()), std::vector<std::string>{});

    // Through a link, as /dev/stdout leads to the pipe a shell made.
    fs::remove(pipe);
    srftest::PipeReader again(pipe);
    ASSERT_TRUE(again.made());
    const Written linked =
        writeThrough(folder.path() / "link.png", SpecialTarget::writeInPlace, kStreamBytes);
    EXPECT_TRUE(linked.committed) << std::strerror(linked.error);
    EXPECT_TRUE(again.bytes() == kStreamBytes) << again.bytes().size() << " bytes read";
    EXPECT_TRUE(fs::is_symlink(folder.path() / "link.png"));
    EXPECT_EQ(entryType(pipe), mode_t{S_IFIFO});
    EXPECT_EQ(temporaryFilesIn(folder.path()), std::vector<std::string>{});
}

TEST(ReplacementFile, WritesASocketInPlace) {
    ScratchFolder folder;
    const fs::path socket = folder.path() / "out.png";
    srftest::SocketListener listener(socket);
    ASSERT_TRUE(listener.made());
    const Written w = writeThrough(socket, SpecialTarget::writeInPlace, kStreamBytes);
    EXPECT_TRUE(w.committed) << std::strerror(w.error);
    EXPECT_EQ(w.kind, TargetKind::stream);
    EXPECT_TRUE(listener.bytes() == kStreamBytes) << listener.bytes().size() << " bytes read";
    EXPECT_EQ(entryType(socket), mode_t{S_IFSOCK});
    EXPECT_EQ(temporaryFilesIn(folder.path()), std::vector<std::string>{});
}

// A null device node of the test's own: its fsync fails with EINVAL, which is no failure, and
// it keeps its own modification time.
TEST(ReplacementFile, WritesACharacterDeviceInPlace) {
    ScratchFolder folder;
    const fs::path device = folder.path() / "null.png";
    if (const int error = srftest::makeDeviceNode(device, S_IFCHR, 1, 3))
        GTEST_SKIP() << "no device node can be made here: " << std::strerror(error);
    struct stat before {};
    ASSERT_EQ(::stat(device.c_str(), &before), 0);
    ReplacementFile file(device, SpecialTarget::writeInPlace);
    EXPECT_EQ(file.targetKind(), TargetKind::stream);
    EXPECT_TRUE(file.write(kStreamBytes.data(), kStreamBytes.size()));
    EXPECT_TRUE(file.setModificationTime({1243002600, 0}));
    EXPECT_TRUE(file.commit()) << std::strerror(file.errorNumber());
    struct stat after {};
    ASSERT_EQ(::stat(device.c_str(), &after), 0);
    EXPECT_TRUE(S_ISCHR(after.st_mode));
    EXPECT_EQ(after.st_rdev, before.st_rdev);
    EXPECT_NE(after.st_mtim.tv_sec, 1243002600);
    EXPECT_EQ(temporaryFilesIn(folder.path()), std::vector<std::string>{});
}

// The machine's own /dev/null, as `srftool png car.srf /dev/null` writes it: still the device
// afterwards, and nothing made in /dev.
TEST(ReplacementFile, WritesTheSystemsNullDeviceInPlace) {
    struct stat before {};
    ASSERT_EQ(::stat("/dev/null", &before), 0);
    ASSERT_TRUE(S_ISCHR(before.st_mode));
    const Written w = writeThrough("/dev/null", SpecialTarget::writeInPlace, kStreamBytes);
    EXPECT_TRUE(w.committed) << std::strerror(w.error);
    struct stat after {};
    ASSERT_EQ(::lstat("/dev/null", &after), 0);
    EXPECT_TRUE(S_ISCHR(after.st_mode));
    EXPECT_EQ(after.st_rdev, before.st_rdev);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(temporaryFilesIn("/dev"), std::vector<std::string>{});
}

// The program's own files: refused at once, without waiting for a reader that never comes, and
// without touching what stands there.
TEST(ReplacementFile, RefusesPipesDevicesAndSocketsWhenAskedTo) {
    ScratchFolder folder;
    const fs::path& f = folder.path();
    ASSERT_EQ(::mkfifo((f / "pipe.srf").c_str(), 0600), 0);
    srftest::SocketListener listener(f / "socket.srf");
    ASSERT_TRUE(listener.made());
    fs::create_symlink(f / "pipe.srf", f / "link-to-pipe.srf");
    std::vector<std::string> names = {"pipe.srf", "socket.srf", "link-to-pipe.srf"};
    if (srftest::makeDeviceNode(f / "null.srf", S_IFCHR, 1, 3) == 0)
        names.push_back("null.srf");
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const mode_t type = entryType(f / name);
        const Written w = writeThrough(f / name, SpecialTarget::refuse, {'x'});
        EXPECT_FALSE(w.committed);
        EXPECT_EQ(w.failure, ReplacementFile::Failure::create);
        EXPECT_EQ(w.error, ENOTSUP) << std::strerror(w.error);
        EXPECT_EQ(w.kind, TargetKind::stream);
        EXPECT_EQ(entryType(f / name), type);
    }
    EXPECT_TRUE(listener.bytes().empty());
    EXPECT_EQ(temporaryFilesIn(f), std::vector<std::string>{});
}

// A reader that goes away early would raise SIGPIPE, which ends a process: the write fails with
// EPIPE instead, and no signal is left waiting.
TEST(ReplacementFile, AReaderThatGoesAwayFailsTheWriteWithoutEndingTheProcess) {
    ScratchFolder folder;
    const fs::path pipe = folder.path() / "out.png";
    srftest::PipeReader reader(pipe, 10);
    ASSERT_TRUE(reader.made());
    const Written w = writeThrough(pipe, SpecialTarget::writeInPlace, kStreamBytes);
    EXPECT_FALSE(w.committed);
    EXPECT_EQ(w.failure, ReplacementFile::Failure::write);
    EXPECT_EQ(w.error, EPIPE) << std::strerror(w.error);
    EXPECT_EQ(reader.bytes().size(), 10u);
    sigset_t pending;
    ASSERT_EQ(sigpending(&pending), 0);
    EXPECT_EQ(sigismember(&pending, SIGPIPE), 0);
    EXPECT_EQ(entryType(pipe), mode_t{S_IFIFO});
    EXPECT_EQ(temporaryFilesIn(folder.path()), std::vector<std::string>{});
}

} // namespace
