#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace veltrop::testing {

// The result captions for a locomotive number, worked out here from the
// address layout (0xC000 + number, high byte then low byte) rather than
// through the production arithmetic and formatting.
inline std::u16string ExpectedCV17Caption(int number) {
    std::u16string caption = u" ";
    for (char c : std::to_string((0xC000 + number) >> 8)) {
        caption += static_cast<char16_t>(c);
    }
    return caption;
}

inline std::u16string ExpectedCV18Caption(int number) {
    std::u16string caption = u" ";
    for (char c : std::to_string((0xC000 + number) & 0xFF)) {
        caption += static_cast<char16_t>(c);
    }
    return caption;
}

// The locomotive number whose pair of captions the window shows; empty when
// the two captions are not the pair for any number from 1 to 9999.
inline std::optional<int> NumberShownBy(std::u16string_view cv17, std::u16string_view cv18) {
    const auto value = [](std::u16string_view caption) -> std::optional<int> {
        if (caption.size() < 2 || caption.size() > 4 || caption[0] != u' ' ||
            (caption[1] == u'0' && caption.size() > 2)) {
            return std::nullopt;
        }
        int v = 0;
        for (char16_t c : caption.substr(1)) {
            if (c < u'0' || c > u'9') {
                return std::nullopt;
            }
            v = v * 10 + (c - u'0');
        }
        return v;
    };
    const std::optional<int> high = value(cv17);
    const std::optional<int> low = value(cv18);
    if (!high || !low || *high < 0xC0 || *high > 0xFF || *low > 0xFF) {
        return std::nullopt;
    }
    const int number = ((*high << 8) | *low) - 0xC000;
    if (number < 1 || number > 9999) {
        return std::nullopt;
    }
    return number;
}

// Both result captions empty, or the pair for one accepted number.
inline bool CaptionsConsistent(std::u16string_view cv17, std::u16string_view cv18) {
    return (cv17.empty() && cv18.empty()) || NumberShownBy(cv17, cv18).has_value();
}

}  // namespace veltrop::testing
