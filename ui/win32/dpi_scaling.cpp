#include "ui/win32/dpi_scaling.h"

#include <algorithm>

namespace veltrop {
namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
// The second argument is MONITOR_DPI_TYPE, whose MDT_EFFECTIVE_DPI is 0.
using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
constexpr int kEffectiveDpi = 0;
// Windows 8 and later; earlier releases refuse the flag (and have no shcore).
constexpr DWORD kLoadFromSystem32Only = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32

// Functions newer than the oldest target are looked up at run time, so that
// the program still starts where they are missing.
// Not cached in function-local statics: their thread-safe guards would link
// the whole threads library into the program for look-ups made twice.
template <typename Function>
Function Lookup(HMODULE module, const char* name) {
    const FARPROC address = module ? GetProcAddress(module, name) : nullptr;
    // void (*)() is the generic function pointer type the compiler accepts
    // between unrelated function types.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

}  // namespace

int SystemDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) {
        ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? dpi : kDefaultDpi;
}

int MonitorDpi(HWND window) {
    // Only from the system folder, never a shcore.dll beside the program.
    const HMODULE shcore = LoadLibraryExW(L"shcore.dll", nullptr, kLoadFromSystem32Only);
    if (!shcore) {
        return 0;
    }
    int dpi = 0;
    const HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
    const auto getDpi = Lookup<GetDpiForMonitorFunction>(shcore, "GetDpiForMonitor");
    UINT dpiX = 0;
    UINT dpiY = 0;
    if (monitor && getDpi && SUCCEEDED(getDpi(monitor, kEffectiveDpi, &dpiX, &dpiY))) {
        dpi = static_cast<int>(dpiY);
    }
    FreeLibrary(shcore);
    return dpi;
}

int WindowDpi(HWND window) {
    const auto getDpiForWindow =
        Lookup<GetDpiForWindowFunction>(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
    if (getDpiForWindow) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi > 0) {
            return static_cast<int>(dpi);
        }
    }
    if (const int dpi = MonitorDpi(window); dpi > 0) {
        return dpi;
    }
    return SystemDpi();
}

void FitClientArea(HWND window, int width, int height) {
    // A frame can change its own height with the width (a wrapping caption
    // bar), so measure again once after the first correction.
    for (int attempt = 0; attempt < 2; ++attempt) {
        RECT outer{};
        RECT client{};
        if (!GetWindowRect(window, &outer) || !GetClientRect(window, &client)) {
            return;
        }
        if (client.right == width && client.bottom == height) {
            return;
        }
        const int outerWidth = outer.right - outer.left + width - client.right;
        const int outerHeight = outer.bottom - outer.top + height - client.bottom;
        SetWindowPos(window, nullptr, 0, 0, outerWidth, outerHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void MoveIntoWorkArea(HWND window) {
    RECT frame{};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!GetWindowRect(window, &frame) ||
        !GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
        return;
    }
    const RECT& work = monitor.rcWork;
    // Right and bottom edges first, so that the left and top ones win.
    const LONG left =
        std::max(std::min(frame.left, work.right - (frame.right - frame.left)), work.left);
    const LONG top =
        std::max(std::min(frame.top, work.bottom - (frame.bottom - frame.top)), work.top);
    if (left != frame.left || top != frame.top) {
        SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace veltrop
