// GoogleTest's customisation header, found ahead of its own empty one when
// it is built for Windows with the compiler that has no std::mutex or
// std::condition_variable (Windows threads only). GoogleTest takes its own
// mutexes from Windows there; only this one helper, which it uses to test
// its own threads, needs another home. It waits by yielding in a loop.
#ifndef VELTROP_GTEST_CUSTOM_PORT_H
#define VELTROP_GTEST_CUSTOM_PORT_H

#include <atomic>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

class Notification {
public:
    Notification() = default;
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify() { notified_.store(true); }
    void WaitForNotification() {
        while (!notified_.load()) {
        }
    }

private:
    std::atomic<bool> notified_{false};
};

}  // namespace testing::internal

#endif
