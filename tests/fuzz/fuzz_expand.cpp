// The exact decimal code both ways: any extended value expanded to 1..40 digits against glibc's
// printf, read back from 21 digits to the same bits, and formatted without harm; any digit
// string with any exponent read against glibc's strtold.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "core/AmountFormat.h"
#include "core/ExactDecimal.h"
#include "exact_oracle.h"
#include "fuzz/fuzz_check.h"

namespace {

// 21 significant digits tell every two extended values apart.
constexpr int kRoundTripDigits = 21;

long double FromBits(std::uint64_t mantissa, std::uint16_t signExponent) {
    unsigned char raw[sizeof(long double)] = {};
    std::memcpy(raw, &mantissa, 8);
    std::memcpy(raw + 8, &signExponent, 2);
    long double value;
    std::memcpy(&value, raw, sizeof value);
    return value;
}

bool SameBits(long double a, long double b) {
    return std::memcmp(&a, &b, 10) == 0;
}

void CheckExpansion(FuzzedDataProvider& in) {
    std::uint64_t mantissa = in.ConsumeIntegral<std::uint64_t>();
    const auto signExponent = in.ConsumeIntegral<std::uint16_t>();
    const int significant = in.ConsumeIntegralInRange(1, 40);
    // Arithmetic only makes canonical values: the integer bit set exactly for normal numbers.
    const std::uint64_t integerBit = std::uint64_t{1} << 63;
    mantissa = (signExponent & 0x7FFF) != 0 ? mantissa | integerBit : mantissa & ~integerBit;
    const long double value = FromBits(mantissa, signExponent);

    const DecimalDigits digits = ExpandExtended(value, significant);
    const Separators& seps = kSeparatorSettings[in.ConsumeIntegralInRange(0, 3)];
    FormatMasked(value, in.ConsumeIntegralInRange(0, 255), seps);
    FormatGeneral(value, seps);
    if (!std::isfinite(value)) {
        FUZZ_CHECK(digits.digits.empty());
        return;
    }
    const DecimalDigits expected = PrintfDigits(value, significant);
    FUZZ_CHECK(digits.digits == expected.digits);
    FUZZ_CHECK(digits.exponent == expected.exponent);
    FUZZ_CHECK(digits.negative == expected.negative);

    const DecimalDigits exact = ExpandExtended(value, kRoundTripDigits);
    const auto back = DecimalToExtended(
        exact.negative, exact.digits, exact.exponent - static_cast<long long>(exact.digits.size()));
    FUZZ_CHECK(back && SameBits(*back, value));
}

void CheckReading(FuzzedDataProvider& in) {
    const bool negative = in.ConsumeBool();
    const long long exponent = in.ConsumeIntegralInRange<long long>(-12000, 12000);
    std::string digits = in.ConsumeRandomLengthString(2000);
    for (char& c : digits) c = static_cast<char>('0' + static_cast<unsigned char>(c) % 10);
    const auto read = DecimalToExtended(negative, digits, exponent);
    if (digits.empty()) return;
    const std::string text = (negative ? "-" : "") + digits + "e" + std::to_string(exponent);
    const long double expected = std::strtold(text.c_str(), nullptr);
    if (std::isinf(expected)) {
        FUZZ_CHECK(!read);
        return;
    }
    FUZZ_CHECK(read && SameBits(*read, expected));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    CheckExpansion(in);
    CheckReading(in);
    return 0;
}
