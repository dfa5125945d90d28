#include "message_box_watcher.h"

#include <utility>

#include "window_driver.h"

namespace veltrop::testing {
namespace {

struct Children {
    MessageBoxSighting* sighting;
    HWND okButton;
};

std::wstring ClassOf(HWND window) {
    wchar_t name[64]{};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window) {
    wchar_t text[256]{};
    GetWindowTextW(window, text, 256);
    return text;
}

BOOL CALLBACK InspectChild(HWND child, LPARAM context) {
    auto& children = *reinterpret_cast<Children*>(context);
    const std::wstring className = ClassOf(child);
    if (_wcsicmp(className.c_str(), L"Button") == 0) {
        ++children.sighting->buttons;
        if (GetDlgCtrlID(child) == IDOK) {
            ++children.sighting->okButtons;
            children.okButton = child;
        }
    } else if (_wcsicmp(className.c_str(), L"Static") == 0) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            children.sighting->icon =
                reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        } else if (const std::wstring text = TextOf(child); !text.empty()) {
            children.sighting->text = text;
        }
    }
    return TRUE;
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher(std::wstring title, DWORD timeoutMs)
    : title_(std::move(title)), timeoutMs_(timeoutMs) {
    thread_ = CreateThread(nullptr, 0, &MessageBoxWatcher::Run, this, 0, nullptr);
    if (!thread_) {
        finished_ = true;
    }
}

MessageBoxWatcher::~MessageBoxWatcher() {
    Join();
}

const MessageBoxSighting& MessageBoxWatcher::Sighting() {
    Join();
    return sighting_;
}

DWORD WINAPI MessageBoxWatcher::Run(void* self) {
    static_cast<MessageBoxWatcher*>(self)->Watch();
    return 0;
}

void MessageBoxWatcher::Join() {
    if (thread_) {
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
        thread_ = nullptr;
    }
}

void MessageBoxWatcher::Watch() {
    const DWORD start = GetTickCount();
    HWND box = nullptr;
    while (GetTickCount() - start < timeoutMs_) {
        box = FindWindowW(L"#32770", title_.c_str());
        if (box && IsWindowVisible(box)) {
            break;
        }
        box = nullptr;
        Sleep(20);
    }
    if (box) {
        sighting_.seen = true;
        sighting_.owner = GetWindow(box, GW_OWNER);
        sighting_.ownerEnabled = sighting_.owner && IsWindowEnabled(sighting_.owner);
        Children children{&sighting_, nullptr};
        EnumChildWindows(box, InspectChild, reinterpret_cast<LPARAM>(&children));
        // Close it as a user would; should the click go astray, make sure
        // the test does not hang in the modal loop.
        if (children.okButton) {
            WindowDriver::Click(children.okButton);
        }
        for (int wait = 0; wait < 100 && IsWindow(box); ++wait) {
            Sleep(20);
        }
        if (IsWindow(box)) {
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
    }
    finished_ = true;
}

}  // namespace veltrop::testing
