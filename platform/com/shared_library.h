// One loaded shared library: the stand-in for the system's LoadLibrary / GetProcAddress /
// FreeLibrary. Each object holds its own reference to the library (the dynamic loader counts
// them), so a registration call that loads and frees a library never unloads it under the host
// that loaded it too. QLibrary shares one load state among all its objects for a file, which
// lets any of them unload the library for every other; hence the loader is used directly.
#pragma once

#include <QString>

namespace com {

class SharedLibrary {
public:
    SharedLibrary() = default;
    ~SharedLibrary() { unload(); }
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    // Binds every symbol at once, so a library with unresolved symbols fails here, readably,
    // instead of later in a call.
    bool load(const QString& path);
    void* resolve(const char* symbol) const;
    void unload();
    bool isLoaded() const { return handle_ != nullptr; }
    // The loader's message for the last failed load.
    QString errorString() const { return error_; }

private:
    void* handle_ = nullptr;
    QString error_;
};

} // namespace com
