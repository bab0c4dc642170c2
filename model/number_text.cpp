#include "number_text.hpp"

#include <array>
#include <charconv>
#include <cmath>

namespace kolva {

namespace {

constexpr int kSignificantDigits = 15;
constexpr double kWholeLimit = 1e15;

}  // namespace

double toNumber(std::string_view text) {
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc{} || !std::isfinite(value)) {
        return 0.0;
    }
    return value;
}

std::string toText(double value) {
    // Whole numbers below 10^15 have at most 15 digits: written as integers
    // they are exactly what the general rule below would write.
    if (std::trunc(value) == value && std::abs(value) < kWholeLimit) {
        std::array<char, 24> digits{};
        const auto whole = static_cast<long long>(value);
        const auto [end, error] =
            std::to_chars(digits.data(), digits.data() + digits.size(), whole);
        return {digits.data(), end};
    }
    // Scientific notation with 14 digits after the point rounds to exactly
    // 15 significant digits; the digits and the exponent are then laid out
    // again in plain notation.
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view written(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    if (error != std::errc{} || !std::isfinite(value)) {
        return std::string(written);
    }

    const bool negative = written.front() == '-';
    const std::size_t mantissaStart = negative ? 1 : 0;
    const std::size_t exponentAt = written.find('e');
    std::string digits;
    for (const char c : written.substr(mantissaStart, exponentAt - mantissaStart)) {
        if (c != '.') {
            digits.push_back(c);
        }
    }
    while (!digits.empty() && digits.back() == '0') {
        digits.pop_back();
    }
    if (digits.empty()) {
        return "0";
    }

    int exponent = 0;
    const std::string_view exponentText = written.substr(exponentAt + 1);
    const char* exponentBegin = exponentText.data() + (exponentText.front() == '+' ? 1 : 0);
    std::from_chars(exponentBegin, exponentText.data() + exponentText.size(), exponent);

    // Number of digits that stand before the decimal point.
    const int whole = exponent + 1;
    const int digitCount = static_cast<int>(digits.size());
    std::string text = negative ? "-" : "";
    if (whole <= 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-whole), '0');
        text += digits;
    } else if (whole >= digitCount) {
        text += digits;
        text.append(static_cast<std::size_t>(whole - digitCount), '0');
    } else {
        text += std::string_view(digits).substr(0, static_cast<std::size_t>(whole));
        text += '.';
        text += std::string_view(digits).substr(static_cast<std::size_t>(whole));
    }
    return text;
}

}  // namespace kolva
