#include "format/file_byte_source.h"
#include "format/srf_limits.h"
#include "format/srf_reader.h"
#include "tests/support/open_descriptors.h"
#include "tests/support/srf_writer.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using srf::SrfReadError;
using srftest::openDescriptorCount;
using Bytes = std::vector<std::uint8_t>;

class SrfFileSource : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("srf_file_source_" + std::to_string(::getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path write(const std::string& name, const Bytes& data) {
        const fs::path path = folder_ / name;
        srftest::writeFile(path.string(), data);
        return path;
    }

    fs::path folder_;
};

TEST_F(SrfFileSource, ReadsTheSameRecordAsFromMemoryAndKeepsItWhenMoved) {
    srftest::File file = srftest::typical(3, 8, 6);
    file.image2d.longHeader = true;
    const Bytes data = srftest::bytes(file);
    srf::SrfReadResult fromFile = srf::readSrfFile(write("a.srf", data));
    const srf::SrfReadResult fromMemory = srf::readSrfBytes(data);
    ASSERT_TRUE(fromFile.ok());
    ASSERT_TRUE(fromMemory.ok());
    // The blocks of a file read live in the record itself; moving it must keep them.
    const srf::SrfFile moved = std::move(fromFile.file);
    for (const auto& [got, want] : {std::pair{&moved.image3d, &fromMemory.file.image3d},
                                    {&moved.image2d, &fromMemory.file.image2d}}) {
        EXPECT_EQ(got->height, want->height);
        EXPECT_EQ(got->width, want->width);
        EXPECT_EQ(got->longHeader, want->longHeader);
        EXPECT_EQ(Bytes(got->transparency.begin(), got->transparency.end()),
                  Bytes(want->transparency.begin(), want->transparency.end()));
        EXPECT_EQ(Bytes(got->colour.begin(), got->colour.end()),
                  Bytes(want->colour.begin(), want->colour.end()));
    }
}

TEST_F(SrfFileSource, AMissingFileFailsAndIsNotCreated) {
    const fs::path path = folder_ / "missing.srf";
    EXPECT_EQ(srf::readSrfFile(path).error, SrfReadError::CannotOpen);
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(srf::readSrfFile(folder_ / "no folder" / "x.srf").error, SrfReadError::CannotOpen);
}

TEST_F(SrfFileSource, RefusesWhatIsNotARegularFileWithoutWaiting) {
    const fs::path pipe = folder_ / "pipe.srf";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    // A pipe with no writer would block an ordinary open or read for ever.
    EXPECT_EQ(srf::readSrfFile(pipe).error, SrfReadError::CannotOpen);
    EXPECT_EQ(srf::readSrfFile(folder_).error, SrfReadError::CannotOpen);
    EXPECT_EQ(srf::readSrfFile("/dev/zero").error, SrfReadError::CannotOpen);
}

// Reads the file in a child process that, when started as the superuser, first becomes the
// user "nobody", so that file permissions bind it whoever runs the test. The child's exit
// status: 0 read, 1 could not be opened, 2 failed otherwise, 3 could not give up its rights.
int readInAnUnprivilegedChild(const fs::path& path) {
    const pid_t child = ::fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        constexpr uid_t nobody = 65534;
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setresgid(nobody, nobody, nobody) != 0 ||
             ::setresuid(nobody, nobody, nobody) != 0 || ::geteuid() != nobody))
            ::_exit(3);
        const srf::SrfReadResult read = srf::readSrfFile(path);
        ::_exit(read.ok() ? 0 : read.error == SrfReadError::CannotOpen ? 1 : 2);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(SrfFileSource, AFileWithoutReadPermissionFails) {
    struct Case {
        const char* name;
        fs::perms perms;
        int status;
    };
    const Case cases[] = {
        {"readable by everyone",
         fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read, 0},
        {"readable by no one", fs::perms::none, 1},
    };
    const fs::path path = write("locked.srf", srftest::bytes(srftest::typical(1, 4, 4)));
    for (const Case& c : cases) {
        fs::permissions(path, c.perms);
        EXPECT_EQ(readInAnUnprivilegedChild(path), c.status) << c.name;
    }
}

// A hostile length near 2 GiB in a file of a few hundred bytes is refused by its size alone.
TEST_F(SrfFileSource, ABlockLongerThanTheRestOfTheFileIsRefused) {
    srftest::File file = srftest::typical(1, 4, 4);
    file.image3d.declaredColourLength = INT32_MAX;
    EXPECT_EQ(srf::readSrfFile(write("long.srf", srftest::bytes(file))).error,
              SrfReadError::BlockBeyondFile);
    file.image3d.declaredColourLength.reset();
    const Bytes data = srftest::bytes(file);
    EXPECT_EQ(srf::readSrfFile(write("cut.srf", Bytes(data.begin(), data.end() - 1))).error,
              SrfReadError::BlockBeyondFile);
    EXPECT_EQ(srf::readSrfFile(write("header.srf", Bytes(data.begin(), data.begin() + 80))).error,
              SrfReadError::Truncated);
}

// Sparse files, so that neither case writes or reads 64 MiB.
TEST_F(SrfFileSource, AFileLargerThan64MiBIsNeverOpened) {
    struct Case {
        const char* name;
        off_t size;
        bool opens;
    };
    const Case cases[] = {
        {"exactly 64 MiB", 67108864, true},
        {"one byte more", 67108865, false},
    };
    for (const Case& c : cases) {
        const fs::path path = folder_ / "sparse.srf";
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, c.size), 0);
        ::close(fd);
        srf::FileByteSource source(path);
        EXPECT_EQ(source.isOpen(), c.opens) << c.name;
        EXPECT_EQ(source.remaining(), c.opens ? 67108864u : 0u) << c.name;
        // The zeros of the larger file are never looked at; those of the other one make a
        // transparency block of length 0.
        EXPECT_EQ(srf::readSrfFile(path).error,
                  c.opens ? SrfReadError::EmptyBlock : SrfReadError::CannotOpen)
            << c.name;
    }
}

// Bytes appended after the file was opened are not read: the size is the one it had then.
TEST_F(SrfFileSource, ReadsNoMoreThanTheFileHeldWhenOpened) {
    const fs::path path = write("growing.bin", Bytes{1, 2, 3, 4});
    srf::FileByteSource source(path);
    ASSERT_TRUE(source.isOpen());
    srftest::writeFile(path.string(), Bytes{1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_EQ(source.remaining(), 4u);
    std::uint8_t five[5];
    EXPECT_FALSE(source.read(five));
    Bytes storage;
    EXPECT_FALSE(source.readBlock(5, storage).has_value());
    const auto block = source.readBlock(4, storage);
    ASSERT_TRUE(block.has_value());
    EXPECT_EQ(Bytes(block->begin(), block->end()), (Bytes{1, 2, 3, 4}));
    EXPECT_FALSE(source.skip(1));
}

TEST_F(SrfFileSource, TheFileIsClosedAfterEveryRead) {
    srftest::File bad = srftest::typical(1, 4, 4);
    bad.image2d.declaredAlphaLength = 0;
    const fs::path paths[] = {write("good.srf", srftest::bytes(srftest::typical(1, 4, 4))),
                              write("bad.srf", srftest::bytes(bad)),
                              write("short.srf", Bytes(30, 1)), folder_ / "missing.srf"};
    const std::size_t before = openDescriptorCount();
    for (const fs::path& path : paths) {
        srf::readSrfFile(path);
        EXPECT_EQ(openDescriptorCount(), before) << path;
    }
}

TEST_F(SrfFileSource, ReadsSkipsAndBlocksStopAtTheEndOfTheFile) {
    srf::FileByteSource source(write("ten.bin", Bytes{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    ASSERT_TRUE(source.isOpen());
    EXPECT_EQ(source.remaining(), 10u);
    std::uint8_t two[2];
    ASSERT_TRUE(source.read(two));
    EXPECT_EQ(two[1], 1);
    EXPECT_FALSE(source.skip(9));
    ASSERT_TRUE(source.skip(3));
    Bytes storage;
    EXPECT_FALSE(source.readBlock(6, storage).has_value());
    EXPECT_TRUE(storage.empty()) << "nothing is allocated for a block beyond the end";
    const auto block = source.readBlock(5, storage);
    ASSERT_TRUE(block.has_value());
    EXPECT_EQ(Bytes(block->begin(), block->end()), (Bytes{5, 6, 7, 8, 9}));
    EXPECT_EQ(source.remaining(), 0u);
    EXPECT_FALSE(source.read(std::span(two, 1)));
    source.close();
    EXPECT_FALSE(source.isOpen());
    EXPECT_FALSE(source.skip(0));
}

// The file a caller opened and checked is read from its first byte, whatever took its name since,
// and stays open for the caller; one that is not open, or is larger than any vehicle, is refused
// as a path would be.
TEST_F(SrfFileSource, ReadsAFileTheCallerOpenedAndLeavesItOpen) {
    const fs::path path = write("ten.bin", Bytes{0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    const files::RegularFile file = files::RegularFile::open(path, srf::kMaxVehicleFileBytes);
    ASSERT_TRUE(file.isOpen());
    fs::remove(path);
    write("ten.bin", Bytes{9, 9});
    for (int pass = 0; pass < 2; ++pass) {
        srf::FileByteSource source(file);
        ASSERT_TRUE(source.isOpen()) << pass;
        EXPECT_EQ(source.remaining(), 10u) << pass;
        std::uint8_t two[2];
        ASSERT_TRUE(source.read(two)) << pass;
        EXPECT_EQ(two[0], 0) << pass;
        EXPECT_EQ(two[1], 1) << pass;
        source.close();
        EXPECT_FALSE(source.isOpen());
        EXPECT_TRUE(file.isOpen()) << "the caller's file stays open";
    }

    const fs::path large = folder_ / "large.srf";
    ASSERT_TRUE(std::ofstream(large).good());
    fs::resize_file(large, srf::kMaxVehicleFileBytes + 1);
    const files::RegularFile anySize =
        files::RegularFile::open(large, files::RegularFile::kAnySize);
    ASSERT_TRUE(anySize.isOpen());
    EXPECT_FALSE(srf::FileByteSource(anySize).isOpen());
    EXPECT_FALSE(srf::FileByteSource(files::RegularFile()).isOpen());
}

} // namespace
