// Where the window opens and the DPI it is laid out for. The suite runs in
// the ordinary Wine prefix (96 dpi) and, alone, in one at 192 dpi, where the
// design position would put the window partly off a 1024x768 screen.
#include <windows.h>

#include <algorithm>

#include "calculator_window_fixture.h"
#include "ui/design_record.h"
#include "ui/win32/dpi_scaling.h"

namespace veltrop::testing {
namespace {

using PlacementTest = CalculatorWindowTest;

// Every way of asking gives the same answer on one monitor; shcore's being
// non-zero shows the run-time look-up found the function.
TEST_F(PlacementTest, DpiSourcesAgree) {
    const int system = SystemDpi();
    EXPECT_EQ(MonitorDpi(window_.Handle()), system);
    EXPECT_EQ(WindowDpi(window_.Handle()), system);
    RECT client{};
    GetClientRect(window_.Handle(), &client);
    EXPECT_EQ(client.right, MulDiv(design::kWindow.clientWidth, system, design::kTwipsPerInch));
}

TEST_F(PlacementTest, OpensAtTheDesignPositionOrInsideTheWorkArea) {
    const int dpi = SystemDpi();
    RECT frame{};
    GetWindowRect(window_.Handle(), &frame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    ASSERT_TRUE(
        GetMonitorInfoW(MonitorFromWindow(window_.Handle(), MONITOR_DEFAULTTONEAREST), &monitor));
    const RECT& work = monitor.rcWork;
    const LONG width = frame.right - frame.left;
    const LONG height = frame.bottom - frame.top;
    const LONG designLeft = MulDiv(design::kWindow.designLeft, dpi, design::kTwipsPerInch);
    const LONG designTop = MulDiv(design::kWindow.designTop, dpi, design::kTwipsPerInch);
    const bool fits = designLeft + width <= work.right && designTop + height <= work.bottom;
    SCOPED_TRACE("at " + std::to_string(dpi) + " dpi, " + std::to_string(width) + "x" +
                 std::to_string(height) + " in a work area to " + std::to_string(work.right) + "," +
                 std::to_string(work.bottom));
    if (dpi == kDefaultDpi) {
        EXPECT_TRUE(fits);
    } else if (dpi >= 192 && work.right - work.left <= 1024) {
        EXPECT_FALSE(fits) << "the case this suite runs at 192 dpi for";
    }
    if (fits) {
        EXPECT_EQ(frame.left, designLeft);
        EXPECT_EQ(frame.top, designTop);
    } else {
        EXPECT_EQ(frame.left, std::max(std::min(designLeft, work.right - width), work.left));
        EXPECT_EQ(frame.top, std::max(std::min(designTop, work.bottom - height), work.top));
        EXPECT_GE(frame.left, work.left);
        EXPECT_GE(frame.top, work.top);
    }
}

}  // namespace
}  // namespace veltrop::testing
