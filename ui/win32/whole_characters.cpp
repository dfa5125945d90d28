#include "ui/win32/whole_characters.h"

#include <string>

#include "runtime/whole_characters.h"
#include "ui/win32/wide_text.h"

namespace veltrop {

void DropSplitCharacters(HWND edit) {
    const int length = GetWindowTextLengthW(edit);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    wide.resize(
        static_cast<std::size_t>(GetWindowTextW(edit, wide.data(), static_cast<int>(wide.size()))));
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    std::u16string text = FromWide(wide);
    std::size_t caret = end;
    runtime::DropSplitCharacters(text, caret);
    if (text.size() != wide.size()) {
        // Sends EN_CHANGE again, which finds nothing more to drop.
        SetWindowTextW(edit, ToWide(text).c_str());
        SendMessageW(edit, EM_SETSEL, caret, static_cast<LPARAM>(caret));
    }
}

}  // namespace veltrop
