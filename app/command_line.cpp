#include "app/command_line.h"

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

QStringList processCommandLine(const QCoreApplication& application) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Shows the 3D vehicle icons (.srf files) of a local folder and "
                       "of a car navigator side by side,\ncopies them between the two "
                       "and previews them."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QCoreApplication::translate("CommandLine", "path"),
        QCoreApplication::translate("CommandLine", "A vehicle file to select and preview in the "
                                                   "Files pane, or a folder for the Files pane."),
        QCoreApplication::translate("CommandLine", "[file or folder]"));
    parser.process(application);
    return parser.positionalArguments();
}
