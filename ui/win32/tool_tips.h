#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace veltrop {

// One comctl32 tooltip window serving every control of a window. Each
// control is a tool over its whole rectangle, caption or not. Tools can be
// named before the window exists: it is made once the program's window is
// on screen, as nobody can rest the mouse on a control before that.
class ToolTips {
public:
    ToolTips() = default;
    ~ToolTips();
    ToolTips(const ToolTips&) = delete;
    ToolTips& operator=(const ToolTips&) = delete;

    // Makes the tooltip window with every tool named so far. The common
    // controls must have been initialised.
    bool Create(HWND owner, HINSTANCE instance);
    void Add(HWND control, std::u16string_view text);
    void SetText(HWND control, std::u16string_view text);
    HWND Handle() const { return tip_; }
    // Forgets the tooltip window once its owner has destroyed it.
    void Detach();

private:
    struct Tool {
        HWND control;
        std::wstring text;
    };
    void Register(Tool& tool);

    HWND owner_ = nullptr;
    HWND tip_ = nullptr;
    std::vector<Tool> tools_;
};

}  // namespace veltrop
