// The regsvr tool, run as a user runs it.
#include "platform/com/registry.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

using namespace com;

namespace {

const QString kRegsvr = QStringLiteral(REGSVR_PATH);
const QString kTessel = QStringLiteral(TESSEL_LIBRARY_PATH);
const QString kNoExports = QStringLiteral(NO_EXPORTS_LIBRARY_PATH);

struct ToolRun {
    int exitCode = -1;
    QString output; // stdout and stderr together: the one line of result
};

ToolRun regsvr(const QStringList& arguments, const QString& folder = QString(),
               const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setProcessEnvironment(environment);
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.start(kRegsvr, arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2,
            QString::fromLocal8Bit(process.readAll()).trimmed()};
}

std::optional<QString> registered(const QString& key) {
    Registry r;
    EXPECT_TRUE(r.load());
    return r.value(key);
}

const QString kProgIdKey = QStringLiteral("Project1.Tessel\\CLSID");
const QString kLibraryKey =
    QStringLiteral("CLSID\\{C7651AB5-C0B1-4895-8DD7-1C7B99695E12}\\InprocServer32");

class RegsvrTest : public ::testing::Test {
protected:
    void SetUp() override { QFile::remove(Registry::filePath()); }
};

struct BadArguments {
    const char* name;
    QStringList arguments;
};

void PrintTo(const BadArguments& c, std::ostream* os) {
    *os << c.name;
}

class RegsvrArgumentsTest : public RegsvrTest,
                            public ::testing::WithParamInterface<BadArguments> {};

TEST_P(RegsvrArgumentsTest, BadArgumentsGiveStatusTwoAndTheUsage) {
    const ToolRun run = regsvr(GetParam().arguments);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.output.startsWith(QStringLiteral("usage: regsvr [-u] [--system] LIBRARY")))
        << run.output.toStdString();
    EXPECT_FALSE(QFile::exists(Registry::filePath()));
}

INSTANTIATE_TEST_SUITE_P(
    Regsvr, RegsvrArgumentsTest,
    ::testing::Values(BadArguments{"None", {}}, BadArguments{"OnlyTheSwitch", {"-u"}},
                      BadArguments{"UnknownSwitch", {"-x", kTessel}},
                      BadArguments{"TwoLibraries", {kTessel, kTessel}},
                      BadArguments{"SwitchAfterTheLibrary", {kTessel, "-u"}},
                      BadArguments{"SwitchTwice", {"-u", "-u", kTessel}},
                      BadArguments{"EmptyName", {""}},
                      BadArguments{"SystemTwice", {"--system", "--system", kTessel}},
                      BadArguments{"HelpWithALibrary", {"--help", kTessel}}),
    [](const ::testing::TestParamInfo<BadArguments>& info) { return info.param.name; });

TEST_F(RegsvrTest, RegistersAndUnregistersTheCardLibrary) {
    const QString library = QFileInfo(kTessel).absoluteFilePath();
    ToolRun run = regsvr({kTessel});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, QStringLiteral("DllRegisterServer in %1 succeeded.").arg(library));
    EXPECT_EQ(registered(kProgIdKey), QStringLiteral("{C7651AB5-C0B1-4895-8DD7-1C7B99695E12}"));
    EXPECT_EQ(registered(kLibraryKey), library);

    run = regsvr({QStringLiteral("-u"), kTessel});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, QStringLiteral("DllUnregisterServer in %1 succeeded.").arg(library));
    EXPECT_FALSE(registered(kProgIdKey));
    EXPECT_FALSE(registered(kLibraryKey));
}

TEST_F(RegsvrTest, ARelativePathIsRecordedAbsolute) {
    const QFileInfo library(kTessel);
    const ToolRun run = regsvr({library.fileName()}, library.absolutePath());
    EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
    EXPECT_EQ(registered(kLibraryKey), library.absoluteFilePath());
}

TEST_F(RegsvrTest, AFailedCallGivesStatusOneAndSaysWhy) {
    QTemporaryDir folder;
    const QString text = folder.filePath(QStringLiteral("text.so"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a library");
    file.close();
    const std::pair<QStringList, QString> cases[] = {
        {{folder.filePath(QStringLiteral("missing.so"))}, QStringLiteral("does not exist")},
        {{text}, QStringLiteral("failed to load")},
        {{kNoExports}, QStringLiteral("the entry point DllRegisterServer was not found")},
        {{QStringLiteral("-u"), kNoExports},
         QStringLiteral("the entry point DllUnregisterServer was not found")},
    };
    for (const auto& [arguments, why] : cases) {
        const ToolRun run = regsvr(arguments);
        EXPECT_EQ(run.exitCode, 1) << run.output.toStdString();
        EXPECT_TRUE(run.output.contains(why)) << run.output.toStdString();
        EXPECT_EQ(run.output.count(u'\n'), 0) << "one line";
    }

    // A registry the call cannot write: too large to be one.
    QDir().mkpath(QFileInfo(Registry::filePath()).absolutePath());
    QFile registry(Registry::filePath());
    ASSERT_TRUE(registry.open(QIODevice::WriteOnly));
    registry.write(QByteArray(Registry::kMaximumFileSize + 10, '#'));
    registry.close();
    const ToolRun run = regsvr({kTessel});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.output.contains(QStringLiteral("DllRegisterServer in ")) &&
                run.output.contains(QStringLiteral("failed: REGDB_E_WRITEREGDB")))
        << run.output.toStdString();
}

TEST_F(RegsvrTest, HelpGoesToStandardOutputWithStatusZero) {
    QProcess process;
    process.start(kRegsvr, {QStringLiteral("--help")});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_TRUE(
        process.readAllStandardOutput().startsWith("usage: regsvr [-u] [--system] LIBRARY\n"));
    EXPECT_EQ(process.readAllStandardError(), QByteArray());
}

TEST_F(RegsvrTest, SystemRegistersForEveryUserBelowTheFirstSystemFolder) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_DIRS"),
                       root.filePath(QStringLiteral("first")) + u':' +
                           root.filePath(QStringLiteral("second")));
    const QString systemFile = root.filePath(QStringLiteral("first/motorhall/registry.txt"));
    const QString library = QFileInfo(kTessel).absoluteFilePath();

    ToolRun run = regsvr({QStringLiteral("--system"), kTessel}, QString(), environment);
    EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
    Registry system;
    ASSERT_TRUE(system.load(systemFile, nullptr));
    EXPECT_EQ(system.value(kProgIdKey), QStringLiteral("{C7651AB5-C0B1-4895-8DD7-1C7B99695E12}"));
    EXPECT_EQ(system.value(kLibraryKey), library);
    EXPECT_FALSE(QFile::exists(Registry::filePath())) << "the user's registry is not touched";
    EXPECT_FALSE(QFileInfo::exists(root.filePath(QStringLiteral("second/motorhall"))));

    run =
        regsvr({QStringLiteral("-u"), QStringLiteral("--system"), kTessel}, QString(), environment);
    EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
    ASSERT_TRUE(system.load(systemFile, nullptr));
    EXPECT_FALSE(system.value(kProgIdKey));
    EXPECT_FALSE(system.value(kLibraryKey));
}

} // namespace
