#include "tests/e2e/virtual_screen.h"

#include <QStandardPaths>
#include <utility>

VirtualScreen::VirtualScreen(QString configuration)
    : configuration_(std::move(configuration)) {}

VirtualScreen::~VirtualScreen() {
    endProcess(server_);
}

bool VirtualScreen::start() {
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    if (xvfb.isEmpty())
        return false;
    server_.start(xvfb, {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    if (!server_.waitForStarted(30000))
        return false;
    QByteArray number;
    while (!number.contains('\n') && server_.waitForReadyRead(30000))
        number += server_.readAllStandardOutput();
    number = number.trimmed();
    if (number.isEmpty())
        return false;
    display_ = ":" + QString::fromLatin1(number);
    return true;
}

QProcessEnvironment VirtualScreen::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display_);
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.remove("WAYLAND_DISPLAY");
    // A virtual screen has no desktop session, and so no session bus.
    env.remove("DBUS_SESSION_BUS_ADDRESS");
    env.insert("XDG_CONFIG_HOME", configuration_);
    return env;
}

QImage VirtualScreen::grab() const {
    QProcess grab;
    grab.setProcessEnvironment(environment());
    const QString file = configuration_ + "/screen.png";
    grab.start(SCREEN_GRAB_PATH, {file});
    if (!grab.waitForFinished(30000) || grab.exitCode() != 0)
        return QImage();
    return QImage(file).convertToFormat(QImage::Format_RGB32);
}

bool VirtualScreen::xdotool(const QStringList& arguments) const {
    const QString tool = QStandardPaths::findExecutable("xdotool");
    if (tool.isEmpty())
        return false;
    QProcess run;
    run.setProcessEnvironment(environment());
    run.start(tool, arguments);
    return run.waitForFinished(30000) && run.exitStatus() == QProcess::NormalExit &&
           run.exitCode() == 0;
}

void endProcess(QProcess& process) {
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished(30000);
    }
}
