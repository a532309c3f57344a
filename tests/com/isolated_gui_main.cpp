// The main of the GUI test programs: Qt's offscreen platform and a registry of their own, in
// a configuration folder that lives as long as the program; the system's configuration folders
// are one of its own too, so a registration for every user on the machine is never seen.
#include <gtest/gtest.h>
#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    QTemporaryDir configuration;
    if (!configuration.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configuration.path() + "/user"));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(configuration.path() + "/system"));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
