// The registry file and what a server's registration writes into it.
#include "platform/com/registry.h"
#include "platform/com/self_registration.h"
#include "tests/com/counter_contract.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

using namespace com;

namespace {

const QString kServer = QStringLiteral(COM_TEST_SERVER_PATH);

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFile::remove(Registry::filePath());
        QDir(QFileInfo(Registry::filePath()).absolutePath()).mkpath(QStringLiteral("."));
    }
    static void writeFile(const QByteArray& content) {
        QFile file(Registry::filePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
};

TEST_F(RegistryTest, LivesInTheUsersConfigurationFolder) {
    EXPECT_EQ(Registry::filePath(), QFile::decodeName(qgetenv("XDG_CONFIG_HOME")) +
                                        QStringLiteral("/motorhall/registry.txt"));
    Registry empty;
    EXPECT_TRUE(empty.load()) << "no file is an empty registry";
    EXPECT_TRUE(empty.keys().isEmpty());
}

TEST_F(RegistryTest, EntriesSurviveASaveAndKeysCompareWithoutCase) {
    Registry r;
    ASSERT_TRUE(r.setValue(QStringLiteral("CLSID\\{A}\\InprocServer32"),
                           QStringLiteral("/path with spaces/lib = x.so")));
    ASSERT_TRUE(r.setValue(QStringLiteral("CLSID\\{A}\\Control"), QString()));
    ASSERT_TRUE(r.setValue(QStringLiteral("Name.\u00c9t\u00e9"), QStringLiteral("\u00fcber")));
    ASSERT_TRUE(r.setValue(QStringLiteral("clsid\\{a}\\control"), QStringLiteral("replaced")));
    ASSERT_TRUE(r.save());

    Registry loaded;
    ASSERT_TRUE(loaded.load());
    EXPECT_EQ(loaded.keys().size(), 3);
    EXPECT_EQ(loaded.value(QStringLiteral("CLSID\\{a}\\INPROCSERVER32")),
              QStringLiteral("/path with spaces/lib = x.so"));
    EXPECT_EQ(loaded.value(QStringLiteral("CLSID\\{A}\\Control")), QStringLiteral("replaced"));
    EXPECT_EQ(loaded.value(QStringLiteral("name.\u00e9t\u00e9")), QStringLiteral("\u00fcber"));
    EXPECT_FALSE(loaded.value(QStringLiteral("CLSID\\{A}")));
    EXPECT_TRUE(QDir(QFileInfo(Registry::filePath()).absolutePath())
                    .entryList(QDir::Files)
                    .filter(QStringLiteral("registry.txt"))
                    .size() == 1)
        << "no temporary file is left beside the registry";
}

TEST_F(RegistryTest, RemovingATreeKeepsItsSiblings) {
    Registry r;
    for (const char* key : {"CLSID\\{A}", "CLSID\\{A}\\ProgID", "CLSID\\{A}\\ProgID\\Deeper",
                            "CLSID\\{A}x", "CLSID\\{B}\\ProgID"})
        ASSERT_TRUE(r.setValue(QString::fromLatin1(key), QStringLiteral("v")));
    r.removeTree(QStringLiteral("clsid\\{a}"));
    EXPECT_EQ(r.keys(),
              (QStringList{QStringLiteral("CLSID\\{A}x"), QStringLiteral("CLSID\\{B}\\ProgID")}));
}

TEST_F(RegistryTest, KeysAndValuesThatCannotBeStoredAreRefused) {
    Registry r;
    for (const char* key : {"", " leading", "trailing ", "has = inside", "ends with =", "#comment",
                            "line\nbreak", "carriage\rreturn"})
        EXPECT_FALSE(r.setValue(QString::fromLatin1(key), QStringLiteral("v"))) << key;
    EXPECT_FALSE(r.setValue(QStringLiteral("key"), QStringLiteral("two\nlines")));
    EXPECT_TRUE(r.keys().isEmpty());
}

TEST_F(RegistryTest, AFileOfOtherContentIsReadWithoutHarm) {
    QByteArray content("# comment\r\n"
                       "Good\\Key = value\r\n"
                       "no separator here\n"
                       " = no key\n"
                       "Empty\\Value =\n"
                       "\n");
    content.append("\x00\xff\xfe garbage = \x01\x02\n", 17);
    content.append(QByteArray(5000, 'k') + " = long\n");
    writeFile(content);
    Registry r;
    ASSERT_TRUE(r.load());
    EXPECT_EQ(r.value(QStringLiteral("Good\\Key")), QStringLiteral("value"));
    EXPECT_EQ(r.value(QStringLiteral("Empty\\Value")), QString());
    EXPECT_FALSE(r.value(QString()));
    EXPECT_EQ(r.value(QString(5000, u'k')), QStringLiteral("long"));
}

TEST_F(RegistryTest, AFileTooLargeToBeARegistryIsRefusedAndNotOverwritten) {
    writeFile(QByteArray(Registry::kMaximumFileSize + 1, 'x'));
    Registry r;
    QString error;
    EXPECT_FALSE(r.load(&error));
    EXPECT_TRUE(error.contains(QStringLiteral("larger than"))) << error.toStdString();

    QString report;
    EXPECT_EQ(callSelfRegistration(kServer, SelfRegistration::Register, &report),
              REGDB_E_WRITEREGDB);
    EXPECT_TRUE(report.contains(QStringLiteral("larger than"))) << report.toStdString();
    EXPECT_EQ(QFileInfo(Registry::filePath()).size(), Registry::kMaximumFileSize + 1);
}

TEST_F(RegistryTest, APathThatIsNotAPlainFileIsRefusedWithoutWaiting) {
    const QByteArray path = QFile::encodeName(Registry::filePath());
    ASSERT_EQ(mkfifo(path.constData(), 0600), 0);
    Registry r;
    QString error;
    EXPECT_FALSE(r.load(&error));
    EXPECT_TRUE(error.contains(QStringLiteral("not a plain file"))) << error.toStdString();
    EXPECT_FALSE(Registry::modify([](Registry&) { return true; }));
    QFile::remove(Registry::filePath());
}

TEST_F(RegistryTest, AServersRegistrationRoundTripsAndLeavesOthersAlone) {
    ASSERT_TRUE(Registry::modify([](Registry& r) {
        return r.setValue(QStringLiteral("Someone.Else\\CLSID"), QStringLiteral("{X}"));
    }));
    QString report;
    ASSERT_EQ(callSelfRegistration(kServer, SelfRegistration::Register, &report), S_OK);
    EXPECT_EQ(report, QStringLiteral("DllRegisterServer in %1 succeeded.")
                          .arg(QFileInfo(kServer).absoluteFilePath()));
    Registry r;
    ASSERT_TRUE(r.load());
    const QString clsid = QStringLiteral("CLSID\\") + counter::CLSID_Counter.toString();
    EXPECT_EQ(r.value(QStringLiteral("MotorhallTest.Counter\\CLSID")),
              counter::CLSID_Counter.toString());
    EXPECT_EQ(r.value(clsid + QStringLiteral("\\InprocServer32")),
              QFileInfo(kServer).absoluteFilePath());
    EXPECT_EQ(r.value(clsid + QStringLiteral("\\InprocServer32\\FileVersion")),
              QStringLiteral("2.1.0.0"));
    EXPECT_EQ(r.value(clsid + QStringLiteral("\\MiscStatus\\1")), QStringLiteral("131473"));
    EXPECT_FALSE(r.value(clsid + QStringLiteral("\\ToolboxBitmap32")));
    EXPECT_EQ(r.value(clsid + QStringLiteral("\\Version")), QStringLiteral("2.1"));
    EXPECT_EQ(r.value(QStringLiteral("Interface\\") + counter::IID_ICounter.toString()),
              QStringLiteral("ICounter"));
    const QString library =
        QStringLiteral("TypeLib\\") + counter::LIBID_CounterLibrary.toString() + "\\2.1";
    EXPECT_EQ(r.value(library), QStringLiteral("Counter test library"));
    EXPECT_EQ(r.value(library + QStringLiteral("\\409\\linux")),
              QFileInfo(kServer).absoluteFilePath());

    ASSERT_EQ(callSelfRegistration(kServer, SelfRegistration::Unregister, &report), S_OK);
    ASSERT_TRUE(r.load());
    EXPECT_EQ(r.keys(), QStringList{QStringLiteral("Someone.Else\\CLSID")});
    ASSERT_EQ(callSelfRegistration(kServer, SelfRegistration::Unregister, &report), S_OK)
        << "unregistering what is not registered succeeds";
}

TEST_F(RegistryTest, UnregisteringLeavesAProgIdThatAnotherClassHasTakenOver) {
    QString report;
    ASSERT_EQ(callSelfRegistration(kServer, SelfRegistration::Register, &report), S_OK);
    ASSERT_TRUE(Registry::modify([](Registry& r) {
        return r.setValue(QStringLiteral("MotorhallTest.Counter\\CLSID"),
                          QStringLiteral("{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}"));
    }));
    ASSERT_EQ(callSelfRegistration(kServer, SelfRegistration::Unregister, &report), S_OK);
    Registry r;
    ASSERT_TRUE(r.load());
    EXPECT_EQ(r.value(QStringLiteral("MotorhallTest.Counter\\CLSID")),
              QStringLiteral("{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}"));
    EXPECT_FALSE(r.value(QStringLiteral("CLSID\\") + counter::CLSID_Counter.toString() +
                         QStringLiteral("\\InprocServer32")));
}

struct SystemFolderCase {
    const char* name;
    const char* configDirs; // XDG_CONFIG_DIRS; null when unset
    const char* expected;
};

class RegistrySystemFileTest : public ::testing::TestWithParam<SystemFolderCase> {
protected:
    void SetUp() override { saved_ = qgetenv("XDG_CONFIG_DIRS"); }
    void TearDown() override {
        Registry::setScope(RegistryScope::User);
        qputenv("XDG_CONFIG_DIRS", saved_);
    }
    QByteArray saved_;
};

TEST_P(RegistrySystemFileTest, LivesBelowTheFirstSystemConfigurationFolder) {
    const SystemFolderCase& c = GetParam();
    if (c.configDirs)
        qputenv("XDG_CONFIG_DIRS", c.configDirs);
    else
        qunsetenv("XDG_CONFIG_DIRS");
    Registry::setScope(RegistryScope::System);
    EXPECT_EQ(Registry::filePath(), QString::fromUtf8(c.expected));
    Registry::setScope(RegistryScope::User);
    EXPECT_EQ(Registry::filePath(), QFile::decodeName(qgetenv("XDG_CONFIG_HOME")) +
                                        QStringLiteral("/motorhall/registry.txt"));
}

INSTANTIATE_TEST_SUITE_P(
    Registry, RegistrySystemFileTest,
    ::testing::Values(
        SystemFolderCase{"Unset", nullptr, "/etc/xdg/motorhall/registry.txt"},
        SystemFolderCase{"Empty", "", "/etc/xdg/motorhall/registry.txt"},
        SystemFolderCase{"FirstOfTwo", "/opt/a:/opt/b", "/opt/a/motorhall/registry.txt"},
        // Relative and empty entries name no folder and are passed over.
        SystemFolderCase{"RelativeSkipped", "etc/xdg::/opt/b", "/opt/b/motorhall/registry.txt"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
