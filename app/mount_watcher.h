// Notices volumes being mounted and unmounted. The kernel marks the open /proc/self/mounts with
// POLLPRI (and POLLERR) after every change of the process's mount table; the watcher waits until
// the changes have settled for kMountSettleTime (plugging in a navigator mounts several volumes,
// a desktop may mount and remount) and then calls its reaction once. While the owner cannot take
// it (other work runs), the reaction waits and is offered again every kMountRetryTime.
#pragma once

#include <chrono>
#include <functional>
#include <memory>

class QSocketNotifier;
class QTimer;

inline constexpr std::chrono::milliseconds kMountSettleTime{500};
inline constexpr std::chrono::milliseconds kMountRetryTime{100};

class MountWatcher {
public:
    // `canReact` is asked when the changes have settled; `react` runs when it says yes.
    MountWatcher(std::function<bool()> canReact, std::function<void()> react);
    ~MountWatcher();
    MountWatcher(const MountWatcher&) = delete;
    MountWatcher& operator=(const MountWatcher&) = delete;

    // False when the mount table could not be opened: no change is ever noticed then.
    bool watching() const { return descriptor_ >= 0; }

private:
    void changed();
    void settled();

    int descriptor_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::unique_ptr<QTimer> timer_;
    std::function<bool()> canReact_;
    std::function<void()> react_;
};
