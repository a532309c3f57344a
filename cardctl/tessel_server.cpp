// The four entry points of the library and the values DllRegisterServer records.
#include "cardctl/tessel_control.h"
#include "cardctl/tessel_type_library.h"
#include "cardctl/version_info.h"
#include "platform/com/class_factory.h"
#include "platform/com/server_exports.h"
#include "platform/com/server_registration.h"

namespace tessel {

namespace {

// The toolbox picture: bitmap resource 30000, 16 x 15 pixels at 4 bits per pixel, embedded as
// ":/Tessel/BITMAP/30000".
constexpr int kToolboxBitmap = 30000;

com::ServerModule& thisModule() {
    static com::ServerModule module;
    return module;
}

com::ServerRegistration registration() {
    static const com::ClassRegistration classes[] = {
        {&tesselClass(), QString::fromLatin1(kProgId), kMiscStatus, kToolboxBitmap}};
    // Any object of this library tells where the library file is.
    static const char anchor = 0;
    return com::ServerRegistration{com::moduleFilePath(&anchor), QString::fromLatin1(kFileVersion),
                                   &typeLibrary(), classes};
}

} // namespace

} // namespace tessel

COM_SERVER_EXPORT com::HRESULT DllRegisterServer() {
    return com::registerServer(tessel::registration());
}

COM_SERVER_EXPORT com::HRESULT DllUnregisterServer() {
    return com::unregisterServer(tessel::registration());
}

COM_SERVER_EXPORT com::HRESULT DllGetClassObject(const com::CLSID& clsid, const com::IID& iid,
                                                 void** out) {
    return com::getClassObject<tessel::TesselControl>(clsid, tessel::CLSID_Tessel,
                                                      tessel::thisModule(), iid, out);
}

COM_SERVER_EXPORT com::HRESULT DllCanUnloadNow() {
    return tessel::thisModule().canUnloadNow() ? com::S_OK : com::S_FALSE;
}
