// A flag that is set for as long as one operation runs, on every way out of it.
#pragma once

class RunningFlag {
public:
    explicit RunningFlag(bool& flag)
        : flag_(flag) {
        flag_ = true;
    }
    ~RunningFlag() { flag_ = false; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;

private:
    bool& flag_;
};
