// Motorhall: creates and shows the main window; the program ends when the window is unloaded.
#include "app/command_line.h"
#include "app/program_folder.h"
#include "app/program_language.h"
#include "app/start_target.h"
#include "app/startup_failure.h"
#include "app/termination_signals.h"
#include "app/window/frm_main.h"

#include <cstdio>
#include <QApplication>

int main(int argc, char** argv) {
    setProgramIdentity();
    if (asksOnlyForText(argc, argv)) {
        // Help and version are answered on a terminal without a display.
        const QCoreApplication text(argc, argv);
        const ProgramLanguage language;
        processCommandLine(text);
    }
    QApplication application(argc, argv);
    const ProgramLanguage language;
    // A path that cannot be opened is told, and the program starts as without it.
    const StartChoice start = startChoiceFor(processCommandLine(application));
    for (const QString& complaint : start.complaints)
        std::fputs((complaint.toLocal8Bit() + '\n').constData(), stderr);
    QString error;
    std::unique_ptr<frmMain> form = frmMain::create(programFolder(), &error);
    if (!form) {
        reportStartupFailure(error);
        return 1;
    }
    // A termination request from the session closes the window like any other close request.
    TerminationSignals termination([&form] { form->Unload(); });
    if (start.target)
        form->setStartTarget(*start.target);
    form->Show();
    return application.exec();
}
