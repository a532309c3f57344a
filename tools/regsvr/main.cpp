// regsvr: registers a server library of the component model, or takes its registration away.
//
//   regsvr LIBRARY       calls the library's DllRegisterServer
//   regsvr -u LIBRARY    calls its DllUnregisterServer
//   --system             in the registry for every user instead of the user's own
//
// Prints one line of result. Exit status: 0 on success, 1 when the library does not load,
// lacks the entry point or the call fails, 2 on bad arguments.
#include "platform/com/registry.h"
#include "platform/com/self_registration.h"

#include <cstdio>
#include <QString>

namespace {

constexpr int kSucceeded = 0;
constexpr int kFailed = 1;
constexpr int kBadArguments = 2;

constexpr const char* kUsage =
    "usage: regsvr [-u] [--system] LIBRARY\n"
    "  registers the component server LIBRARY in the user's registry of classes;\n"
    "  -u takes its registration away\n"
    "  --system works on the registry for every user, motorhall/registry.txt below the first\n"
    "           folder of XDG_CONFIG_DIRS (/etc/xdg when unset)\n"
    "  --help   shows this help\n"
    "Exit status: 0 on success, 1 when the library does not load or its registration fails,\n"
    "2 on bad arguments.\n";

int usage() {
    std::fputs(kUsage, stderr);
    return kBadArguments;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && QLatin1String(argv[1]) == QLatin1String("--help")) {
        std::fputs(kUsage, stdout);
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? kSucceeded : kFailed;
    }
    com::SelfRegistration which = com::SelfRegistration::Register;
    bool system = false;
    QString library;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument == QLatin1String("-u") && which == com::SelfRegistration::Register &&
            library.isEmpty())
            which = com::SelfRegistration::Unregister;
        else if (argument == QLatin1String("--system") && !system && library.isEmpty())
            system = true;
        else if (!argument.startsWith(u'-') && library.isEmpty() && !argument.isEmpty())
            library = argument;
        else
            return usage();
    }
    if (library.isEmpty())
        return usage();

    if (system)
        com::Registry::setScope(com::RegistryScope::System);
    QString report;
    const com::HRESULT hr = com::callSelfRegistration(library, which, &report);
    const QByteArray line = report.toLocal8Bit() + '\n';
    std::fputs(line.constData(), com::SUCCEEDED(hr) ? stdout : stderr);
    return com::SUCCEEDED(hr) ? kSucceeded : kFailed;
}
