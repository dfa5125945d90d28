#include "program_process.h"

namespace veltrop::testing {
namespace {

struct Search {
    DWORD processId;
    HWND window;
};

BOOL CALLBACK FindProgramWindow(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<Search*>(context);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    wchar_t caption[32]{};
    GetWindowTextW(window, caption, 32);
    if (processId == search.processId && IsWindowVisible(window) &&
        std::wstring(caption) == L"Veltrop") {
        search.window = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

ProgramProcess::ProgramProcess(const std::wstring& program) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring command = L"\"" + program + L"\"";
    if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process_)) {
        return;
    }
    Search search{process_.dwProcessId, nullptr};
    // Up to 10 s: a first start in a fresh Wine prefix is slow.
    for (int wait = 0; wait < 500 && !search.window; ++wait) {
        Sleep(20);
        EnumWindows(FindProgramWindow, reinterpret_cast<LPARAM>(&search));
    }
    window_ = search.window;
    if (!window_) {
        return;
    }
    // Input sent before the program waits for it, or before its window is
    // in front, can go astray.
    WaitForInputIdle(process_.hProcess, 10000);
    SetForegroundWindow(window_);
    for (int wait = 0; wait < 500 && GetForegroundWindow() != window_; ++wait) {
        Sleep(20);
    }
}

ProgramProcess::~ProgramProcess() {
    if (process_.hProcess) {
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_.hProcess, 99);
        }
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
}

long ProgramProcess::ExitCodeWithin(DWORD milliseconds) const {
    if (!process_.hProcess ||
        WaitForSingleObject(process_.hProcess, milliseconds) != WAIT_OBJECT_0) {
        return -1;
    }
    DWORD exitCode = 1;
    GetExitCodeProcess(process_.hProcess, &exitCode);
    return static_cast<long>(exitCode);
}

}  // namespace veltrop::testing
