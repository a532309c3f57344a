// Turns a termination request from the session (SIGTERM, SIGINT, SIGHUP) into a call on the event
// loop, so the program can close its window the ordinary way and save its settings. The signal
// handler only writes a byte to a socket; everything else runs on the window's thread.
#pragma once

#include <functional>
#include <QObject>

class QSocketNotifier;

class TerminationSignals : public QObject {
public:
    // Installs the handlers; `onRequest` runs on the event loop once per signal received.
    explicit TerminationSignals(std::function<void()> onRequest, QObject* parent = nullptr);
    ~TerminationSignals() override;
    bool installed() const { return notifier_ != nullptr; }

private:
    void drain();

    std::function<void()> onRequest_;
    QSocketNotifier* notifier_ = nullptr;
};
