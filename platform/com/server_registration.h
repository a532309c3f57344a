// What a server library's DllRegisterServer and DllUnregisterServer write into and remove
// from the registry, laid out like the system's standard registration of a control:
//
//   <ProgID> = <ProgID>                           CLSID\{clsid} = <ProgID>
//   <ProgID>\CLSID = {clsid}                      CLSID\{clsid}\ProgID = <ProgID>
//   CLSID\{clsid}\InprocServer32 = <absolute path of the library>
//   CLSID\{clsid}\InprocServer32\ThreadingModel = Apartment
//   CLSID\{clsid}\InprocServer32\FileVersion = <file version>
//   CLSID\{clsid}\Control =                       (controls only)
//   CLSID\{clsid}\MiscStatus = 0, ...\MiscStatus\1 = <status, decimal>
//   CLSID\{clsid}\ToolboxBitmap32 = <library>, <bitmap resource>
//   CLSID\{clsid}\TypeLib = {libid}               CLSID\{clsid}\Version = <major.minor>
//   Interface\{iid} = <name>, \ProxyStubClsid32, \TypeLib = {libid}, \TypeLib\Version
//   TypeLib\{libid}\<major.minor> = <help string>, \Name, \<locale, hex>\linux = <library>,
//   \FLAGS, \HELPDIR
#pragma once

#include "platform/com/type_library.h"

#include <span>

namespace com {

struct ClassRegistration {
    const ClassDescription* description;
    QString progId;
    std::uint32_t miscStatus = 0;
    int toolboxBitmap = 0; // resource number; 0 for none
};

struct ServerRegistration {
    QString libraryPath; // absolute
    QString fileVersion;
    const TypeLibraryDescription* typeLibrary;
    std::span<const ClassRegistration> classes;
};

// Both give S_OK, E_INVALIDARG for a library path that is not absolute, or REGDB_E_WRITEREGDB
// (with a readable message) when the registry cannot be read or written. Unregistering removes
// only entries that still name this library's identities, and succeeds when there are none.
HRESULT registerServer(const ServerRegistration& server, QString* error = nullptr);
HRESULT unregisterServer(const ServerRegistration& server, QString* error = nullptr);

// Why the last registerServer or unregisterServer of this thread failed; cleared by a success.
// The registration tool adds it to the status a failed DllRegisterServer returns.
QString lastRegistrationError();
void clearLastRegistrationError();

// The absolute path of the loaded library (or program) that holds `address`; empty if none.
// A server calls it with the address of one of its own functions.
QString moduleFilePath(const void* address);

} // namespace com
