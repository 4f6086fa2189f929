// GoogleTest's port settings for the win32 cross build. The compiler's win32 thread model has
// no std::mutex or std::condition_variable, which GoogleTest's Notification is made of: this
// one is a Windows event (GtestNotification.cpp: <windows.h> stays out of the tests' headers).
// The rest of GoogleTest's Windows port takes the system's own calls.
#pragma once

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

class Notification {
public:
    Notification();
    ~Notification();
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify();
    void WaitForNotification();

private:
    void* event_;
};

}  // namespace testing::internal
