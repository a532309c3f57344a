// Installs the build into a prefix of the test's own with `cmake --install`, as a package does,
// and starts the installed program by its link in bin as a user would: whether the program folder
// is read only or its owner may write to it, the user's settings and working folder go to the
// user's configuration and cache, and the card library is found through the registration for
// every user.
#include <csignal>
#include <gtest/gtest.h>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct ToolRun {
    int exitCode = -1;
    QString output;
};

ToolRun runTool(const QString& program, const QStringList& arguments,
                const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(300000))
        return {-2, QStringLiteral("did not finish")};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -3,
            QString::fromLocal8Bit(process.readAll())};
}

// Root writes anywhere the permission bits say no, so as root the folder becomes a read-only bind
// mount of itself; anyone else takes the write permission away.
class ReadOnly {
public:
    explicit ReadOnly(const QString& folder)
        : name_(QFile::encodeName(folder)) {
        if (::geteuid() != 0) {
            ready_ = ::chmod(name_.constData(), 0555) == 0;
            return;
        }
        if (::mount(name_.constData(), name_.constData(), nullptr, MS_BIND, nullptr) != 0)
            return;
        mounted_ = true;
        ready_ = ::mount(nullptr, name_.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY,
                         nullptr) == 0;
    }
    ~ReadOnly() {
        if (mounted_)
            ::umount(name_.constData());
        else
            ::chmod(name_.constData(), 0755);
    }
    ReadOnly(const ReadOnly&) = delete;
    ReadOnly& operator=(const ReadOnly&) = delete;
    bool ready() const { return ready_; }
    bool mounted() const { return mounted_; }

private:
    QByteArray name_;
    bool mounted_ = false;
    bool ready_ = false;
};

class InstalledProgramTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        scratch_ = new QTemporaryDir;
        ASSERT_TRUE(scratch_->isValid());
        const ToolRun install =
            runTool(QStringLiteral(CMAKE_COMMAND),
                    {"--install", QStringLiteral(BUILD_DIR), "--prefix", prefix()},
                    QProcessEnvironment::systemEnvironment());
        ASSERT_EQ(install.exitCode, 0) << install.output.toStdString();
    }
    static void TearDownTestSuite() {
        delete scratch_;
        scratch_ = nullptr;
    }
    static QString prefix() { return scratch_->filePath(QStringLiteral("usr")); }
    static QString programFolder() { return prefix() + "/lib/motorhall"; }

    // A user of its own and the machine's configuration below the scratch root.
    QProcessEnvironment userEnvironment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("HOME", home_.path());
        env.insert("XDG_CONFIG_HOME", home_.filePath("config"));
        env.insert("XDG_CACHE_HOME", home_.filePath("cache"));
        env.insert("XDG_CONFIG_DIRS", scratch_->filePath("etc/xdg"));
        return env;
    }

    // The card library registered for every user of the scratch root, as the package does.
    void registerForEveryUser() const {
        const ToolRun registration =
            runTool(programFolder() + "/regsvr", {"--system", programFolder() + "/libtessel.so"},
                    userEnvironment());
        ASSERT_EQ(registration.exitCode, 0) << registration.output.toStdString();
        ASSERT_TRUE(QFileInfo(scratch_->filePath("etc/xdg/motorhall/registry.txt")).isFile());
    }

    // Starts the installed program by its link in bin, waits until both panes are listed and ends
    // it with a termination request, as a desktop's logout does; it saves its settings.
    void startAndEnd() const {
        QProcess program;
        program.setProcessEnvironment(userEnvironment());
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start(prefix() + "/bin/motorhall");
        ASSERT_TRUE(program.waitForStarted(60000));
        // Both panes are listed once the working folder exists, in the user's cache or, wrongly,
        // in the program folder; bounded for a slow build.
        const QString working = home_.filePath("cache/motorhall/temp");
        const QString misplaced = programFolder() + "/temp";
        for (int i = 0; i < 1200 && !QFileInfo(working).isDir() && !QFileInfo(misplaced).isDir();
             ++i) {
            ASSERT_EQ(program.state(), QProcess::Running);
            QThread::msleep(50);
        }
        EXPECT_FALSE(QFileInfo::exists(misplaced));
        ASSERT_TRUE(QFileInfo(working).isDir());
        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        ASSERT_TRUE(program.waitForFinished(60000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0);
    }

    // The first start shows the installed sample vehicles: the program folder in both panes,
    // kept in the user's configuration.
    void expectSettingsInTheUsersConfiguration() const {
        QFile settings(home_.filePath("config/motorhall/init.ini"));
        ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
        const QByteArray line = QFile::encodeName(programFolder()) + "\r\n";
        EXPECT_EQ(settings.readAll(), line + line);
    }

    static QTemporaryDir* scratch_;
    QTemporaryDir home_;
};

// Every name below the folder with its size and modification time, one a line.
std::string listing(const QString& folder) {
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        entries.append(QStringLiteral("%1 %2 %3")
                           .arg(QDir(folder).relativeFilePath(entry.filePath()))
                           .arg(entry.size())
                           .arg(entry.lastModified().toMSecsSinceEpoch()));
    }
    entries.sort();
    return entries.join(u'\n').toStdString();
}

QTemporaryDir* InstalledProgramTest::scratch_ = nullptr;

TEST_F(InstalledProgramTest, LaysOutTheProgramFolderAndTheCommands) {
    EXPECT_EQ(QFileInfo(prefix() + "/bin/motorhall").symLinkTarget(),
              programFolder() + "/motorhall");
    for (const char* file :
         {"motorhall", "regsvr", "libtessel.so", "libmhgdi.so", "libmhcom.so", "Images/Skin.bmp",
          "Images/Icon-48.png", "SportsCar.srf", "FarmTractor.srf"})
        EXPECT_TRUE(QFileInfo(programFolder() + '/' + file).isFile()) << file;
    for (const char* file : {"srftool", "init.ini", "temp"})
        EXPECT_FALSE(QFileInfo::exists(programFolder() + '/' + file)) << file;
    // On every user's path only the program and the vehicle tool; the registration tool, a
    // generic name, is the program's own and stays in its folder.
    EXPECT_EQ(QDir(prefix() + "/bin")
                  .entryList(QDir::AllEntries | QDir::NoDotAndDotDot)
                  .join(u' ')
                  .toStdString(),
              "motorhall srftool");
    EXPECT_FALSE(QFileInfo::exists(prefix() + "/share/man/man1/regsvr.1.gz"));
    // The installed folder is marked as such; the build's program folder is not.
    EXPECT_TRUE(QFileInfo(programFolder() + "/installed").isFile());
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral(BUILD_DIR "/bin/installed")));
    // The tool in bin finds its libraries in the program folder, the one there beside itself.
    const ToolRun info = runTool(prefix() + "/bin/srftool",
                                 {"info", programFolder() + "/Saloon.srf"}, userEnvironment());
    EXPECT_EQ(info.exitCode, 0) << info.output.toStdString();
    EXPECT_TRUE(info.output.startsWith("result: 1\n")) << info.output.toStdString();
    const ToolRun help = runTool(programFolder() + "/regsvr", {"--help"}, userEnvironment());
    EXPECT_EQ(help.exitCode, 0) << help.output.toStdString();
    EXPECT_TRUE(help.output.startsWith("usage: regsvr ")) << help.output.toStdString();
}

TEST_F(InstalledProgramTest, AnotherUserStartsItAndKeepsTheFoldersInTheUsersConfiguration) {
    ASSERT_TRUE(home_.isValid());
    ASSERT_NO_FATAL_FAILURE(registerForEveryUser());
    const ReadOnly locked(programFolder());
    if (!locked.ready() && ::geteuid() == 0)
        GTEST_SKIP() << "a read-only bind mount cannot be made here (no CAP_SYS_ADMIN)";
    ASSERT_TRUE(locked.ready());

    ASSERT_NO_FATAL_FAILURE(startAndEnd());
    expectSettingsInTheUsersConfiguration();
    for (const char* file : {"init.ini", "temp"})
        EXPECT_FALSE(QFileInfo::exists(programFolder() + '/' + file)) << file;
}

// The program folder's owner, as root is of /usr/lib/motorhall, may write into it; the installed
// program still keeps the user's settings and copies out of it, so that removing it leaves none.
TEST_F(InstalledProgramTest, ItsOwnerStartsItAndTheProgramFolderStaysUntouched) {
    ASSERT_TRUE(home_.isValid());
    ASSERT_NO_FATAL_FAILURE(registerForEveryUser());
    ASSERT_EQ(::access(QFile::encodeName(programFolder()).constData(), W_OK), 0);
    const std::string before = listing(programFolder());

    ASSERT_NO_FATAL_FAILURE(startAndEnd());
    expectSettingsInTheUsersConfiguration();
    EXPECT_EQ(listing(programFolder()), before);
}

TEST_F(InstalledProgramTest, WithoutARegistrationItNamesTheInstalledRegistrationTool) {
    ASSERT_TRUE(home_.isValid());
    QProcessEnvironment environment = userEnvironment();
    // A machine without the registration for every user that another case makes.
    environment.insert("XDG_CONFIG_DIRS", home_.filePath("etc/xdg"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(prefix() + "/bin/motorhall");
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_NE(program.exitCode(), 0);
    const QString error = QString::fromLocal8Bit(program.readAllStandardError());
    EXPECT_TRUE(error.contains(programFolder() + "/regsvr " + programFolder() + "/libtessel.so"))
        << error.toStdString();
}

struct CommandLineCase {
    const char* name;
    QStringList arguments;
    int exitCode;
    const char* outputStart;
};

class InstalledCommandLineTest : public InstalledProgramTest,
                                 public ::testing::WithParamInterface<CommandLineCase> {};

TEST_P(InstalledCommandLineTest, AnswersWithoutAScreen) {
    QProcessEnvironment environment = userEnvironment();
    // Help and version need no display; the other cases fail before they would need one.
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(name);
    const CommandLineCase& c = GetParam();
    const ToolRun run = runTool(prefix() + "/bin/motorhall", c.arguments, environment);
    EXPECT_EQ(run.exitCode, c.exitCode) << run.output.toStdString();
    EXPECT_TRUE(run.output.startsWith(QString::fromUtf8(c.outputStart)))
        << run.output.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Installed, InstalledCommandLineTest,
    ::testing::Values(CommandLineCase{"Version", {"--version"}, 0, "motorhall 1.0.0\n"},
                      CommandLineCase{"ShortVersion", {"-v"}, 0, "motorhall 1.0.0\n"},
                      CommandLineCase{"Help", {"--help"}, 0, "Usage: "},
                      CommandLineCase{"UnknownOption",
                                      {"--colour", "--help"},
                                      1,
                                      "motorhall: Unknown option 'colour'."}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
