#pragma once

#include <string_view>

namespace veltrop::runtime {

// Reads the number at the start of a text the way the calculator's users
// expect from a forms-style "value of text" conversion:
//  - spaces, tabs and line feeds are ignored wherever they stand;
//  - an optional sign, digits, a fraction after '.', and an exponent after
//    'E' or 'e' (with its own optional sign) form a decimal number;
//  - "&H" and "&O" (any case) introduce a hexadecimal or octal integer;
//  - reading stops at the first character that cannot continue the number;
//  - a text without a number at its start gives 0.
// The decimal separator is always '.', whatever the locale. The result is
// correctly rounded; a magnitude beyond double's range gives +/-infinity.
double ReadLeadingNumber(std::u16string_view text);

}  // namespace veltrop::runtime
