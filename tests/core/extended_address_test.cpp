#include "calc/extended_address.h"

#include <gtest/gtest.h>

namespace veltrop {
namespace {

TEST(ExtendedAddress, EveryAcceptedNumberSplitsIntoHighAndLowByte) {
    for (int n = 1; n <= 9999; ++n) {
        const auto number = static_cast<std::int16_t>(n);
        const AddressComputation result = ComputeExtendedAddress(number);
        ASSERT_GE(result.address.cv17, 192) << n;
        ASSERT_LE(result.address.cv17, 231) << n;
        ASSERT_GE(result.address.cv18, 0) << n;
        ASSERT_LE(result.address.cv18, 255) << n;
        ASSERT_EQ(result.address.cv17 * 256 + result.address.cv18, n + 49152) << n;
        ASSERT_EQ(result.address.cv17, 192 + n / 256) << n;
        ASSERT_EQ(result.address.cv18, n % 256) << n;
        ASSERT_EQ(result.quotient, static_cast<float>(n + 49152) / 256.0F) << n;
    }
}

TEST(ExtendedAddress, KnownDecoderValues) {
    struct Case {
        std::int16_t number;
        std::int16_t cv17;
        std::int16_t cv18;
    };
    const Case cases[] = {
        {1, 192, 1},      {3, 192, 3},     {255, 192, 255}, {256, 193, 0},
        {1000, 195, 232}, {4660, 210, 52}, {9999, 231, 15},
    };
    for (const Case& c : cases) {
        const ExtendedAddress address = ComputeExtendedAddress(c.number).address;
        EXPECT_EQ(address.cv17, c.cv17) << c.number;
        EXPECT_EQ(address.cv18, c.cv18) << c.number;
    }
}

TEST(ExtendedAddress, AcceptsExactlyOneTo9999) {
    for (int n = -32768; n <= 32767; ++n) {
        ASSERT_EQ(IsValidLocoNumber(static_cast<std::int16_t>(n)), n >= 1 && n <= 9999) << n;
    }
}

TEST(ExtendedAddress, FormatKeepsTheSignPlace) {
    const std::pair<std::int16_t, std::u16string> cases[] = {
        {192, u" 192"}, {0, u" 0"},         {3, u" 3"},          {255, u" 255"},
        {-5, u"-5"},    {32767, u" 32767"}, {-32768, u"-32768"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(FormatCvValue(value), text) << value;
    }
}

}  // namespace
}  // namespace veltrop
