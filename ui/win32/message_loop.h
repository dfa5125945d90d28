#pragma once

#include <windows.h>

namespace veltrop {

class CalculatorWindow;

// Hands one message to the dialog manager of the window (Tab and Shift+Tab
// move the focus) or, when it is not the window's, to its target.
void DeliverMessage(HWND window, MSG& message);

// Runs until the program is told to end and returns the exit code. The
// window may be gone before that, so it is asked for afresh each message.
int RunMessageLoop(const CalculatorWindow& window);

}  // namespace veltrop
