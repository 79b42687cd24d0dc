// The amount reader against an exact oracle: the grammar written out apart from the reader,
// and glibc's strtold reading the same number in the C locale, compared bit for bit. Every
// input is read with each of the four separator settings.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Blanks, a sign, digits with at most one decimal separator (one digit at least), an exponent,
// blanks: the same number in the C locale, or nothing when the text is not of that form.
std::optional<std::string> InCLocale(std::string_view text, std::string_view decimal) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    std::string out;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) out += text[i++];
    bool digit = false;
    bool point = false;
    while (i < text.size()) {
        if (IsDigit(text[i])) {
            out += text[i++];
            digit = true;
        } else if (!point && text.substr(i).starts_with(decimal)) {
            out += '.';
            i += decimal.size();
            point = true;
        } else {
            break;
        }
    }
    if (!digit) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        out += text[i++];
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) out += text[i++];
        if (i == text.size() || !IsDigit(text[i])) return std::nullopt;
        while (i < text.size() && IsDigit(text[i])) out += text[i++];
    }
    if (i != text.size()) return std::nullopt;
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const Separators& seps : kSeparatorSettings) {
        // The amount box's replacement changes one foreign mark and nothing else.
        const int caret = static_cast<int>(size % 7);
        if (const auto fix = ReplaceForeignSeparator(text, caret, seps)) {
            FUZZ_CHECK(fix->caret == caret && fix->text.size() == text.size());
            int changed = 0;
            for (std::size_t i = 0; i < text.size(); ++i) changed += fix->text[i] != text[i];
            FUZZ_CHECK(changed == 1);
        }

        const std::optional<long double> parsed = ParseAmount(text, seps);
        const std::optional<std::string> c = InCLocale(text, seps.decimal);
        if (!c) {
            FUZZ_CHECK(!parsed);
            continue;
        }
        const long double expected = std::strtold(c->c_str(), nullptr);
        if (std::isinf(expected)) {
            FUZZ_CHECK(!parsed);  // beyond the extended range: unreadable
            continue;
        }
        FUZZ_CHECK(parsed);
        FUZZ_CHECK(std::memcmp(&*parsed, &expected, 10) == 0);
    }
    return 0;
}
