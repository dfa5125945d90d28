#include "ui/win32/dpi_scaling.h"

#include "ui/design_record.h"

namespace veltrop {
namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

// Looked up at run time so that the program still starts on Windows
// releases before 10, which lack the function.
// Not cached in a function-local static: its thread-safe guard would link
// the whole threads library into the program for a look-up made twice.
GetDpiForWindowFunction GetDpiForWindowIfPresent() {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    const FARPROC address = user32 ? GetProcAddress(user32, "GetDpiForWindow") : nullptr;
    // void (*)() is the generic function pointer type the compiler accepts
    // between unrelated function types.
    return reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void (*)()>(address));
}

}  // namespace

int SystemDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) {
        ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int WindowDpi(HWND window) {
    if (const GetDpiForWindowFunction getDpi = GetDpiForWindowIfPresent()) {
        const UINT dpi = getDpi(window);
        if (dpi > 0) {
            return static_cast<int>(dpi);
        }
    }
    return SystemDpi();
}

int TwipsToDevice(int twips, int dpi) {
    return MulDiv(twips, dpi, design::kTwipsPerInch);
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

}  // namespace veltrop
