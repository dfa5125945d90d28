#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "ui/win32/calculator_window.h"
#include "window_driver.h"

namespace veltrop::testing {

// A fresh calculator window, shown, loaded and in the foreground.
class CalculatorWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window_.Create(SW_SHOWNORMAL));
        SetForegroundWindow(window_.Handle());
        // Generous: the first window after Wine has started its own desktop
        // processes can take a while on a busy machine. Without the front,
        // typed keys would go elsewhere and fail the test later and obscurely.
        ASSERT_TRUE(
            driver_.PumpUntil([this] { return GetForegroundWindow() == window_.Handle(); }, 10000))
            << "the window never came to the front";
        driver_.PumpFor(50);
    }

    HWND Control(std::string_view name) const {
        return window_.ControlHandleAt(design::IndexOf(name));
    }

    std::wstring TextOf(std::string_view name) const {
        wchar_t text[256]{};
        GetWindowTextW(Control(name), text, 256);
        return text;
    }

    bool Focused(std::string_view name) const { return GetFocus() == Control(name); }

    CalculatorWindow window_{GetModuleHandleW(nullptr)};
    WindowDriver driver_{window_};
};

}  // namespace veltrop::testing
