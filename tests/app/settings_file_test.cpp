#include "app/settings_file.h"
#include "tests/app/file_bytes.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct ReadCase {
    const char* name;
    QByteArray content;
    bool readable;
    const char* fileDir;
    const char* garminDir;
};

class SettingsReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(SettingsReadTest, ReadsTwoLines) {
    const ReadCase& c = GetParam();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    writeBytes(folder.path() + "/init.ini", c.content);
    const auto folders = readSettingsFile(folder.path());
    ASSERT_EQ(folders.has_value(), c.readable);
    if (!c.readable)
        return;
    EXPECT_EQ(folders->fileDir.toStdString(), c.fileDir);
    EXPECT_EQ(folders->garminDir.toStdString(), c.garminDir);
}

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsReadTest,
    ::testing::Values(
        ReadCase{"CrLf", "/home/o/cars\r\n/media/g/Garmin/Vehicle\r\n", true, "/home/o/cars",
                 "/media/g/Garmin/Vehicle"},
        ReadCase{"FurtherLinesIgnored", "/a\r\n/b\r\n/c\r\n", true, "/a", "/b"},
        ReadCase{"LastLineWithoutEnd", "/a\r\n/b", true, "/a", "/b"},
        ReadCase{"LinuxLineEnds", "/a\n/b\n", true, "/a", "/b"},
        ReadCase{"BlanksKept", " /my cars \r\n/b \r\n", true, " /my cars ", "/b "},
        ReadCase{"EmptyLines", "\r\n\r\n", true, "", ""},
        ReadCase{"Utf8Folder", "/home/j\xc3\xb6rg\r\n/b\r\n", true, "/home/j\xc3\xb6rg", "/b"},
        ReadCase{"SingleByteFolder", "/home/j\xf6rg\r\n/b\r\n", true, "/home/j\xc3\xb6rg", "/b"},
        ReadCase{"OneLine", "/a\r\n", false, "", ""},
        ReadCase{"OneLineWithoutEnd", "/a", false, "", ""}, ReadCase{"Empty", "", false, "", ""},
        ReadCase{"LineTooLong", QByteArray(40000, 'x') + "\r\n/b\r\n", false, "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsFile, MissingFileIsNotFoundAndNotRead) {
    QTemporaryDir folder;
    EXPECT_EQ(findSettingsFile(folder.path()), SettingsPresence::Missing);
    EXPECT_FALSE(readSettingsFile(folder.path()).has_value());
}

TEST(SettingsFile, AFolderNamedLikeTheFileIsNotTheFile) {
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("init.ini"));
    EXPECT_EQ(findSettingsFile(folder.path()), SettingsPresence::Missing);
}

TEST(SettingsFile, APipeInTheFilesPlaceIsNotRead) {
    QTemporaryDir folder;
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.path() + "/init.ini").constData(), 0644), 0);
    EXPECT_EQ(findSettingsFile(folder.path()), SettingsPresence::Missing);
    EXPECT_FALSE(readSettingsFile(folder.path()).has_value());
}

TEST(SettingsFile, WritesBothLinesWithCrLfAndReadsThemBack) {
    QTemporaryDir folder;
    const StoredFolders written{QString::fromUtf8("/home/jörg/Fahrzeuge"),
                                QString::fromUtf8("/media/用户/Garmin/Vehicle")};
    ASSERT_TRUE(writeSettingsFile(folder.path(), written));
    EXPECT_EQ(findSettingsFile(folder.path()), SettingsPresence::Present);
    EXPECT_EQ(readBytes(folder.path() + "/init.ini"),
              QByteArray("/home/j\xc3\xb6rg/Fahrzeuge\r\n/media/\xe7\x94\xa8\xe6\x88\xb7/Garmin/"
                         "Vehicle\r\n"));
    const auto read = readSettingsFile(folder.path());
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->fileDir, written.fileDir);
    EXPECT_EQ(read->garminDir, written.garminDir);
}

TEST(SettingsFile, ReplacesTheFileWholeInsteadOfRewritingIt) {
    QTemporaryDir folder;
    const QString path = folder.path() + "/init.ini";
    const QString witness = folder.path() + "/witness";
    writeBytes(path, "/old/files\r\n/old/garmin\r\n");
    // A second name for the old file: rewriting the file in place would change it too, replacing
    // it by a complete new file leaves it alone.
    ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(witness).constData()),
              0);
    ASSERT_TRUE(writeSettingsFile(folder.path(), {"/new/files", "/new/garmin"}));
    EXPECT_EQ(readBytes(path), QByteArray("/new/files\r\n/new/garmin\r\n"));
    EXPECT_EQ(readBytes(witness), QByteArray("/old/files\r\n/old/garmin\r\n"));
    // Nothing else is left behind in the folder.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST(SettingsFile, AFolderThatCannotTakeTheFileGivesFalse) {
    QTemporaryDir folder;
    EXPECT_FALSE(writeSettingsFile(folder.path() + "/missing", {"/a", "/b"}));
}

struct LinkCase {
    const char* name;
    // Makes "init.ini" in `program` as the case has it; `elsewhere` is another folder.
    std::function<void(const QString& program, const QString& elsewhere)> make;
    // Where the settings end up, below `elsewhere`; empty when they are not written.
    const char* writtenTo;
};

void PrintTo(const LinkCase& c, std::ostream* os) {
    *os << c.name;
}

void link(const QString& target, const QString& path) {
    ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()),
              0);
}

void pipe(const QString& path) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
}

// The kind and content of every entry below a folder, links not followed.
std::map<std::string, std::string> entriesBelow(const QString& folder) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.toStdString())) {
        const std::string name = entry.path().lexically_relative(folder.toStdString()).string();
        if (entry.is_symlink())
            entries[name] = "link to " + std::filesystem::read_symlink(entry.path()).string();
        else if (entry.is_fifo())
            entries[name] = "pipe";
        else if (entry.is_directory())
            entries[name] = "folder";
        else
            entries[name] = readBytes(QString::fromStdString(entry.path().string())).toStdString();
    }
    return entries;
}

class SettingsLinkTest : public ::testing::TestWithParam<LinkCase> {};

TEST_P(SettingsLinkTest, FollowsALinkOnlyToARegularFile) {
    const LinkCase& c = GetParam();
    QTemporaryDir program;
    QTemporaryDir elsewhere;
    c.make(program.path(), elsewhere.path());
    const std::map<std::string, std::string> before = entriesBelow(elsewhere.path());
    const std::string settings = (program.path() + "/init.ini").toStdString();
    // Empty for what is no link.
    std::error_code error;
    const std::string link = std::filesystem::read_symlink(settings, error).string();

    ::testing::internal::CaptureStderr();
    const bool written = writeSettingsFile(program.path(), {"/new/files", "/new/garmin"});
    const std::string said = ::testing::internal::GetCapturedStderr();

    std::map<std::string, std::string> expected = before;
    if (*c.writtenTo) {
        EXPECT_TRUE(written);
        EXPECT_EQ(said, "");
        expected[c.writtenTo] = "/new/files\r\n/new/garmin\r\n";
    } else {
        EXPECT_FALSE(written);
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_NE(said.find("init.ini"), std::string::npos) << said;
    }
    EXPECT_EQ(entriesBelow(elsewhere.path()), expected);
    // "init.ini" stays what it was: the same link, or the same pipe.
    EXPECT_EQ(std::filesystem::read_symlink(settings, error).string(), link);
    EXPECT_EQ(entriesBelow(program.path()).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Links, SettingsLinkTest,
    ::testing::Values(
        LinkCase{"ToARegularFile",
                 [](const QString& program, const QString& elsewhere) {
                     writeBytes(elsewhere + "/settings.ini", "/old/files\r\n/old/garmin\r\n");
                     link(elsewhere + "/settings.ini", program + "/init.ini");
                 },
                 "settings.ini"},
        LinkCase{"ToALinkToARegularFile",
                 [](const QString& program, const QString& elsewhere) {
                     ASSERT_TRUE(QDir(elsewhere).mkdir("deeper"));
                     writeBytes(elsewhere + "/deeper/settings.ini", "old");
                     link("deeper/settings.ini", elsewhere + "/hop.ini");
                     link(elsewhere + "/hop.ini", program + "/init.ini");
                 },
                 "deeper/settings.ini"},
        LinkCase{"ToAFolder",
                 [](const QString& program, const QString& elsewhere) {
                     link(elsewhere, program + "/init.ini");
                 },
                 ""},
        LinkCase{"ToAPipe",
                 [](const QString& program, const QString& elsewhere) {
                     pipe(elsewhere + "/pipe");
                     link(elsewhere + "/pipe", program + "/init.ini");
                 },
                 ""},
        LinkCase{"ToNothing",
                 [](const QString& program, const QString& elsewhere) {
                     link(elsewhere + "/missing.ini", program + "/init.ini");
                 },
                 ""},
        LinkCase{"APipeItself",
                 [](const QString& program, const QString&) { pipe(program + "/init.ini"); }, ""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
