#include "ui/win32/tool_tips.h"

#include <commctrl.h>

#include <string>

#include "ui/win32/wide_text.h"

namespace veltrop {
namespace {

// The tool record of a control, in the size every comctl32 version takes.
TTTOOLINFOW ToolFor(HWND owner, HWND control, wchar_t* text) {
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    // TTF_SUBCLASS lets the tooltip watch the control's own mouse messages,
    // so it works without relaying from the message loop.
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text;
    return tool;
}

}  // namespace

ToolTips::~ToolTips() {
    if (tip_ && IsWindow(tip_)) {
        DestroyWindow(tip_);
    }
}

bool ToolTips::Create(HWND owner, HINSTANCE instance) {
    owner_ = owner;
    // TTS_NOPREFIX keeps every character of the texts; TTS_ALWAYSTIP shows
    // them while another program is active too.
    tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                           WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance, nullptr);
    if (!tip_) {
        return false;
    }
    for (Tool& tool : tools_) {
        Register(tool);
    }
    return true;
}

void ToolTips::Add(HWND control, std::u16string_view text) {
    tools_.push_back({control, ToWide(text)});
    if (tip_) {
        Register(tools_.back());
    }
}

void ToolTips::SetText(HWND control, std::u16string_view text) {
    for (Tool& tool : tools_) {
        if (tool.control == control) {
            tool.text = ToWide(text);
            if (tip_) {
                TTTOOLINFOW info = ToolFor(owner_, control, tool.text.data());
                SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
            }
            return;
        }
    }
}

void ToolTips::Register(Tool& tool) {
    TTTOOLINFOW info = ToolFor(owner_, tool.control, tool.text.data());
    SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTips::Detach() {
    tip_ = nullptr;
    owner_ = nullptr;
    tools_.clear();
}

}  // namespace veltrop
