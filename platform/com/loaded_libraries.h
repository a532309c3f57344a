// The server libraries this process has loaded for the host: each one once, kept until
// CoFreeUnusedLibraries finds that its DllCanUnloadNow allows unloading it. Libraries still
// loaded when the process ends stay loaded: objects of theirs may be released by static
// destructors that run late.
#pragma once

#include "platform/com/server_exports.h"
#include "platform/com/shared_library.h"

#include <map>
#include <memory>
#include <QString>

namespace com {

// Whether `path` names a library file at all: an absolute path to a file (links followed). A
// registration whose library fails this is left over from a library that is gone.
bool isLibraryFile(const QString& path);

class LoadedLibraries {
public:
    static LoadedLibraries& instance();
    // Loads the library at `path` if it is not loaded yet. CO_E_DLLNOTFOUND when there is no
    // such file, CO_E_ERRORINDLL when it does not load or lacks DllGetClassObject; `error` then
    // says why.
    HRESULT load(const QString& path, DllGetClassObjectFunction* getClassObject, QString* error);
    // Unloads every library whose DllCanUnloadNow gives S_OK. A library without that entry
    // point stays, since nothing can tell that its objects are gone.
    void freeUnused();

private:
    LoadedLibraries() = default;
    struct Library {
        std::unique_ptr<SharedLibrary> library;
        DllGetClassObjectFunction getClassObject = nullptr;
        DllCanUnloadNowFunction canUnloadNow = nullptr;
    };
    std::map<QString, Library> libraries_; // by canonical path
};

} // namespace com
