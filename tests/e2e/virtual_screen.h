// The built program on a virtual X server, as a user sees it: starting Xvfb, the environment that
// sends a program to it and grabbing what it shows.
#pragma once

#include "tests/e2e/window_on_screen.h"

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

class VirtualScreen {
public:
    // `configuration` is the folder the programs keep their configuration in.
    explicit VirtualScreen(QString configuration);
    ~VirtualScreen(); // ends the server

    // Starts Xvfb on a display number it picks itself; false when there is no Xvfb.
    bool start();
    const QString& display() const { return display_; }
    // The system's environment, sent to this display with this configuration folder.
    QProcessEnvironment environment() const;
    // What the display shows; null when it cannot be grabbed.
    QImage grab() const;
    // Runs xdotool with the arguments on this display; false when it is missing or fails.
    bool xdotool(const QStringList& arguments) const;

private:
    QString configuration_;
    QString display_;
    QProcess server_;
};

// Ends a process that still runs, with a kill when a termination request is not enough.
void endProcess(QProcess& process);
