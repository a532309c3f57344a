#include "platform/com/host.h"

#include "platform/com/creation_error.h"
#include "platform/com/loaded_libraries.h"
#include "platform/com/registry.h"

#include <QCoreApplication>

namespace com {

namespace {

thread_local QString lastError;

HRESULT fail(HRESULT hr, const QString& message) {
    return recordCreationFailure(hr, message);
}

} // namespace

HRESULT recordCreationFailure(HRESULT hr, const QString& message) {
    lastError = message + QStringLiteral(" [") + describeHResult(hr) + u']';
    return hr;
}

QString lastCreationError() {
    return lastError;
}

HRESULT CLSIDFromProgID(const QString& progId, CLSID* clsid) {
    if (!clsid)
        return E_POINTER;
    *clsid = GUID_NULL;
    QString error;
    const std::optional<QString> text =
        Registry::lookUp(progId + QStringLiteral("\\CLSID"), &error);
    if (!error.isEmpty())
        return fail(CO_E_CLASSSTRING,
                    QCoreApplication::translate("ComponentModel", "\"%1\" cannot be looked up: %2")
                        .arg(progId, error));
    if (progId.isEmpty() || !text) {
        return fail(CO_E_CLASSSTRING,
                    QCoreApplication::translate(
                        "ComponentModel",
                        "the class \"%1\" is not registered in %2; register its library "
                        "with regsvr")
                        .arg(progId, Registry::filePath()));
    }
    if (!GUID::fromString(*text, clsid)) {
        return fail(
            CO_E_CLASSSTRING,
            QCoreApplication::translate(
                "ComponentModel", "the class \"%1\" has an invalid class identifier \"%2\" in %3")
                .arg(progId, *text, Registry::filePath()));
    }
    return S_OK;
}

HRESULT CoGetClassObject(const CLSID& clsid, const IID& iid, void** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    QString error;
    // A user's entry whose library is gone (a build folder deleted since it was registered) gives
    // way to the registration for every user; one whose library is there is used, and its failure
    // to load is told.
    const std::optional<QString> path = Registry::lookUp(
        QStringLiteral("CLSID\\%1\\InprocServer32").arg(clsid.toString()), isLibraryFile, &error);
    if (!error.isEmpty())
        return fail(
            REGDB_E_CLASSNOTREG,
            QCoreApplication::translate("ComponentModel", "the class %1 cannot be looked up: %2")
                .arg(clsid.toString(), error));
    if (!path || path->isEmpty()) {
        return fail(REGDB_E_CLASSNOTREG,
                    QCoreApplication::translate("ComponentModel",
                                                "the class %1 has no registered library in %2")
                        .arg(clsid.toString(), Registry::filePath()));
    }
    DllGetClassObjectFunction getClassObject = nullptr;
    HRESULT hr = LoadedLibraries::instance().load(*path, &getClassObject, &error);
    if (FAILED(hr)) {
        return fail(
            hr, QCoreApplication::translate("ComponentModel",
                                            "the class %1 is registered, but %2; register it again "
                                            "with regsvr")
                    .arg(clsid.toString(), error));
    }
    hr = getClassObject(clsid, iid, out);
    if (FAILED(hr)) {
        *out = nullptr;
        return fail(
            hr, QCoreApplication::translate("ComponentModel", "%1 does not provide the class %2")
                    .arg(*path, clsid.toString()));
    }
    return hr;
}

HRESULT CoCreateInstance(const CLSID& clsid, IUnknown* outer, const IID& iid, void** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    ComPtr<IClassFactory> factory;
    HRESULT hr = CoGetClassObject(clsid, IID_IClassFactory, factory.putVoid());
    if (FAILED(hr))
        return hr;
    hr = factory->CreateInstance(outer, iid, out);
    if (FAILED(hr)) {
        *out = nullptr;
        return fail(hr, QCoreApplication::translate(
                            "ComponentModel", "the factory of the class %1 could not create it")
                            .arg(clsid.toString()));
    }
    return hr;
}

void CoFreeUnusedLibraries() {
    LoadedLibraries::instance().freeUnused();
}

} // namespace com
