#include "runtime/text_as_seen.h"

#include <algorithm>
#include <array>

namespace veltrop::runtime {
namespace {

struct CodeRange {
    char32_t first;
    char32_t last;
};

// Unicode 15.1, general category Cf.
constexpr std::array<CodeRange, 21> kFormatCharacters{{
    {0x00AD, 0x00AD},   {0x0600, 0x0605},   {0x061C, 0x061C},   {0x06DD, 0x06DD},
    {0x070F, 0x070F},   {0x0890, 0x0891},   {0x08E2, 0x08E2},   {0x180E, 0x180E},
    {0x200B, 0x200F},   {0x202A, 0x202E},   {0x2060, 0x2064},   {0x2066, 0x206F},
    {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD}, {0x110CD, 0x110CD},
    {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
    {0xE0020, 0xE007F},
}};

// Control characters (Cc), spaces (Zs), the line and paragraph separators,
// and U+FFFC, which Qt's line edit draws as a blank like the controls.
constexpr std::array<CodeRange, 9> kBlankCharacters{{
    {0x0000, 0x0020},
    {0x007F, 0x00A0},
    {0x1680, 0x1680},
    {0x2000, 0x200A},
    {0x2028, 0x2029},
    {0x202F, 0x202F},
    {0x205F, 0x205F},
    {0x3000, 0x3000},
    {0xFFFC, 0xFFFC},
}};

template <std::size_t N>
bool Contains(const std::array<CodeRange, N>& ranges, char32_t c) {
    return std::any_of(ranges.begin(), ranges.end(),
                       [c](const CodeRange& range) { return c >= range.first && c <= range.last; });
}

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace

std::u16string TextAsSeen(std::u16string_view text) {
    std::u16string seen;
    seen.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool pair =
            IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]);
        const std::size_t units = pair ? 2 : 1;
        const char32_t c =
            pair ? 0x10000 + ((char32_t{text[i]} - 0xD800) << 10) + (char32_t{text[i + 1]} - 0xDC00)
                 : char32_t{text[i]};
        if (Contains(kBlankCharacters, c)) {
            seen += u' ';
        } else if (!Contains(kFormatCharacters, c)) {
            seen.append(text.substr(i, units));
        }
        i += units - 1;
    }
    return seen;
}

}  // namespace veltrop::runtime
