// The card library as a component server: its registration, its class factory and when it
// may be unloaded.
#include "platform/com/registry.h"
#include "platform/com/self_registration.h"
#include "platform/com/server_exports.h"
#include "platform/com/shared_library.h"
#include "tests/cardctl/card_fixture.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>

using namespace com;
using namespace tessel;

namespace {

class TesselServerTest : public ::testing::Test {
protected:
    void SetUp() override { QFile::remove(Registry::filePath()); }
    void TearDown() override { CoFreeUnusedLibraries(); }

    static Registry registry() {
        Registry r;
        EXPECT_TRUE(r.load());
        return r;
    }
};

TEST_F(TesselServerTest, RegistrationRecordsTheCardAndUnregistrationTakesItAway) {
    ASSERT_TRUE(Registry::modify([](Registry& r) {
        return r.setValue(QStringLiteral("Other.Class\\CLSID"), QStringLiteral("{other}"));
    }));
    registerTessel();
    const QString library = QFileInfo(kTesselLibrary).absoluteFilePath();
    const QString clsid = QStringLiteral("CLSID\\{C7651AB5-C0B1-4895-8DD7-1C7B99695E12}");
    const QString libid = QStringLiteral("{8964BEC7-52F5-4625-A7AD-ECAED7473042}");
    const std::pair<QString, QString> expected[] = {
        {QStringLiteral("Project1.Tessel\\CLSID"),
         QStringLiteral("{C7651AB5-C0B1-4895-8DD7-1C7B99695E12}")},
        {clsid + QStringLiteral("\\ProgID"), QStringLiteral("Project1.Tessel")},
        {clsid + QStringLiteral("\\InprocServer32"), library},
        {clsid + QStringLiteral("\\InprocServer32\\FileVersion"), QStringLiteral("1.0.0.0")},
        {clsid + QStringLiteral("\\Control"), QString()},
        {clsid + QStringLiteral("\\MiscStatus\\1"), QStringLiteral("131473")},
        {clsid + QStringLiteral("\\ToolboxBitmap32"), library + QStringLiteral(", 30000")},
        {clsid + QStringLiteral("\\TypeLib"), libid},
        {clsid + QStringLiteral("\\Version"), QStringLiteral("1.0")},
        {QStringLiteral("Interface\\{6A0415FE-BB58-4699-A74A-379DE4F4EBAE}"),
         QStringLiteral("_Tessel")},
        {QStringLiteral("Interface\\{6A0415FE-BB58-4699-A74A-379DE4F4EBAE}\\TypeLib"), libid},
        {QStringLiteral("Interface\\{6C956BD7-ADE5-43D1-956F-EC9B7B42351D}"),
         QStringLiteral("__Tessel")},
        {QStringLiteral("TypeLib\\") + libid + QStringLiteral("\\1.0"), QStringLiteral("Project1")},
        {QStringLiteral("TypeLib\\") + libid + QStringLiteral("\\1.0\\Name"),
         QStringLiteral("Project1")},
        {QStringLiteral("TypeLib\\") + libid + QStringLiteral("\\1.0\\409\\linux"), library},
    };
    Registry r = registry();
    for (const auto& [key, value] : expected)
        EXPECT_EQ(r.value(key).value_or(QStringLiteral("<missing>")), value) << key.toStdString();

    QString report;
    ASSERT_EQ(callSelfRegistration(kTesselLibrary, SelfRegistration::Unregister, &report), S_OK)
        << report.toStdString();
    EXPECT_EQ(registry().keys(), QStringList{QStringLiteral("Other.Class\\CLSID")});
}

TEST_F(TesselServerTest, AStaleRegistrationFailsCleanlyUntilTheLibraryIsRegisteredAgain) {
    QTemporaryDir folder;
    const QString moved = folder.filePath(QStringLiteral("libtessel.so"));
    ASSERT_TRUE(QFile::copy(kTesselLibrary, moved));
    QString report;
    ASSERT_EQ(callSelfRegistration(moved, SelfRegistration::Register, &report), S_OK);
    ASSERT_TRUE(QFile::remove(moved));

    QWidget parent;
    HRESULT hr = S_OK;
    QString message;
    EXPECT_FALSE(ControlSite::create(QString::fromLatin1(kProgId), &parent, &hr, &message));
    EXPECT_EQ(hr, CO_E_DLLNOTFOUND);
    EXPECT_TRUE(message.contains(moved)) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("regsvr"))) << message.toStdString();

    registerTessel();
    EXPECT_TRUE(ControlSite::create(QString::fromLatin1(kProgId), &parent, &hr, &message));
}

TEST_F(TesselServerTest, TheFactoryKnowsOnlyTheCardClass) {
    SharedLibrary library;
    ASSERT_TRUE(library.load(kTesselLibrary)) << library.errorString().toStdString();
    const auto getClassObject =
        reinterpret_cast<DllGetClassObjectFunction>(library.resolve(kDllGetClassObject));
    ASSERT_TRUE(getClassObject);
    void* out = &library;
    const CLSID stranger{0x12345678, 0x1234, 0x1234, {1, 2, 3, 4, 5, 6, 7, 8}};
    EXPECT_EQ(getClassObject(stranger, IID_IClassFactory, &out), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(getClassObject(CLSID_Tessel, IID_IDispatch, &out), E_NOINTERFACE);

    ComPtr<IClassFactory> factory;
    ASSERT_EQ(getClassObject(CLSID_Tessel, IID_IClassFactory, factory.putVoid()), S_OK);
    ComPtr<IUnknown> card;
    EXPECT_EQ(factory->CreateInstance(factory.get(), IID_IUnknown, card.putVoid()),
              CLASS_E_NOAGGREGATION);
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IClassFactory, card.putVoid()), E_NOINTERFACE);
    EXPECT_FALSE(card);
}

TEST_F(TesselServerTest, TheLibraryIsUnloadedOnlyWithoutLiveCardsAndLocks) {
    registerTessel();
    QWidget parent;
    auto first = ControlSite::create(QString::fromLatin1(kProgId), &parent);
    auto second = ControlSite::create(QString::fromLatin1(kProgId), &parent);
    ASSERT_TRUE(first && second);

    ComPtr<IClassFactory> factory;
    ASSERT_EQ(CoGetClassObject(CLSID_Tessel, IID_IClassFactory, factory.putVoid()), S_OK);
    ASSERT_EQ(factory->LockServer(true), S_OK);
    factory.reset();

    first.reset();
    CoFreeUnusedLibraries();
    EXPECT_TRUE(isLibraryLoaded(kTesselLibrary)) << "a card is alive";
    second.reset();
    CoFreeUnusedLibraries();
    EXPECT_TRUE(isLibraryLoaded(kTesselLibrary)) << "the factory's lock is held";

    ASSERT_EQ(CoGetClassObject(CLSID_Tessel, IID_IClassFactory, factory.putVoid()), S_OK);
    ASSERT_EQ(factory->LockServer(false), S_OK);
    ASSERT_EQ(factory->LockServer(false), S_OK) << "an unlock too many is harmless";
    factory.reset();
    CoFreeUnusedLibraries();
    EXPECT_FALSE(isLibraryLoaded(kTesselLibrary));

    auto again = ControlSite::create(QString::fromLatin1(kProgId), &parent);
    ASSERT_TRUE(again) << "the library loads again";
    VARIANT value;
    EXPECT_EQ(DispatchGet(again->dispatch(), DISPID_BackColor, &value), S_OK);
}

TEST_F(TesselServerTest, TheLibraryCarriesItsToolboxPicture) {
    registerTessel();
    QWidget parent;
    auto card = ControlSite::create(QString::fromLatin1(kProgId), &parent);
    ASSERT_TRUE(card);
    QFile bitmap(QStringLiteral(":/Tessel/BITMAP/30000"));
    ASSERT_TRUE(bitmap.open(QIODevice::ReadOnly));
    const QByteArray bytes = bitmap.readAll();
    ASSERT_GE(bytes.size(), 54);
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    const auto* header = reinterpret_cast<const uchar*>(bytes.constData()) + 14;
    EXPECT_EQ(qFromLittleEndian<qint32>(header + 4), 16);
    EXPECT_EQ(qFromLittleEndian<qint32>(header + 8), 15);
    EXPECT_EQ(qFromLittleEndian<quint16>(header + 14), 4);
}

} // namespace
