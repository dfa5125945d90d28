// Veltrop.exe itself: it starts into its window and ends, with exit code 0,
// from the Exit button and from the frame's close.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "program_path.h"
#include "program_process.h"
#include "ui/win32/calculator_window.h"
#include "window_driver.h"

namespace veltrop::testing {
namespace {

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(program_.Window(), nullptr) << "Veltrop.exe showed no window";
        ASSERT_TRUE(program_.InFront()) << "Veltrop.exe's window never came to the front";
        window_ = program_.Window();
    }

    void ExpectEndsWithExitCodeZero() { EXPECT_EQ(program_.ExitCodeWithin(5000), 0); }

    ProgramProcess program_{ProgramPath()};
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
