// regsvr: registers a server library of the component model, or takes its registration away.
//
//   regsvr LIBRARY       calls the library's DllRegisterServer
//   regsvr -u LIBRARY    calls its DllUnregisterServer
//
// Prints one line of result. Exit status: 0 on success, 1 when the library does not load,
// lacks the entry point or the call fails, 2 on bad arguments.
#include "platform/com/self_registration.h"

#include <cstdio>
#include <QString>

namespace {

constexpr int kSucceeded = 0;
constexpr int kFailed = 1;
constexpr int kBadArguments = 2;

int usage() {
    std::fputs("usage: regsvr [-u] LIBRARY\n"
               "  registers the component server LIBRARY in the user's registry of classes;\n"
               "  -u takes its registration away\n",
               stderr);
    return kBadArguments;
}

} // namespace

int main(int argc, char** argv) {
    com::SelfRegistration which = com::SelfRegistration::Register;
    QString library;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument == QLatin1String("-u") && which == com::SelfRegistration::Register &&
            library.isEmpty())
            which = com::SelfRegistration::Unregister;
        else if (!argument.startsWith(u'-') && library.isEmpty() && !argument.isEmpty())
            library = argument;
        else
            return usage();
    }
    if (library.isEmpty())
        return usage();

    QString report;
    const com::HRESULT hr = com::callSelfRegistration(library, which, &report);
    const QByteArray line = report.toLocal8Bit() + '\n';
    std::fputs(line.constData(), com::SUCCEEDED(hr) ? stdout : stderr);
    return com::SUCCEEDED(hr) ? kSucceeded : kFailed;
}
