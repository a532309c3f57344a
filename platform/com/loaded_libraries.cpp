#include "platform/com/loaded_libraries.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace com {

bool isLibraryFile(const QString& path) {
    const QFileInfo file(path);
    return file.isAbsolute() && file.isFile();
}

LoadedLibraries& LoadedLibraries::instance() {
    static auto* libraries = new LoadedLibraries;
    return *libraries;
}

HRESULT LoadedLibraries::load(const QString& path, DllGetClassObjectFunction* getClassObject,
                              QString* error) {
    if (!isLibraryFile(path)) {
        *error = QCoreApplication::translate("ComponentModel", "the library %1 does not exist")
                     .arg(path);
        return CO_E_DLLNOTFOUND;
    }
    const QString key = QFileInfo(path).canonicalFilePath();
    if (const auto found = libraries_.find(key); found != libraries_.end()) {
        *getClassObject = found->second.getClassObject;
        return S_OK;
    }
    Library entry;
    entry.library = std::make_unique<SharedLibrary>();
    if (!entry.library->load(key)) {
        *error = QCoreApplication::translate("ComponentModel", "the library %1 does not load: %2")
                     .arg(path, entry.library->errorString());
        return CO_E_ERRORINDLL;
    }
    entry.getClassObject =
        reinterpret_cast<DllGetClassObjectFunction>(entry.library->resolve(kDllGetClassObject));
    entry.canUnloadNow =
        reinterpret_cast<DllCanUnloadNowFunction>(entry.library->resolve(kDllCanUnloadNow));
    if (!entry.getClassObject) {
        *error =
            QCoreApplication::translate("ComponentModel", "the library %1 has no entry point %2")
                .arg(path, QLatin1String(kDllGetClassObject));
        entry.library->unload();
        return CO_E_ERRORINDLL;
    }
    *getClassObject = entry.getClassObject;
    libraries_.emplace(key, std::move(entry));
    return S_OK;
}

void LoadedLibraries::freeUnused() {
    for (auto it = libraries_.begin(); it != libraries_.end();) {
        Library& entry = it->second;
        if (entry.canUnloadNow && entry.canUnloadNow() == S_OK) {
            entry.library->unload();
            it = libraries_.erase(it);
        } else {
            ++it;
        }
    }
}

} // namespace com
