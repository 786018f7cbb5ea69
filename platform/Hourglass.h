#pragma once
// Shows the wait pointer for its lifetime. Does nothing without a QGuiApplication.
class HourglassGuard {
public:
    HourglassGuard();
    ~HourglassGuard();
    HourglassGuard(const HourglassGuard&) = delete;
    HourglassGuard& operator=(const HourglassGuard&) = delete;

private:
    bool active_ = false;
};
