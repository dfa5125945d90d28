#pragma once

#include <cstdint>
#include <string>

namespace veltrop::runtime {

// Decimal digits with the sign's place kept: " 192", " 0", "-5".
std::u16string FormatWithSignPlace(std::int16_t value);

// Plain decimal digits, a minus sign only when negative: "1", "-5".
std::u16string FormatInteger(std::int16_t value);

// The character that a code of the Windows-1252 ("ANSI") code page stands
// for, independent of the system's own settings. Codes 0x81, 0x8D, 0x8F,
// 0x90 and 0x9D are unassigned there and map to the same code point.
char16_t AnsiCharacter(std::uint8_t code);

}  // namespace veltrop::runtime
