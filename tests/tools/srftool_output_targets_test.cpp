// Where srftool's outputs go when the path names no plain file: a pipe or a socket is written in
// place, a link is followed to the file it names, and a folder, a block device or a link that
// leads nowhere is refused with one line. Every command that writes a file, alike.
#include "tests/support/srf_writer.h"
#include "tests/support/stream_targets.h"
#include "tests/tools/srftool_run.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <QImage>
#include <QTemporaryDir>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;
using srftest::entryType;
using srftest::temporaryFilesIn;
using srftooltest::commandLine;
using srftooltest::Outcome;
using srftooltest::refusedWithOneLine;
using srftooltest::run;

std::vector<std::uint8_t> contentOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Command {
    const char* name;
    std::vector<std::string> arguments; // the output operand comes last
};

class SrftoolOutputTargets : public testing::TestWithParam<Command> {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        fs::create_directories(path("in"));
        fs::create_directories(path("out"));
        fs::create_directories(path("elsewhere"));
        srftest::writeFile(path("in/car.srf"), srftest::typical(2, 8, 8));
        QImage strip(16, 8, QImage::Format_RGBA8888);
        strip.fill(QColor(200, 40, 90, 180));
        ASSERT_TRUE(strip.save(QString::fromStdString(path("in/strip.png"))));
        // What the command writes to a new file: every other target must get the same bytes.
        const Outcome o = runTo(path("in/expected"));
        ASSERT_EQ(o.status, 0) << o.err;
        expected_ = contentOf(path("in/expected"));
        ASSERT_FALSE(expected_.empty());
    }

    std::string path(const std::string& name) const {
        return dir_.filePath(QString::fromStdString(name)).toStdString();
    }

    Outcome runTo(const std::string& out) const {
        std::vector<std::string> arguments = GetParam().arguments;
        for (std::string& a : arguments)
            if (a.starts_with("in/"))
                a = path(a);
        arguments.push_back(out);
        SCOPED_TRACE(commandLine(arguments));
        return run(arguments);
    }

    void expectNoTemporaryFiles() const {
        for (const char* folder : {"in", "out", "elsewhere"})
            EXPECT_EQ(temporaryFilesIn(path(folder)), std::vector<std::string>{}) << folder;
    }

    QTemporaryDir dir_;
    std::vector<std::uint8_t> expected_;
};

TEST_P(SrftoolOutputTargets, WritesAPipeInPlace) {
    srftest::PipeReader reader(path("out/pipe"));
    ASSERT_TRUE(reader.made());
    const Outcome o = runTo(path("out/pipe"));
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.err, "");
    EXPECT_TRUE(reader.bytes() == expected_) << reader.bytes().size() << " bytes read";
    EXPECT_EQ(entryType(path("out/pipe")), mode_t{S_IFIFO});
    expectNoTemporaryFiles();
}

TEST_P(SrftoolOutputTargets, WritesASocketInPlace) {
    srftest::SocketListener listener(path("out/socket"));
    ASSERT_TRUE(listener.made());
    const Outcome o = runTo(path("out/socket"));
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_TRUE(listener.bytes() == expected_) << listener.bytes().size() << " bytes read";
    EXPECT_EQ(entryType(path("out/socket")), mode_t{S_IFSOCK});
    expectNoTemporaryFiles();
}

TEST_P(SrftoolOutputTargets, FollowsALinkAndReplacesTheFileItNames) {
    std::ofstream(path("elsewhere/picture")) << "an older picture";
    fs::create_symlink("../elsewhere/picture", path("out/link"));
    const Outcome o = runTo(path("out/link"));
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.err, "");
    ASSERT_TRUE(fs::is_symlink(path("out/link")));
    EXPECT_EQ(fs::read_symlink(path("out/link")), "../elsewhere/picture");
    EXPECT_TRUE(contentOf(path("elsewhere/picture")) == expected_);
    expectNoTemporaryFiles();
}

TEST_P(SrftoolOutputTargets, RefusesFoldersBlockDevicesAndLinksThatLeadNowhere) {
    fs::create_directory(path("out/folder"));
    fs::create_symlink(path("elsewhere/missing"), path("out/dangling"));
    fs::create_symlink(path("out/folder"), path("out/link-to-folder"));
    // Each with the words its line says it in; a folder's are the system's own.
    std::vector<std::pair<std::string, std::string>> targets = {
        {"out/folder", ""},
        {"out/dangling", "it is a link that leads nowhere"},
        {"out/link-to-folder", ""}};
    // A node of the test's own for the first loop device: srftool must not even open it.
    const int nodeError = srftest::makeDeviceNode(path("out/disk"), S_IFBLK, 7, 0);
    if (nodeError == 0)
        targets.emplace_back("out/disk", "it is a block device");
    for (const auto& [target, words] : targets) {
        SCOPED_TRACE(target);
        const mode_t type = entryType(path(target));
        const Outcome o = runTo(path(target));
        EXPECT_TRUE(refusedWithOneLine(o));
        EXPECT_NE(o.err.find("cannot write " + path(target) + ": " + words), std::string::npos)
            << o.err;
        EXPECT_EQ(entryType(path(target)), type);
    }
    EXPECT_TRUE(fs::is_empty(path("out/folder")));
    EXPECT_TRUE(fs::is_empty(path("elsewhere")));
    expectNoTemporaryFiles();
    if (nodeError != 0)
        GTEST_SKIP() << "no block device node can be made here (" << std::strerror(nodeError)
                     << "); the other targets were checked";
}

INSTANTIATE_TEST_SUITE_P(Commands, SrftoolOutputTargets,
                         testing::Values(Command{"png", {"png", "in/car.srf"}},
                                         Command{"thumbnail", {"thumbnail", "in/car.srf"}},
                                         Command{"filter", {"filter", "none", "in/car.srf"}},
                                         Command{"make", {"make", "in/strip.png"}}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
