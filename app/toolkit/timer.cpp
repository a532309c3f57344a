#include "app/toolkit/timer.h"

namespace toolkit {

Timer::Timer(QObject* owner)
    : QObject(owner) {
    connect(&timer_, &QTimer::timeout, this, &Timer::fire);
}

void Timer::setInterval(int milliseconds) {
    interval_ = milliseconds < 0 ? 0 : milliseconds;
    update();
}

void Timer::setEnabled(bool enabled) {
    enabled_ = enabled;
    update();
}

void Timer::update() {
    if (enabled_ && interval_ > 0)
        timer_.start(interval_);
    else
        timer_.stop();
}

void Timer::fire() {
    if (ticking_ || !Tick)
        return;
    ticking_ = true;
    Tick();
    ticking_ = false;
}

} // namespace toolkit
