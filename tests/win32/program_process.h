#pragma once

#include <windows.h>

#include <string>

namespace veltrop::testing {

// Veltrop.exe started as a process of its own, with its window found and
// brought to the front; ended (if still running) and closed on destruction.
class ProgramProcess {
public:
    explicit ProgramProcess(const std::wstring& program);
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    // Null when the program showed no window.
    HWND Window() const { return window_; }
    bool InFront() const { return GetForegroundWindow() == window_ && window_ != nullptr; }
    // The exit code once the program has ended within the time; -1 if it
    // has not.
    long ExitCodeWithin(DWORD milliseconds) const;

private:
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

}  // namespace veltrop::testing
