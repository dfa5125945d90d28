#pragma once

#include <string>
#include <string_view>

namespace veltrop {

// The core speaks char16_t, the Win32 API wchar_t: the same UTF-16 units
// under two type names.
inline std::wstring ToWide(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

inline std::u16string FromWide(std::wstring_view text) {
    return std::u16string(text.begin(), text.end());
}

}  // namespace veltrop
