// The bookkeeping behind a server library's DllCanUnloadNow: the objects it has handed out
// that are still alive and the locks its class factories hold. Each library owns one.
#pragma once

#include <atomic>

namespace com {

class ServerModule {
public:
    void objectCreated() { ++objects_; }
    void objectDestroyed() { --objects_; }
    void lock() { ++locks_; }
    // An unlock without a lock is the caller's fault; it is ignored rather than letting the
    // count go negative and unload the library under a live lock.
    void unlock();

    long objectCount() const { return objects_; }
    long lockCount() const { return locks_; }
    bool canUnloadNow() const { return objects_ == 0 && locks_ == 0; }

private:
    std::atomic<long> objects_{0};
    std::atomic<long> locks_{0};
};

} // namespace com
