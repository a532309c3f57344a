// files::RegularFile on every kind of entry a path can name, made for real: what is opened, what
// is refused and why, and that no read goes beyond what the file held when it was opened.
#include "platform/files/regular_file.h"
#include "tests/files/scratch_folder.h"
#include "tests/support/open_descriptors.h"
#include "tests/support/stream_targets.h"

#include <cerrno>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using files::RegularFile;
using Bytes = std::vector<std::uint8_t>;

void writeBytes(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

std::string textOf(std::span<const std::uint8_t> bytes) {
    return {bytes.begin(), bytes.end()};
}

TEST(RegularFile, OpensOnlyARegularFileWithinTheLimitAndSaysWhyNot) {
    ScratchFolder folder;
    const fs::path dir = folder.path();
    writeBytes(dir / "ten.srf", "0123456789");
    fs::create_directory(dir / "folder.srf");
    fs::create_symlink(dir / "ten.srf", dir / "link.srf");
    fs::create_symlink(dir / "missing.srf", dir / "dangling.srf");
    ASSERT_EQ(::mkfifo((dir / "pipe.srf").c_str(), 0600), 0);
    srftest::SocketListener socket((dir / "socket.srf").string());
    ASSERT_TRUE(socket.made());
    const struct {
        const char* name;
        fs::path path;
        std::uint64_t limit;
        RegularFile::Failure failure;
        int errorNumber;
        mode_t type; // what the descriptor showed, where it was looked at
    } cases[] = {
        {"a file of exactly the limit", dir / "ten.srf", 10, RegularFile::Failure::none, 0,
         S_IFREG},
        {"a link to it", dir / "link.srf", 10, RegularFile::Failure::none, 0, S_IFREG},
        {"one byte over the limit", dir / "ten.srf", 9, RegularFile::Failure::tooLarge, 0, S_IFREG},
        {"a missing file", dir / "missing.srf", 10, RegularFile::Failure::open, ENOENT, 0},
        {"a link that leads nowhere", dir / "dangling.srf", 10, RegularFile::Failure::open, ENOENT,
         0},
        {"a folder", dir / "folder.srf", 10, RegularFile::Failure::notRegular, 0, S_IFDIR},
        // Opened without waiting for a writer, or the test would hang here.
        {"a pipe without a writer", dir / "pipe.srf", 10, RegularFile::Failure::notRegular, 0,
         S_IFIFO},
        {"a socket", dir / "socket.srf", 10, RegularFile::Failure::open, ENXIO, 0},
        {"a device", "/dev/null", RegularFile::kAnySize, RegularFile::Failure::notRegular, 0,
         S_IFCHR},
    };
    const std::size_t descriptors = srftest::openDescriptorCount();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const RegularFile file = RegularFile::open(c.path, c.limit);
        EXPECT_EQ(file.isOpen(), c.failure == RegularFile::Failure::none);
        EXPECT_EQ(file.failure(), c.failure);
        EXPECT_EQ(file.errorNumber(), c.errorNumber);
        EXPECT_EQ(file.status().st_mode & S_IFMT, c.type);
        EXPECT_EQ(file.size(), file.isOpen() ? 10u : 0u);
        if (!file.isOpen()) {
            EXPECT_EQ(srftest::openDescriptorCount(), descriptors) << "a refused file is closed";
        }
    }
    EXPECT_EQ(srftest::openDescriptorCount(), descriptors);
}

TEST(RegularFile, ReadsAtAnyOffsetNoFurtherThanTheFileHeldWhenOpened) {
    ScratchFolder folder;
    const fs::path path = folder.path() / "ten.srf";
    writeBytes(path, "0123456789");
    const RegularFile file = RegularFile::open(path, RegularFile::kAnySize);
    ASSERT_TRUE(file.isOpen());
    std::ofstream(path, std::ios::binary | std::ios::app) << "grown since";
    const struct {
        std::uint64_t offset;
        std::size_t asked;
        std::string got;
    } cases[] = {
        {0, 4, "0123"}, {6, 4, "6789"},        {8, 4, "89"}, // the end of what the file held
        {10, 4, ""},    {0, 64, "0123456789"},
    };
    for (const auto& c : cases) {
        Bytes out(c.asked, '-');
        const RegularFile::Read read = file.readAt(c.offset, out);
        EXPECT_EQ(read.errorNumber, 0) << c.offset;
        EXPECT_EQ(textOf(std::span(out).first(read.bytes)), c.got) << c.offset;
    }
    // A file that shrank since it was opened ends early, which is no error.
    ASSERT_EQ(::truncate(path.c_str(), 6), 0);
    Bytes out(10);
    const RegularFile::Read read = file.readAt(0, out);
    EXPECT_EQ(read.bytes, 6u);
    EXPECT_EQ(read.errorNumber, 0);
}

TEST(RegularFile, ItsContentIsReadOnceAndKeptWhileItIsOpen) {
    ScratchFolder folder;
    const fs::path path = folder.path() / "picture.png";
    writeBytes(path, "the first content");
    RegularFile file = RegularFile::open(path, RegularFile::kAnySize);
    ASSERT_TRUE(file.isOpen());
    EXPECT_EQ(textOf(file.content().bytes), "the first content");
    // Changed in place after it was read: what was looked at stays what is given.
    writeBytes(path, "other bytes");
    EXPECT_EQ(textOf(file.content().bytes), "the first content");
    EXPECT_EQ(file.content().errorNumber, 0);

    // Cut short before it is read: what it still holds.
    writeBytes(path, "0123456789");
    RegularFile shrinking = RegularFile::open(path, RegularFile::kAnySize);
    ASSERT_EQ(::truncate(path.c_str(), 4), 0);
    EXPECT_EQ(textOf(shrinking.content().bytes), "0123");
    EXPECT_EQ(shrinking.content().errorNumber, 0);

    shrinking.close();
    EXPECT_FALSE(shrinking.isOpen());
    EXPECT_TRUE(shrinking.content().bytes.empty());
    EXPECT_TRUE(RegularFile().content().bytes.empty());
}

TEST(RegularFile, AMovedFileIsReadThroughItsNewOwnerOnly) {
    ScratchFolder folder;
    const fs::path path = folder.path() / "ten.srf";
    writeBytes(path, "0123456789");
    const std::size_t descriptors = srftest::openDescriptorCount();
    {
        RegularFile first = RegularFile::open(path, 10);
        RegularFile second = std::move(first);
        EXPECT_FALSE(first.isOpen());
        EXPECT_EQ(first.size(), 0u);
        ASSERT_TRUE(second.isOpen());
        EXPECT_EQ(textOf(second.content().bytes), "0123456789");
        RegularFile third;
        third = std::move(second);
        EXPECT_EQ(textOf(third.content().bytes), "0123456789");
        Bytes out(4);
        EXPECT_EQ(second.readAt(0, out).bytes, 0u);
        EXPECT_EQ(srftest::openDescriptorCount(), descriptors + 1);
        third = RegularFile::open(path, 10);
        EXPECT_EQ(srftest::openDescriptorCount(), descriptors + 1) << "the one it held is closed";
    }
    EXPECT_EQ(srftest::openDescriptorCount(), descriptors);
}

} // namespace
