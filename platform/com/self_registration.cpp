#include "platform/com/self_registration.h"

#include "platform/com/server_exports.h"
#include "platform/com/server_registration.h"
#include "platform/com/shared_library.h"

#include <QFileInfo>

namespace com {

HRESULT callSelfRegistration(const QString& library, SelfRegistration which, QString* report) {
    QString line;
    const QString path = QFileInfo(library).absoluteFilePath();
    const char* entryPoint =
        which == SelfRegistration::Register ? kDllRegisterServer : kDllUnregisterServer;
    HRESULT hr = S_OK;
    if (!QFileInfo(path).isFile()) {
        hr = CO_E_DLLNOTFOUND;
        line = QStringLiteral("The library %1 does not exist.").arg(path);
    } else {
        SharedLibrary loaded;
        if (!loaded.load(path)) {
            hr = CO_E_ERRORINDLL;
            line =
                QStringLiteral("The library %1 failed to load: %2").arg(path, loaded.errorString());
        } else {
            const auto call =
                reinterpret_cast<DllRegisterServerFunction>(loaded.resolve(entryPoint));
            if (!call) {
                hr = CO_E_ERRORINDLL;
                line = QStringLiteral("The library %1 was loaded, but the entry point %2 was not "
                                      "found.")
                           .arg(path, QLatin1String(entryPoint));
            } else {
                clearLastRegistrationError();
                hr = call();
                line = QStringLiteral("%1 in %2 ").arg(QLatin1String(entryPoint), path);
                if (SUCCEEDED(hr)) {
                    line += QStringLiteral("succeeded.");
                } else {
                    line += QStringLiteral("failed: ") + describeHResult(hr);
                    if (const QString why = lastRegistrationError(); !why.isEmpty())
                        line += QStringLiteral(" (%1)").arg(why);
                }
            }
        }
    }
    if (report)
        *report = line;
    return hr;
}

} // namespace com
