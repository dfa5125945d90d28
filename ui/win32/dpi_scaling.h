#pragma once

#include <windows.h>

namespace veltrop {

// Values of Windows releases newer than the oldest target, whose headers
// leave them out.
inline constexpr int kDefaultDpi = 96;              // USER_DEFAULT_SCREEN_DPI
inline constexpr UINT kDpiChangedMessage = 0x02E0;  // WM_DPICHANGED, Windows 8.1

// Dots per inch of the monitor a window is on: the window's own (Windows 10
// 1607), else its monitor's (Windows 8.1), else the screen's.
int WindowDpi(HWND window);

// Dots per inch of the monitor a window is on as shcore reports it; 0 on
// releases before Windows 8.1, which have no shcore.
int MonitorDpi(HWND window);

// Dots per inch of the primary screen; 96 when unknown.
int SystemDpi();

// Resizes the window, keeping its top-left corner, so that its client area
// is exactly width x height pixels, whatever the frame measures.
void FitClientArea(HWND window, int width, int height);

// Moves the window the least distance that puts it inside the work area of
// its monitor; where it is larger, its top-left corner goes to the work
// area's, keeping the caption bar reachable.
void MoveIntoWorkArea(HWND window);

}  // namespace veltrop
