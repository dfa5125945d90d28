#include "calc/extended_address.h"

#include "runtime/integer_conversion.h"
#include "runtime/number_reader.h"
#include "runtime/text_conversion.h"

namespace veltrop {
namespace {

// 0xC000: sets the two top bits that mark a 16-bit value as an extended
// address; its high byte then goes to CV17 and its low byte to CV18.
constexpr std::int32_t kExtendedAddressBase = 49152;

}  // namespace

bool IsValidLocoNumber(std::int16_t number) {
    return number >= kLowestLocoNumber && number <= kHighestLocoNumber;
}

AddressComputation ComputeExtendedAddress(std::int16_t number) {
    // Every step is exact for accepted numbers (at most 16 significant bits
    // against float's 24), so the float steps give the exact high and low
    // byte of number + 0xC000.
    const std::int32_t sum = std::int32_t{number} + kExtendedAddressBase;
    const float quotient = static_cast<float>(static_cast<double>(sum) / 256.0);
    const std::int16_t cv17 = runtime::FloorToInt16(quotient).value_or(0);
    const float remainder = (quotient - static_cast<float>(cv17)) * 256.0F;
    const std::int16_t cv18 = runtime::FloorToInt16(remainder).value_or(0);
    return {{cv17, cv18}, quotient};
}

std::int16_t ParseLocoNumber(std::u16string_view text) {
    // Out-of-range text must not end the program: 0 is what text without a
    // number gives, so the user is told the same "enter a number" message,
    // and 0 can never be mistaken for an accepted locomotive number.
    return runtime::RoundToInt16(runtime::ReadLeadingNumber(text)).value_or(0);
}

std::u16string FormatCvValue(std::int16_t value) {
    return runtime::FormatWithSignPlace(value);
}

}  // namespace veltrop
