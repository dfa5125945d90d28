// Veltrop.exe itself: it starts into its window and ends, with exit code 0,
// from the Exit button and from the frame's close.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "program_path.h"
#include "ui/win32/calculator_window.h"
#include "window_driver.h"

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

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        const std::wstring program = ProgramPath();
        std::wstring command = L"\"" + program + L"\"";
        ASSERT_TRUE(CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0,
                                   nullptr, nullptr, &startup, &process_));
        Search search{process_.dwProcessId, nullptr};
        // Up to 10 s: a first start in a fresh Wine prefix is slow.
        for (int wait = 0; wait < 500 && !search.window; ++wait) {
            Sleep(20);
            EnumWindows(FindProgramWindow, reinterpret_cast<LPARAM>(&search));
        }
        window_ = search.window;
        ASSERT_NE(window_, nullptr) << "Veltrop.exe showed no window";
        // Input sent before the program waits for it, or before its window
        // is in front, can go astray.
        WaitForInputIdle(process_.hProcess, 10000);
        SetForegroundWindow(window_);
        for (int wait = 0; wait < 500 && GetForegroundWindow() != window_; ++wait) {
            Sleep(20);
        }
        ASSERT_EQ(GetForegroundWindow(), window_) << "Veltrop.exe's window never came to the front";
    }

    void TearDown() override {
        if (process_.hProcess) {
            if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(process_.hProcess, 99);
            }
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
        }
    }

    void ExpectEndsWithExitCodeZero() {
        ASSERT_EQ(WaitForSingleObject(process_.hProcess, 5000), WAIT_OBJECT_0);
        DWORD exitCode = 1;
        GetExitCodeProcess(process_.hProcess, &exitCode);
        EXPECT_EQ(exitCode, 0U);
    }

    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

TEST_F(ProgramTest, StartsWithTheFocusInTheInputAndEndsFromExit) {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof(thread);
    for (int wait = 0; wait < 100 && thread.hwndFocus == nullptr; ++wait) {
        Sleep(20);
        GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &thread);
    }
    EXPECT_EQ(thread.hwndFocus, GetDlgItem(window_, CalculatorWindow::ControlId("txtInput")));
    WindowDriver::Click(GetDlgItem(window_, CalculatorWindow::ControlId("cmdExit")));
    ExpectEndsWithExitCodeZero();
}

TEST_F(ProgramTest, EndsFromTheFramesClose) {
    WindowDriver::Press(VK_F4, {VK_MENU});
    ExpectEndsWithExitCodeZero();
}

}  // namespace
}  // namespace veltrop::testing
