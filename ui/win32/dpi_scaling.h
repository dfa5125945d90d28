#pragma once

#include <windows.h>

namespace veltrop {

// Dots per inch of the monitor a window is on, or of the screen on systems
// older than per-monitor awareness.
int WindowDpi(HWND window);

// Dots per inch of the primary screen.
int SystemDpi();

// Twips to pixels at the given DPI, rounded to nearest.
int TwipsToDevice(int twips, int dpi);

// Resizes the window, keeping its top-left corner, so that its client area
// is exactly width x height pixels, whatever the frame measures.
void FitClientArea(HWND window, int width, int height);

}  // namespace veltrop
