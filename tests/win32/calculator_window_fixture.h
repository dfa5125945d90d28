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
        driver_.PumpUntil([this] { return GetForegroundWindow() == window_.Handle(); }, 2000);
        driver_.PumpFor(50);
    }

    HWND Control(std::string_view name) const { return window_.ControlHandle(name); }

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
