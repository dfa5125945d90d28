#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace veltrop {

// The two configuration-variable values that make a decoder answer to a
// locomotive number as its extended (two-byte) address.
struct ExtendedAddress {
    std::int16_t cv17;
    std::int16_t cv18;
};

// The address together with the single-precision quotient it was split from.
struct AddressComputation {
    ExtendedAddress address;
    float quotient;
};

inline constexpr std::int16_t kLowestLocoNumber = 1;
inline constexpr std::int16_t kHighestLocoNumber = 9999;

bool IsValidLocoNumber(std::int16_t number);

// Only for numbers that IsValidLocoNumber accepts.
AddressComputation ComputeExtendedAddress(std::int16_t number);

// The number the text holds, rounded half to even. Text holding a number
// outside the 16-bit range gives 0, like text holding no number at all.
std::int16_t ParseLocoNumber(std::u16string_view text);

// The text a result label shows: " 192".
std::u16string FormatCvValue(std::int16_t value);

}  // namespace veltrop
