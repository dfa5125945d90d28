#include "window_driver.h"

#include <vector>

#include "ui/win32/calculator_window.h"
#include "ui/win32/message_loop.h"

namespace veltrop::testing {
namespace {

// Absolute mouse coordinates run from 0 to 65535 across the primary screen;
// round up so that the scaling back lands on the intended pixel.
LONG Normalised(LONG pixel, int metric) {
    const LONG size = GetSystemMetrics(metric);
    return (pixel * 65536 + size - 1) / size;
}

void SendMouse(DWORD flags, POINT screen = {}) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.dx = Normalised(screen.x, SM_CXSCREEN);
    input.mi.dy = Normalised(screen.y, SM_CYSCREEN);
    SendInput(1, &input, sizeof(input));
}

INPUT KeyInput(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

}  // namespace

void WindowDriver::MoveTo(POINT screen) {
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen);
}

void WindowDriver::ClickAt(POINT screen) {
    MoveTo(screen);
    SendMouse(MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE, screen);
    SendMouse(MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE, screen);
}

POINT WindowDriver::CentreOf(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void WindowDriver::Press(WORD virtualKey, std::initializer_list<WORD> modifiers) {
    std::vector<INPUT> inputs;
    for (const WORD modifier : modifiers) {
        inputs.push_back(KeyInput(modifier, false));
    }
    inputs.push_back(KeyInput(virtualKey, false));
    inputs.push_back(KeyInput(virtualKey, true));
    for (auto it = modifiers.end(); it != modifiers.begin();) {
        inputs.push_back(KeyInput(*--it, true));
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void WindowDriver::Type(std::wstring_view text) {
    for (const wchar_t character : text) {
        const SHORT key = VkKeyScanW(character);
        const WORD virtualKey = LOBYTE(key);
        if ((HIBYTE(key) & 1) != 0) {
            Press(virtualKey, {VK_SHIFT});
        } else {
            Press(virtualKey);
        }
    }
}

void WindowDriver::DeliverPending() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quitPosted_ = true;
            continue;
        }
        DeliverMessage(window_.Handle(), message);
    }
}

bool WindowDriver::PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        DeliverPending();
        if (condition()) {
            return true;
        }
        if (GetTickCount() - start >= timeoutMs) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void WindowDriver::PumpFor(DWORD milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}

}  // namespace veltrop::testing
