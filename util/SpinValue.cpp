#include "util/SpinValue.h"

#include <algorithm>

std::optional<long long> ParseWholeNumber(std::string_view text) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    constexpr long long kLimit = 1LL << 40;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = std::min(value * 10 + (c - '0'), kLimit);
    }
    return negative ? -value : value;
}

int SpinValueFromText(std::string_view text, int min, int max) {
    const std::optional<long long> value = ParseWholeNumber(text);
    if (!value) return min;
    return static_cast<int>(std::clamp<long long>(*value, min, max));
}
