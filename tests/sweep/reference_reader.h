#pragma once

#include <cstdint>
#include <string_view>

namespace veltrop::testing {

// A second, deliberately different reading of short texts for checking the
// production reader: the blanks are dropped first, the text is matched
// against the number grammar, and the value is kept as an exact fraction
// num / den (never a double), rounded half to even at the end.
//
//   text    := sign? mantissa exponent? | '&' ('H' hex* | 'O' oct*)
//   mantissa:= digit+ ('.' digit*)? | '.' digit+
//   exponent:= ('E') sign? digit*          (no digits: exponent 0)
//
// Returns the 16-bit number, or 0 when there is no number or it lies
// outside -32768..32767. Meant for texts of a few characters only.
class ReferenceReader {
public:
    static std::int16_t LocoNumber(std::u16string_view text) {
        std::u16string_view::size_type length = 0;
        char16_t packed[32] = {};
        for (char16_t c : text) {
            if (c != u' ' && c != u'\t' && c != u'\n' && length < 32) {
                packed[length++] = c;
            }
        }
        ReferenceReader reader(std::u16string_view(packed, length));
        return reader.Read();
    }

private:
    explicit ReferenceReader(std::u16string_view text) : text_(text) {}

    char16_t Peek() const { return pos_ < text_.size() ? text_[pos_] : u'\0'; }
    bool Accept(char16_t lower) {
        const char16_t c = Peek();
        if (c == lower || c == lower - (u'a' - u'A')) {
            ++pos_;
            return true;
        }
        return false;
    }
    static int Digit(char16_t c, int radix) {
        int d = 99;
        if (c >= u'0' && c <= u'9') {
            d = c - u'0';
        } else if (c >= u'a' && c <= u'z') {
            d = c - u'a' + 10;
        } else if (c >= u'A' && c <= u'Z') {
            d = c - u'A' + 10;
        }
        return d < radix ? d : -1;
    }

    std::int16_t Read() {
        if (Peek() == u'&') {
            ++pos_;
            int radix = 0;
            if (Accept(u'h')) {
                radix = 16;
            } else if (Accept(u'o')) {
                radix = 8;
            } else {
                return 0;
            }
            std::int64_t value = 0;
            for (int d = Digit(Peek(), radix); d >= 0; d = Digit(Peek(), radix)) {
                value = value < (std::int64_t{1} << 40) ? value * radix + d : value;
                ++pos_;
            }
            return Fit(value, 1);
        }

        const bool negative = Peek() == u'-';
        if (Peek() == u'-' || Peek() == u'+') {
            ++pos_;
        }
        std::int64_t mantissa = 0;
        int fractionDigits = 0;
        int digits = 0;
        for (; Digit(Peek(), 10) >= 0; ++pos_, ++digits) {
            mantissa = mantissa * 10 + Digit(Peek(), 10);
        }
        if (Peek() == u'.') {
            ++pos_;
            for (; Digit(Peek(), 10) >= 0; ++pos_, ++digits, ++fractionDigits) {
                mantissa = mantissa * 10 + Digit(Peek(), 10);
            }
        }
        if (digits == 0 || mantissa == 0) {
            return 0;
        }
        int exponent = 0;
        if (Accept(u'e')) {
            const bool negativeExponent = Peek() == u'-';
            if (Peek() == u'-' || Peek() == u'+') {
                ++pos_;
            }
            for (; Digit(Peek(), 10) >= 0; ++pos_) {
                exponent = exponent < 1000 ? exponent * 10 + Digit(Peek(), 10) : exponent;
            }
            exponent = negativeExponent ? -exponent : exponent;
        }

        // value = mantissa * 10^scale; far beyond 16 bits, or so small that
        // it rounds to 0, is settled without forming the fraction.
        const int scale = exponent - fractionDigits;
        if (scale > 6) {
            return 0;
        }
        if (scale < -12) {
            return 0;
        }
        std::int64_t num = mantissa;
        std::int64_t den = 1;
        for (int i = 0; i < scale; ++i) {
            num *= 10;
        }
        for (int i = 0; i > scale; --i) {
            den *= 10;
        }
        // Half to even on the magnitude, then the sign.
        std::int64_t whole = num / den;
        const std::int64_t twiceRest = 2 * (num % den);
        if (twiceRest > den || (twiceRest == den && whole % 2 == 1)) {
            ++whole;
        }
        return Fit(whole, negative ? -1 : 1);
    }

    static std::int16_t Fit(std::int64_t magnitude, int sign) {
        const std::int64_t value = sign * magnitude;
        return value >= -32768 && value <= 32767 ? static_cast<std::int16_t>(value) : 0;
    }

    std::u16string_view text_;
    std::u16string_view::size_type pos_ = 0;
};

}  // namespace veltrop::testing
