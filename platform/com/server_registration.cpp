#include "platform/com/server_registration.h"

#include "platform/com/registry.h"

#include <dlfcn.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace com {

namespace {

// The proxies the system would use to marshal a dual interface and a dispatch interface.
const QString kProxyDual = QStringLiteral("{00020424-0000-0000-C000-000000000046}");
const QString kProxyDispatch = QStringLiteral("{00020420-0000-0000-C000-000000000046}");

QString versionText(const TypeLibraryDescription& library) {
    return QStringLiteral("%1.%2").arg(library.majorVersion).arg(library.minorVersion);
}

QString classKey(const ClassDescription& c) {
    return QStringLiteral("CLSID\\") + c.clsid.toString();
}

QString interfaceKey(const InterfaceDescription& i) {
    return QStringLiteral("Interface\\") + i.iid.toString();
}

QString typeLibraryKey(const TypeLibraryDescription& library) {
    return QStringLiteral("TypeLib\\") + library.libid.toString();
}

bool writeClass(Registry& r, const ServerRegistration& server, const ClassRegistration& c) {
    const TypeLibraryDescription& library = *server.typeLibrary;
    const QString key = classKey(*c.description);
    const QString clsid = c.description->clsid.toString();
    bool ok =
        r.setValue(c.progId, c.progId) && r.setValue(c.progId + QStringLiteral("\\CLSID"), clsid);
    ok = ok && r.setValue(key, c.progId) &&
         r.setValue(key + QStringLiteral("\\ProgID"), c.progId) &&
         r.setValue(key + QStringLiteral("\\InprocServer32"), server.libraryPath) &&
         r.setValue(key + QStringLiteral("\\InprocServer32\\ThreadingModel"),
                    QStringLiteral("Apartment")) &&
         r.setValue(key + QStringLiteral("\\InprocServer32\\FileVersion"), server.fileVersion) &&
         r.setValue(key + QStringLiteral("\\TypeLib"), library.libid.toString()) &&
         r.setValue(key + QStringLiteral("\\Version"), versionText(library));
    if (c.description->flags & ClassControl) {
        ok = ok && r.setValue(key + QStringLiteral("\\Control"), QString()) &&
             r.setValue(key + QStringLiteral("\\MiscStatus"), QStringLiteral("0")) &&
             r.setValue(key + QStringLiteral("\\MiscStatus\\1"), QString::number(c.miscStatus));
    }
    if (c.toolboxBitmap != 0) {
        ok =
            ok && r.setValue(key + QStringLiteral("\\ToolboxBitmap32"),
                             QStringLiteral("%1, %2").arg(server.libraryPath).arg(c.toolboxBitmap));
    }
    return ok;
}

bool writeInterface(Registry& r, const TypeLibraryDescription& library,
                    const InterfaceDescription& i) {
    const QString key = interfaceKey(i);
    const QString proxy = (i.flags & InterfaceDual) ? kProxyDual : kProxyDispatch;
    return r.setValue(key, QLatin1String(i.name)) &&
           r.setValue(key + QStringLiteral("\\ProxyStubClsid"), proxy) &&
           r.setValue(key + QStringLiteral("\\ProxyStubClsid32"), proxy) &&
           r.setValue(key + QStringLiteral("\\TypeLib"), library.libid.toString()) &&
           r.setValue(key + QStringLiteral("\\TypeLib\\Version"), versionText(library));
}

bool writeTypeLibrary(Registry& r, const ServerRegistration& server) {
    const TypeLibraryDescription& library = *server.typeLibrary;
    const QString key = typeLibraryKey(library) + u'\\' + versionText(library);
    const QString locale = QString::number(library.locale, 16);
    return r.setValue(key, QLatin1String(library.helpString)) &&
           r.setValue(key + QStringLiteral("\\Name"), QLatin1String(library.name)) &&
           r.setValue(key + u'\\' + locale + QStringLiteral("\\linux"), server.libraryPath) &&
           r.setValue(key + QStringLiteral("\\FLAGS"), QStringLiteral("0")) &&
           r.setValue(key + QStringLiteral("\\HELPDIR"),
                      QDir::toNativeSeparators(QFileInfo(server.libraryPath).absolutePath()));
}

bool sameText(const std::optional<QString>& value, const QString& expected) {
    return value && value->compare(expected, Qt::CaseInsensitive) == 0;
}

void removeServer(Registry& r, const ServerRegistration& server) {
    const TypeLibraryDescription& library = *server.typeLibrary;
    const QString libid = library.libid.toString();
    for (const ClassRegistration& c : server.classes) {
        // Another library may have taken the programmatic identifier over since.
        if (sameText(r.value(c.progId + QStringLiteral("\\CLSID")),
                     c.description->clsid.toString()))
            r.removeTree(c.progId);
        r.removeTree(classKey(*c.description));
    }
    for (const InterfaceDescription* i : library.interfaces) {
        if (sameText(r.value(interfaceKey(*i) + QStringLiteral("\\TypeLib")), libid))
            r.removeTree(interfaceKey(*i));
    }
    const QString libraryKey = typeLibraryKey(library);
    r.removeTree(libraryKey + u'\\' + versionText(library));
    const QString below = libraryKey.toLower() + u'\\';
    const QStringList keys = r.keys();
    const bool otherVersions = std::any_of(
        keys.begin(), keys.end(), [&](const QString& k) { return k.toLower().startsWith(below); });
    if (!otherVersions)
        r.removeTree(libraryKey);
}

thread_local QString lastError;

HRESULT finish(HRESULT hr, const QString& message, QString* error) {
    lastError = SUCCEEDED(hr) ? QString() : message;
    if (error)
        *error = lastError;
    return hr;
}

HRESULT checkServer(const ServerRegistration& server, QString* error) {
    if (!server.typeLibrary || server.libraryPath.isEmpty() ||
        !QFileInfo(server.libraryPath).isAbsolute()) {
        if (error)
            *error =
                QStringLiteral("the library path \"%1\" is not absolute").arg(server.libraryPath);
        return E_INVALIDARG;
    }
    return S_OK;
}

} // namespace

HRESULT registerServer(const ServerRegistration& server, QString* error) {
    QString message;
    const HRESULT hr = checkServer(server, &message);
    if (FAILED(hr))
        return finish(hr, message, error);
    const bool written = Registry::modify(
        [&](Registry& r) {
            // Entries of an earlier registration of the same identities go first, so that no
            // value of an older version survives.
            removeServer(r, server);
            for (const ClassRegistration& c : server.classes) {
                if (!writeClass(r, server, c))
                    return false;
            }
            for (const InterfaceDescription* i : server.typeLibrary->interfaces) {
                if (!writeInterface(r, *server.typeLibrary, *i))
                    return false;
            }
            return writeTypeLibrary(r, server);
        },
        &message);
    return finish(written ? S_OK : REGDB_E_WRITEREGDB, message, error);
}

HRESULT unregisterServer(const ServerRegistration& server, QString* error) {
    QString message;
    const HRESULT hr = checkServer(server, &message);
    if (FAILED(hr))
        return finish(hr, message, error);
    const bool written = Registry::modify(
        [&](Registry& r) {
            removeServer(r, server);
            return true;
        },
        &message);
    return finish(written ? S_OK : REGDB_E_WRITEREGDB, message, error);
}

QString lastRegistrationError() {
    return lastError;
}

void clearLastRegistrationError() {
    lastError.clear();
}

QString moduleFilePath(const void* address) {
    Dl_info info{};
    if (!address || dladdr(address, &info) == 0 || !info.dli_fname || !*info.dli_fname)
        return {};
    return QFileInfo(QFile::decodeName(info.dli_fname)).absoluteFilePath();
}

} // namespace com
