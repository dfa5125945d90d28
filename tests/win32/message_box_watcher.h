#pragma once

#include <windows.h>

#include <atomic>
#include <string>

namespace veltrop::testing {

// What a message box looked like while it was open.
struct MessageBoxSighting {
    bool seen = false;
    HWND owner = nullptr;
    bool ownerEnabled = true;
    HICON icon = nullptr;
    int buttons = 0;
    int okButtons = 0;
    std::wstring text;
};

// Waits on its own thread for a standard message box (class #32770) with
// the given title, records what it shows, then clicks its OK button with
// the mouse. The test's thread meanwhile sits in the box's modal loop.
class MessageBoxWatcher {
public:
    explicit MessageBoxWatcher(std::wstring title, DWORD timeoutMs = 5000);
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    bool Finished() const { return finished_; }
    // Waits for the watcher to finish.
    const MessageBoxSighting& Sighting();

private:
    // A Windows thread: the compiler's C++ library has no std::thread.
    static DWORD WINAPI Run(void* self);
    void Watch();
    void Join();

    std::wstring title_;
    DWORD timeoutMs_;
    MessageBoxSighting sighting_;
    std::atomic<bool> finished_{false};
    HANDLE thread_ = nullptr;
};

}  // namespace veltrop::testing
