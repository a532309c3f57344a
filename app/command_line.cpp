#include "app/command_line.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <QCommandLineParser>
#include <QGuiApplication>

namespace {

// The words of the help options, which Qt's own translations of some languages (French and
// Spanish among them) lack: the program's translation holds them under Qt's context, where they
// are found after Qt's translator, searched first, has none.
[[maybe_unused]] constexpr const char* kHelpOptionWords[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
};

} // namespace

void setProgramIdentity() {
    QCoreApplication::setApplicationName(QStringLiteral("motorhall"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MOTORHALL_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("motorhall"));
}

bool asksOnlyForText(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"}) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}

void processCommandLine(const QCoreApplication& application) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Shows the 3D vehicle icons (.srf files) of a local folder and "
                       "of a car navigator side by side,\ncopies them between the two "
                       "and previews them."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(application);
    if (!parser.positionalArguments().isEmpty()) {
        const QByteArray message =
            QCoreApplication::translate("CommandLine",
                                        "motorhall: takes no arguments; motorhall --help explains")
                .toLocal8Bit() +
            '\n';
        std::fputs(message.constData(), stderr);
        std::exit(1);
    }
}
