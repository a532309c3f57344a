// The container side, against the test server library loaded through the registry.
#include "platform/com/host.h"
#include "platform/com/registry.h"
#include "platform/com/self_registration.h"
#include "platform/com/server_exports.h"
#include "platform/com/shared_library.h"
#include "tests/com/counter_contract.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

using namespace com;

namespace {

const QString kServer = QStringLiteral(COM_TEST_SERVER_PATH);
const QString kNoExports = QStringLiteral(COM_TEST_NO_EXPORTS_PATH);
const QString kProgId = QString::fromLatin1(counter::kProgId);

bool isLoaded(const QString& path) {
    void* handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_NOLOAD);
    if (!handle)
        return false;
    dlclose(handle);
    return true;
}

class HostTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFile::remove(Registry::filePath());
        QString report;
        ASSERT_EQ(callSelfRegistration(kServer, SelfRegistration::Register, &report), S_OK)
            << report.toStdString();
    }
    void TearDown() override { CoFreeUnusedLibraries(); }

    std::unique_ptr<ControlSite> createCounter() {
        HRESULT hr = E_FAIL;
        QString message;
        auto site = ControlSite::create(kProgId, &parent_, &hr, &message);
        EXPECT_EQ(hr, S_OK) << message.toStdString();
        return site;
    }

    QWidget parent_;
};

TEST_F(HostTest, CreatesTheControlByItsProgIdWithItsWidgetHiddenInTheParent) {
    auto site = createCounter();
    ASSERT_TRUE(site);
    ASSERT_TRUE(site->widget());
    EXPECT_EQ(site->widget()->parentWidget(), &parent_);
    EXPECT_TRUE(site->widget()->isHidden());
    EXPECT_EQ(site->miscStatus(), counter::kMiscStatus);

    EXPECT_EQ(site->move(10, 20, 30, 40), S_OK);
    EXPECT_EQ(site->widget()->geometry(), QRect(10, 20, 30, 40));
    EXPECT_EQ(site->setVisible(true), S_OK);
    EXPECT_FALSE(site->widget()->isHidden());
    EXPECT_EQ(site->setVisible(false), S_OK);
    EXPECT_TRUE(site->widget()->isHidden());
}

TEST_F(HostTest, WithoutAParentTheControlHasNoWidgetButWorks) {
    HRESULT hr = E_FAIL;
    auto site = ControlSite::create(kProgId, nullptr, &hr);
    ASSERT_TRUE(site);
    EXPECT_EQ(site->widget(), nullptr);
    EXPECT_TRUE(FAILED(site->setVisible(true)));
    EXPECT_EQ(DispatchPut(site->dispatch(), counter::DISPID_Label, variantBstr("x")), S_OK);
}

TEST_F(HostTest, DrivesTheControlByDispidAndTheSinkMayChangeByReferenceArguments) {
    auto site = createCounter();
    ASSERT_TRUE(site);
    IDispatch* counter = site->dispatch();
    ASSERT_EQ(DispatchPut(counter, counter::DISPID_Count, variantI4(5)), S_OK);
    VARIANT value;
    ASSERT_EQ(DispatchGet(counter, counter::DISPID_Count, &value), S_OK);
    EXPECT_EQ(value.vt, VT_I4);
    EXPECT_EQ(value.lVal, 5);

    std::vector<std::int32_t> proposals;
    ASSERT_EQ(site->advise(counter::DIID_CounterEvents,
                           [&](DISPID event, DISPPARAMS& arguments) {
                               ASSERT_EQ(event, counter::DISPID_Changing);
                               ASSERT_EQ(arguments.cArgs, 1u);
                               ASSERT_EQ(arguments.rgvarg[0].vt, VT_I4 | VT_BYREF);
                               proposals.push_back(*arguments.rgvarg[0].plVal);
                               if (*arguments.rgvarg[0].plVal > 100)
                                   *arguments.rgvarg[0].plVal = 100;
                           }),
              S_OK);
    VARIANT result;
    ASSERT_EQ(DispatchCall(counter, counter::DISPID_Add, {variantI4(3)}, &result), S_OK);
    EXPECT_EQ(result.lVal, 8);
    ASSERT_EQ(DispatchCall(counter, counter::DISPID_Add, {variantI4(50), variantI2(2)}, &result),
              S_OK);
    EXPECT_EQ(result.lVal, 100) << "the sink's change to the by-reference value is what counts";
    EXPECT_EQ(proposals, (std::vector<std::int32_t>{8, 108}));
}

TEST_F(HostTest, NamesMapToDispidsWithoutRegardToCase) {
    auto site = createCounter();
    ASSERT_TRUE(site);
    const QString names[] = {QStringLiteral("add"), QStringLiteral("TIMES"),
                             QStringLiteral("amount")};
    DISPID ids[3] = {};
    ASSERT_EQ(site->dispatch()->GetIDsOfNames(GUID_NULL, names, 3, 0, ids), S_OK);
    EXPECT_EQ(ids[0], counter::DISPID_Add);
    EXPECT_EQ(ids[1], 1);
    EXPECT_EQ(ids[2], 0);
    const QString unknown[] = {QStringLiteral("Subtract")};
    EXPECT_EQ(site->dispatch()->GetIDsOfNames(GUID_NULL, unknown, 1, 0, ids), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(ids[0], DISPID_UNKNOWN);
}

TEST_F(HostTest, AnEventHandlerMayDestroyTheSiteThatRaisedTheEvent) {
    auto site = createCounter();
    ASSERT_TRUE(site);
    IDispatch* counter = site->dispatch();
    bool called = false;
    ASSERT_EQ(site->advise(counter::DIID_CounterEvents,
                           [&](DISPID, DISPPARAMS&) {
                               called = true;
                               site.reset();
                           }),
              S_OK);
    VARIANT result;
    EXPECT_EQ(DispatchCall(counter, counter::DISPID_Add, {variantI4(1)}, &result), S_OK);
    EXPECT_TRUE(called);
    EXPECT_EQ(result.lVal, 1);
    EXPECT_TRUE(parent_.findChildren<QWidget*>().isEmpty());
}

TEST_F(HostTest, EndingTheSiteTakesTheWidgetAwayEvenWhileTheControlLivesOn) {
    auto site = createCounter();
    ASSERT_TRUE(site);
    ComPtr<IDispatch> kept;
    ASSERT_EQ(site->object()->QueryInterface(IID_IDispatch, kept.putVoid()), S_OK);
    int events = 0;
    ASSERT_EQ(site->advise(counter::DIID_CounterEvents, [&](DISPID, DISPPARAMS&) { ++events; }),
              S_OK);
    site.reset();
    EXPECT_TRUE(parent_.findChildren<QWidget*>().isEmpty());
    VARIANT result;
    EXPECT_EQ(DispatchCall(kept.get(), counter::DISPID_Add, {variantI4(2)}, &result), S_OK);
    EXPECT_EQ(result.lVal, 2);
    EXPECT_EQ(events, 0) << "the site's sink was unadvised";
}

TEST_F(HostTest, ASiteWhoseWidgetDiedWithItsParentFailsCleanly) {
    auto parent = std::make_unique<QWidget>();
    HRESULT hr = E_FAIL;
    auto site = ControlSite::create(kProgId, parent.get(), &hr);
    ASSERT_TRUE(site);
    parent.reset();
    EXPECT_EQ(site->widget(), nullptr);
    EXPECT_TRUE(FAILED(site->setVisible(true)));
    EXPECT_TRUE(FAILED(site->move(0, 0, 10, 10)));
    VARIANT value;
    EXPECT_EQ(DispatchGet(site->dispatch(), counter::DISPID_Count, &value), S_OK);
}

struct CreationFailure {
    const char* name;
    std::function<QString(const QTemporaryDir&)> prepare; // gives the ProgID to create
    HRESULT expected;
    const char* messagePart;
};

void PrintTo(const CreationFailure& c, std::ostream* os) {
    *os << c.name;
}

void addClass(const QString& progId, const QString& clsid, const QString& library) {
    ASSERT_TRUE(Registry::modify([&](Registry& r) {
        r.setValue(progId + QStringLiteral("\\CLSID"), clsid);
        if (!library.isNull())
            r.setValue(QStringLiteral("CLSID\\%1\\InprocServer32").arg(clsid), library);
        return true;
    }));
}

const QString kStrangerClsid = QStringLiteral("{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}");

class CreationFailureTest : public HostTest,
                            public ::testing::WithParamInterface<CreationFailure> {};

TEST_P(CreationFailureTest, GivesTheStatusAndAReadableMessageAndNoSite) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString progId = GetParam().prepare(folder);
    QWidget parent;
    HRESULT hr = S_OK;
    QString message;
    auto site = ControlSite::create(progId, &parent, &hr, &message);
    EXPECT_FALSE(site);
    EXPECT_EQ(hr, GetParam().expected) << message.toStdString();
    EXPECT_TRUE(message.contains(QString::fromUtf8(GetParam().messagePart)))
        << message.toStdString();
    EXPECT_EQ(message, lastCreationError());
    EXPECT_TRUE(parent.findChildren<QWidget*>().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Host, CreationFailureTest,
    ::testing::Values(
        CreationFailure{"UnknownProgId",
                        [](const QTemporaryDir&) { return QStringLiteral("No.Such"); },
                        CO_E_CLASSSTRING, "\"No.Such\" is not registered"},
        CreationFailure{"ClassWithoutLibrary",
                        [](const QTemporaryDir&) {
                            addClass(QStringLiteral("Half.Registered"), kStrangerClsid, QString());
                            return QStringLiteral("Half.Registered");
                        },
                        REGDB_E_CLASSNOTREG, "no registered library"},
        CreationFailure{"MalformedClassIdentifier",
                        [](const QTemporaryDir&) {
                            addClass(QStringLiteral("Bad.Clsid"), QStringLiteral("{not-a-guid}"),
                                     QString());
                            return QStringLiteral("Bad.Clsid");
                        },
                        CO_E_CLASSSTRING, "invalid class identifier"},
        CreationFailure{
            "LibraryMovedAway",
            [](const QTemporaryDir& folder) {
                const QString copy = folder.filePath(QStringLiteral("libcounter.so"));
                EXPECT_TRUE(QFile::copy(kServer, copy));
                QString report;
                EXPECT_EQ(callSelfRegistration(copy, SelfRegistration::Register, &report), S_OK);
                EXPECT_TRUE(QFile::remove(copy));
                return kProgId;
            },
            CO_E_DLLNOTFOUND, "libcounter.so does not exist"},
        CreationFailure{"LibraryWithoutEntryPoints",
                        [](const QTemporaryDir&) {
                            addClass(QStringLiteral("No.Exports"), kStrangerClsid, kNoExports);
                            return QStringLiteral("No.Exports");
                        },
                        CO_E_ERRORINDLL, "has no entry point DllGetClassObject"},
        CreationFailure{"FileThatIsNotALibrary",
                        [](const QTemporaryDir& folder) {
                            const QString path = folder.filePath(QStringLiteral("text.so"));
                            QFile file(path);
                            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
                            file.write("not a library\n");
                            file.close();
                            addClass(QStringLiteral("Text.File"), kStrangerClsid, path);
                            return QStringLiteral("Text.File");
                        },
                        CO_E_ERRORINDLL, "does not load"},
        CreationFailure{"ClassTheLibraryDoesNotProvide",
                        [](const QTemporaryDir&) {
                            addClass(QStringLiteral("Stranger"), kStrangerClsid, kServer);
                            return QStringLiteral("Stranger");
                        },
                        CLASS_E_CLASSNOTAVAILABLE, "does not provide the class"}),
    [](const ::testing::TestParamInfo<CreationFailure>& info) { return info.param.name; });

TEST_F(HostTest, LibraryIsUnloadedOnlyWhenNoObjectAndNoLockIsAlive) {
    ComPtr<IClassFactory> factory;
    ASSERT_EQ(CoGetClassObject(counter::CLSID_Counter, IID_IClassFactory, factory.putVoid()), S_OK);
    ComPtr<IUnknown> object;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, object.putVoid()), S_OK);
    ASSERT_EQ(factory->LockServer(true), S_OK);
    factory.reset();

    SharedLibrary direct;
    ASSERT_TRUE(direct.load(kServer));
    const auto canUnloadNow =
        reinterpret_cast<DllCanUnloadNowFunction>(direct.resolve(kDllCanUnloadNow));
    ASSERT_TRUE(canUnloadNow);
    EXPECT_EQ(canUnloadNow(), S_FALSE) << "an object and a lock are alive";
    object.reset();
    EXPECT_EQ(canUnloadNow(), S_FALSE) << "the lock is alive";
    direct.unload();

    CoFreeUnusedLibraries();
    EXPECT_TRUE(isLoaded(kServer));

    ASSERT_EQ(CoGetClassObject(counter::CLSID_Counter, IID_IClassFactory, factory.putVoid()), S_OK);
    ASSERT_EQ(factory->LockServer(false), S_OK);
    CoFreeUnusedLibraries();
    EXPECT_TRUE(isLoaded(kServer)) << "the factory itself is still held";
    factory.reset();
    CoFreeUnusedLibraries();
    EXPECT_FALSE(isLoaded(kServer));

    auto site = createCounter();
    ASSERT_TRUE(site) << "a library that was unloaded loads again";
    EXPECT_TRUE(isLoaded(kServer));
}

// The test server registered for every user, in the system registry file, and not in the user's.
class SystemRegistrationTest : public HostTest {
protected:
    void SetUp() override {
        QFile::remove(Registry::filePath());
        Registry::setScope(RegistryScope::System);
        QFile::remove(Registry::filePath());
        QString report;
        const HRESULT hr = callSelfRegistration(kServer, SelfRegistration::Register, &report);
        Registry::setScope(RegistryScope::User);
        ASSERT_EQ(hr, S_OK) << report.toStdString();
        ASSERT_FALSE(QFile::exists(Registry::filePath()));
    }
    void TearDown() override {
        Registry::setScope(RegistryScope::System);
        QFile::remove(Registry::filePath());
        Registry::setScope(RegistryScope::User);
        HostTest::TearDown();
    }
};

TEST_F(SystemRegistrationTest, AClassRegisteredForEveryUserIsCreated) {
    auto site = createCounter();
    ASSERT_TRUE(site);
    EXPECT_EQ(site->miscStatus(), counter::kMiscStatus);
}

// The counter's class registered in the user's file as well, with its library at the path that
// `prepare` makes in `folder` and gives back.
struct UsersEntryCase {
    const char* name;
    std::function<QString(const QTemporaryDir& folder)> prepare;
    HRESULT expected;
    const char* messagePart; // in the failure's message; null when the class is created
};

void PrintTo(const UsersEntryCase& c, std::ostream* os) {
    *os << c.name;
}

class UsersEntryTest : public SystemRegistrationTest,
                       public ::testing::WithParamInterface<UsersEntryCase> {};

TEST_P(UsersEntryTest, OnlyALibraryThatIsGoneGivesWayToTheRegistrationForEveryUser) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString library = GetParam().prepare(folder);
    addClass(kProgId, counter::CLSID_Counter.toString(), library);
    HRESULT hr = E_FAIL;
    QString message;
    auto site = ControlSite::create(kProgId, &parent_, &hr, &message);
    EXPECT_EQ(hr, GetParam().expected) << message.toStdString();
    if (!GetParam().messagePart) {
        ASSERT_TRUE(site) << message.toStdString();
        EXPECT_EQ(site->miscStatus(), counter::kMiscStatus);
        EXPECT_TRUE(isLoaded(kServer)) << "the library registered for every user is used";
    } else {
        EXPECT_FALSE(site);
        EXPECT_TRUE(message.contains(library + QString::fromUtf8(GetParam().messagePart)))
            << message.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Host, UsersEntryTest,
    ::testing::Values(
        // A build folder registered by the user and deleted since.
        UsersEntryCase{
            "LibraryDeleted",
            [](const QTemporaryDir& folder) {
                const QString copy = folder.filePath(QStringLiteral("libcounter.so"));
                EXPECT_TRUE(QFile::copy(kServer, copy));
                QString report;
                EXPECT_EQ(callSelfRegistration(copy, SelfRegistration::Register, &report), S_OK);
                EXPECT_TRUE(QFile::remove(copy));
                return copy;
            },
            S_OK, nullptr},
        UsersEntryCase{"LinkToNothing",
                       [](const QTemporaryDir& folder) {
                           const QString link = folder.filePath(QStringLiteral("libcounter.so"));
                           EXPECT_TRUE(
                               QFile::link(folder.filePath(QStringLiteral("gone.so")), link));
                           return link;
                       },
                       S_OK, nullptr},
        UsersEntryCase{"FolderInsteadOfALibrary",
                       [](const QTemporaryDir& folder) { return folder.path(); }, S_OK, nullptr},
        // The user's own library is there: its failure is the user's to see, not passed over.
        UsersEntryCase{"LibraryThatDoesNotLoad",
                       [](const QTemporaryDir& folder) {
                           const QString path = folder.filePath(QStringLiteral("text.so"));
                           QFile file(path);
                           EXPECT_TRUE(file.open(QIODevice::WriteOnly));
                           file.write("not a library\n");
                           return path;
                       },
                       CO_E_ERRORINDLL, " does not load"},
        UsersEntryCase{"LibraryWithoutEntryPoints", [](const QTemporaryDir&) { return kNoExports; },
                       CO_E_ERRORINDLL, " has no entry point DllGetClassObject"}),
    [](const ::testing::TestParamInfo<UsersEntryCase>& info) { return info.param.name; });

TEST_F(SystemRegistrationTest, WhenEveryRegisteredLibraryIsGoneTheUsersIsNamed) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString users = folder.filePath(QStringLiteral("user/libcounter.so"));
    const QString everyones = folder.filePath(QStringLiteral("system/libcounter.so"));
    addClass(kProgId, counter::CLSID_Counter.toString(), users);
    Registry::setScope(RegistryScope::System);
    addClass(kProgId, counter::CLSID_Counter.toString(), everyones);
    Registry::setScope(RegistryScope::User);
    HRESULT hr = S_OK;
    QString message;
    auto site = ControlSite::create(kProgId, &parent_, &hr, &message);
    EXPECT_FALSE(site);
    EXPECT_EQ(hr, CO_E_DLLNOTFOUND) << message.toStdString();
    EXPECT_TRUE(message.contains(users + QStringLiteral(" does not exist")))
        << message.toStdString();
}

TEST_F(SystemRegistrationTest, TheUsersOwnRegistrationComesFirst) {
    addClass(kProgId, kStrangerClsid, kNoExports);
    HRESULT hr = S_OK;
    QString message;
    auto site = ControlSite::create(kProgId, &parent_, &hr, &message);
    EXPECT_FALSE(site);
    EXPECT_EQ(hr, CO_E_ERRORINDLL) << message.toStdString();
}

} // namespace
