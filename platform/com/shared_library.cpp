#include "platform/com/shared_library.h"

#include <dlfcn.h>
#include <QFile>

namespace com {

bool SharedLibrary::load(const QString& path) {
    unload();
    handle_ = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        const char* message = dlerror();
        error_ = message ? QString::fromLocal8Bit(message) : QStringLiteral("unknown error");
        return false;
    }
    error_.clear();
    return true;
}

void* SharedLibrary::resolve(const char* symbol) const {
    return handle_ ? dlsym(handle_, symbol) : nullptr;
}

void SharedLibrary::unload() {
    if (handle_)
        dlclose(handle_);
    handle_ = nullptr;
}

} // namespace com
