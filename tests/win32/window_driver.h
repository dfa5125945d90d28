#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string_view>

namespace veltrop {
class CalculatorWindow;
}

namespace veltrop::testing {

// Drives a window the way a user does: real mouse and keyboard input through
// SendInput, delivered by the program's own message delivery (dialog
// manager included) while the test waits for its effect.
class WindowDriver {
public:
    explicit WindowDriver(const CalculatorWindow& window) : window_(window) {}

    static void MoveTo(POINT screen);
    static void ClickAt(POINT screen);
    // The middle of a control, on the screen.
    static POINT CentreOf(HWND control);
    static void Click(HWND control) { ClickAt(CentreOf(control)); }
    // A key with optional modifier keys held (VK_SHIFT, VK_CONTROL, VK_MENU).
    static void Press(WORD virtualKey, std::initializer_list<WORD> modifiers = {});
    // Characters as the keys that type them on the current layout.
    static void Type(std::wstring_view text);

    // Delivers messages until the condition holds or the time is up; true if
    // it held.
    bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 3000);
    void PumpFor(DWORD milliseconds);
    bool QuitPosted() const { return quitPosted_; }

private:
    void DeliverPending();

    const CalculatorWindow& window_;
    bool quitPosted_ = false;
};

}  // namespace veltrop::testing
