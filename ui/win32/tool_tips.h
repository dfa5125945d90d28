#pragma once

#include <windows.h>

#include <string_view>

namespace veltrop {

// One comctl32 tooltip window serving every control of a window. Each
// control is a tool over its whole rectangle, caption or not.
class ToolTips {
public:
    ToolTips() = default;
    ~ToolTips();
    ToolTips(const ToolTips&) = delete;
    ToolTips& operator=(const ToolTips&) = delete;

    // The common controls must have been initialised.
    bool Create(HWND owner, HINSTANCE instance);
    void Add(HWND control, std::u16string_view text);
    void SetText(HWND control, std::u16string_view text);
    HWND Handle() const { return tip_; }
    // Forgets the tooltip window once its owner has destroyed it.
    void Detach();

private:
    HWND owner_ = nullptr;
    HWND tip_ = nullptr;
};

}  // namespace veltrop
