// A timer raising its Timer event every Interval milliseconds while Enabled. One tick runs at a
// time: a tick that comes while a handler still runs (it yielded to the event loop) is dropped.
#pragma once

#include <functional>
#include <QObject>
#include <QTimer>

namespace toolkit {

class Timer : public QObject {
public:
    explicit Timer(QObject* owner);

    int Interval() const { return interval_; }
    // 0 stops the ticks, as a disabled timer.
    void setInterval(int milliseconds);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    std::function<void()> Tick;

private:
    void update();
    void fire();

    QTimer timer_;
    int interval_ = 0;
    bool enabled_ = true;
    bool ticking_ = false;
};

} // namespace toolkit
