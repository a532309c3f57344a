// What the program opens when started on paths ("Open with" of a file manager): a vehicle file's
// folder with the vehicle, a folder, or nothing with one line about each path not taken.
#include "app/start_target.h"
#include "tests/app/file_bytes.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>

namespace {

TEST(StartChoice, TakesTheFirstVehicleFileOrFolderAndNamesWhatItLeaves) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString base = scratch.path();
    ASSERT_TRUE(QDir().mkpath(base + "/cars"));
    ASSERT_TRUE(QDir().mkpath(base + "/line\nbreak"));
    ASSERT_TRUE(QDir().mkpath(base + "/folder.srf"));
    writeBytes(base + "/cars/Car.srf", "vehicle");
    writeBytes(base + "/cars/BIG.SRF", "vehicle");
    writeBytes(base + "/cars/notes.txt", "text");
    writeBytes(base + "/line\nbreak/Car.srf", "vehicle");
    ASSERT_TRUE(QFile::link(base + "/cars/Car.srf", base + "/Linked.srf"));
    ASSERT_TRUE(QFile::link(base + "/gone.srf", base + "/Dangling.srf"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(base + "/cars/pipe.srf").constData(), 0600), 0);
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(base + "/cars"));

    const auto none = [](const QString& path, const QString& why) {
        return "motorhall: " + path + ": " + why;
    };
    const struct {
        const char* name;
        QStringList paths;
        std::optional<StartTarget> target;
        QStringList complaints;
    } cases[] = {
        {"nothing named", {}, std::nullopt, {}},
        {"a vehicle file", {base + "/cars/Car.srf"}, StartTarget{base + "/cars", "Car.srf"}, {}},
        {"the suffix in capitals",
         {base + "/cars/BIG.SRF"},
         StartTarget{base + "/cars", "BIG.SRF"},
         {}},
        {"a relative path, from the current folder",
         {"Car.srf"},
         StartTarget{base + "/cars", "Car.srf"},
         {}},
        {"a link: its own folder and name",
         {base + "/Linked.srf"},
         StartTarget{base, "Linked.srf"},
         {}},
        {"a folder", {base + "/cars/"}, StartTarget{base + "/cars", ""}, {}},
        {"a folder whose name ends in .srf",
         {base + "/folder.srf"},
         StartTarget{base + "/folder.srf", ""},
         {}},
        {"the current folder", {"."}, StartTarget{base + "/cars", ""}, {}},
        {"a missing file",
         {base + "/cars/Gone.srf"},
         std::nullopt,
         {none(base + "/cars/Gone.srf", "there is no such file or folder")}},
        {"a link that leads nowhere",
         {base + "/Dangling.srf"},
         std::nullopt,
         {none(base + "/Dangling.srf", "there is no such file or folder")}},
        {"a file that is no vehicle file",
         {base + "/cars/notes.txt"},
         std::nullopt,
         {none(base + "/cars/notes.txt", "is neither a vehicle file (.srf) nor a folder")}},
        {"a pipe named as a vehicle",
         {base + "/cars/pipe.srf"},
         std::nullopt,
         {none(base + "/cars/pipe.srf", "is neither a vehicle file (.srf) nor a folder")}},
        {"a folder the settings cannot keep",
         {base + "/line\nbreak/Car.srf"},
         std::nullopt,
         {none(base + "/line\nbreak/Car.srf",
               "a folder whose name holds a line break cannot be shown")}},
        {"several: the first is opened",
         {base + "/cars/Car.srf", base + "/cars/BIG.SRF", "x"},
         StartTarget{base + "/cars", "Car.srf"},
         {none(base + "/cars/BIG.SRF", "left alone, as one file or folder is opened at a time"),
          none("x", "left alone, as one file or folder is opened at a time")}},
        {"several, the first missing: no other is tried",
         {"Gone.srf", "Car.srf"},
         std::nullopt,
         {none("Gone.srf", "there is no such file or folder"),
          none("Car.srf", "left alone, as one file or folder is opened at a time")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const StartChoice choice = startChoiceFor(c.paths);
        EXPECT_EQ(choice.target, c.target);
        EXPECT_EQ(choice.complaints, c.complaints);
    }
    QDir::setCurrent(previous);
}

} // namespace
