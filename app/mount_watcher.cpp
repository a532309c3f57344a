#include "app/mount_watcher.h"

#include <fcntl.h>
#include <QSocketNotifier>
#include <QTimer>
#include <unistd.h>
#include <utility>

MountWatcher::MountWatcher(std::function<bool()> canReact, std::function<void()> react)
    : timer_(std::make_unique<QTimer>())
    , canReact_(std::move(canReact))
    , react_(std::move(react)) {
    timer_->setSingleShot(true);
    QObject::connect(timer_.get(), &QTimer::timeout, [this] { settled(); });
    descriptor_ = ::open("/proc/self/mounts", O_RDONLY | O_CLOEXEC);
    if (descriptor_ < 0)
        return;
    // The file always reads as readable; only the exceptional condition tells of a change. The
    // kernel clears it with the poll that reports it.
    notifier_ = std::make_unique<QSocketNotifier>(descriptor_, QSocketNotifier::Exception);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { changed(); });
}

MountWatcher::~MountWatcher() {
    notifier_.reset();
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

void MountWatcher::changed() {
    // Every further change starts the wait anew, a waiting reaction included.
    timer_->start(kMountSettleTime);
}

void MountWatcher::settled() {
    if (!canReact_()) {
        timer_->start(kMountRetryTime);
        return;
    }
    react_();
}
