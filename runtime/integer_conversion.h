#pragma once

#include <cstdint>
#include <optional>

namespace veltrop::runtime {

// Nearest 16-bit integer, a value exactly halfway going to the even
// neighbour (so 2.5 -> 2, -3.5 -> -4, -32768.5 -> -32768). Empty when the
// rounded value lies outside -32768..32767 or the input is not a number.
std::optional<std::int16_t> RoundToInt16(double value);

// Largest integer not greater than the value, as a 16-bit integer. Empty
// outside -32768..32767 or for a value that is not a number.
std::optional<std::int16_t> FloorToInt16(double value);

}  // namespace veltrop::runtime
