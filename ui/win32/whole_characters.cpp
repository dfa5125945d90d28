#include "ui/win32/whole_characters.h"

#include <string>

namespace veltrop {
namespace {

bool IsHighSurrogate(wchar_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(wchar_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace

void DropSplitCharacters(HWND edit) {
    const int length = GetWindowTextLengthW(edit);
    std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    std::wstring whole;
    DWORD caret = end;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            whole.append(text, i, 2);
            ++i;
        } else if (IsHighSurrogate(text[i]) || IsLowSurrogate(text[i])) {
            caret -= i < end ? 1 : 0;
        } else {
            whole += text[i];
        }
    }
    if (whole.size() != text.size()) {
        // Sends EN_CHANGE again, which finds nothing more to drop.
        SetWindowTextW(edit, whole.c_str());
        SendMessageW(edit, EM_SETSEL, caret, static_cast<LPARAM>(caret));
    }
}

}  // namespace veltrop
