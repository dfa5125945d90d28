#include "runtime/text_conversion.h"

#include <array>

namespace veltrop::runtime {

std::u16string FormatInteger(std::int16_t value) {
    // Widen first: negating -32768 does not fit 16 bits.
    int magnitude = value < 0 ? -static_cast<int>(value) : value;
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude > 0);
    if (value < 0) {
        digits.insert(digits.begin(), u'-');
    }
    return digits;
}

std::u16string FormatWithSignPlace(std::int16_t value) {
    return value < 0 ? FormatInteger(value) : u' ' + FormatInteger(value);
}

char16_t AnsiCharacter(std::uint8_t code) {
    // 0x80..0x9F is where Windows-1252 differs from Latin-1.
    static constexpr std::array<char16_t, 32> kHighControls = {
        u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
        u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
        u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
        u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
    };
    if (code >= 0x80 && code <= 0x9F) {
        return kHighControls[static_cast<std::size_t>(code - 0x80)];
    }
    return static_cast<char16_t>(code);
}

}  // namespace veltrop::runtime
