#include "core/ExactDecimal.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "core/BigNat.h"

static_assert(std::numeric_limits<long double>::digits == 64,
              "the bit layout below is the 80-bit x87 extended format");

namespace {

using u128 = unsigned __int128;

constexpr int kExponentBias = 16383;
constexpr int kMaxBiased = 0x7FFF;
constexpr int kMinNormalExponent = 1 - kExponentBias;  // -16382
// The weight of the lowest mantissa bit of a subnormal (and of the smallest normals).
constexpr int kMinScale = kMinNormalExponent - 63;  // -16445
constexpr int kMaxSignificant = 40;
// 10^4933 exceeds the largest extended value; 10^-4952 is below half the smallest subnormal.
constexpr long long kOverflowDecade = 4933;
constexpr long long kUnderflowDecade = -4952;
// Every boundary between two extended values has at most about 11520 significant digits, so
// digits beyond this count only matter as "something nonzero follows".
constexpr std::size_t kMaxExactDigits = 12000;

struct ExtendedBits {
    std::uint64_t mantissa;
    std::uint16_t signExponent;
};

ExtendedBits Split(long double value) {
    ExtendedBits bits{};
    unsigned char raw[sizeof(long double)];
    std::memcpy(raw, &value, sizeof raw);
    std::memcpy(&bits.mantissa, raw, 8);
    std::memcpy(&bits.signExponent, raw + 8, 2);
    return bits;
}

long double Join(std::uint64_t mantissa, std::uint16_t signExponent) {
    unsigned char raw[sizeof(long double)] = {};
    std::memcpy(raw, &mantissa, 8);
    std::memcpy(raw + 8, &signExponent, 2);
    long double value;
    std::memcpy(&value, raw, sizeof value);
    return value;
}

int BitLength128(u128 value) {
    auto high = static_cast<std::uint64_t>(value >> 64);
    if (high != 0) return 128 - __builtin_clzll(high);
    auto low = static_cast<std::uint64_t>(value);
    return low == 0 ? 0 : 64 - __builtin_clzll(low);
}

// Collects the leading significant digits, one more than wanted, and remembers whether any
// nonzero digit came after them.
class DigitCollector {
  public:
    explicit DigitCollector(int significant) : limit_(significant + 1) {}

    void Push(char digit) {
        if (count_ < limit_) {
            text_[static_cast<std::size_t>(count_++)] = digit;
        } else if (digit != '0') {
            sticky_ = true;
        }
    }
    void SetSticky() { sticky_ = true; }
    bool Full() const { return count_ >= limit_; }
    bool Empty() const { return count_ == 0; }

    // Rounds to limit_ - 1 digits, to nearest with ties to even.
    DecimalDigits Round(bool negative, int exponent) const {
        int wanted = limit_ - 1;
        DecimalDigits result;
        result.negative = negative;
        result.exponent = exponent;
        result.digits.assign(text_.data(), static_cast<std::size_t>(std::min(count_, wanted)));
        if (count_ > wanted) {
            char next = text_[static_cast<std::size_t>(wanted)];
            bool odd = ((text_[static_cast<std::size_t>(wanted - 1)] - '0') & 1) != 0;
            if (next > '5' || (next == '5' && (sticky_ || odd))) {
                int i = wanted - 1;
                while (i >= 0 && result.digits[static_cast<std::size_t>(i)] == '9') {
                    result.digits[static_cast<std::size_t>(i--)] = '0';
                }
                if (i >= 0) {
                    ++result.digits[static_cast<std::size_t>(i)];
                } else {
                    result.digits.insert(result.digits.begin(), '1');
                    result.digits.pop_back();
                    ++result.exponent;
                }
            }
        }
        result.digits.resize(static_cast<std::size_t>(wanted), '0');
        return result;
    }

  private:
    std::array<char, kMaxSignificant + 1> text_{};
    int count_ = 0;
    int limit_;
    bool sticky_ = false;
};

// Writes the decimal digits of value (no leading zeros, "0" never written) and returns how many.
int PushInteger(u128 value, DigitCollector& out) {
    constexpr std::uint64_t kTen19 = 10000000000000000000ull;
    char buffer[40];
    int pos = 40;
    while (value > std::numeric_limits<std::uint64_t>::max()) {
        u128 quotient = value / kTen19;
        auto rest = static_cast<std::uint64_t>(value - quotient * kTen19);
        for (int i = 0; i < 19; ++i) {
            buffer[--pos] = static_cast<char>('0' + rest % 10);
            rest /= 10;
        }
        value = quotient;
    }
    for (auto small = static_cast<std::uint64_t>(value); small != 0; small /= 10) {
        buffer[--pos] = static_cast<char>('0' + small % 10);
    }
    for (int i = pos; i < 40; ++i) out.Push(buffer[i]);
    return 40 - pos;
}

// mantissa * 2^scale with scale >= -124 and a product below 2^128: everything fits in 128 bits,
// and the fraction times ten still does.
DecimalDigits ExpandSmall(bool negative, std::uint64_t mantissa, int scale, int significant) {
    DigitCollector out(significant);
    int exponent = 0;
    if (scale >= 0) {
        exponent = PushInteger(static_cast<u128>(mantissa) << scale, out);
        return out.Round(negative, exponent);
    }
    int shift = -scale;
    u128 mask = (static_cast<u128>(1) << shift) - 1;
    u128 fraction = mantissa & mask;
    if (shift < 64) exponent = PushInteger(mantissa >> shift, out);
    while (fraction != 0 && !out.Full()) {
        fraction *= 10;
        auto digit = static_cast<char>('0' + static_cast<int>(fraction >> shift));
        fraction &= mask;
        if (digit == '0' && out.Empty()) {
            --exponent;
        } else {
            out.Push(digit);
        }
    }
    if (fraction != 0) out.SetSticky();
    return out.Round(negative, exponent);
}

// Any other value. A large integer is expanded whole. A small value needs only its leading
// digits: floor(value * 10^j) = floor(mantissa * 5^j / 2^(-scale - j)) for a j that leaves a
// few more digits than wanted, and the dropped bits say whether anything follows.
DecimalDigits ExpandBig(bool negative, std::uint64_t mantissa, int scale, int significant) {
    DigitCollector out(significant);
    BigNat number{mantissa};
    if (scale >= 0) {
        number.ShiftLeft(scale);
        std::string text = number.ToDecimal();
        for (char digit : text) out.Push(digit);
        return out.Round(negative, static_cast<int>(text.size()));
    }
    int binaryExponent = 63 - __builtin_clzll(mantissa) + scale;
    // Leaves significant + 3 or + 4 digits even if the estimate of the decade is one off.
    auto decade = static_cast<int>(std::floor(binaryExponent * 0.30102999566398120)) + 1;
    int j = significant + 3 - decade;
    number.MulPow5(j);
    int drop = -scale - j;
    bool sticky = false;
    if (drop >= 0) {
        sticky = number.AnyBitBelow(drop);
        number.ShiftRight(drop);
    } else {
        number.ShiftLeft(-drop);
    }
    std::string text = number.ToDecimal();
    for (char digit : text) out.Push(digit);
    if (sticky) out.SetSticky();
    return out.Round(negative, static_cast<int>(text.size()) - j);
}

bool PrecisionIsExtended() {
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
    std::uint16_t control = 0;
    asm volatile("fnstcw %0" : "=m"(control));
    // 64-bit precision and rounding to nearest.
    return (control & 0x0F00) == 0x0300;
#else
    return false;
#endif
}

constexpr std::array<long double, 28> MakePowersOfTen() {
    std::array<long double, 28> powers{};
    long double power = 1;
    for (long double& entry : powers) {
        entry = power;
        power *= 10;
    }
    return powers;
}
// 10^27 = 5^27 * 2^27 and 5^27 < 2^64: all of these are exact.
constexpr std::array<long double, 28> kPowersOfTen = MakePowersOfTen();

long double SignedZero(bool negative) {
    return negative ? -0.0L : 0.0L;
}

// The value (quotient + something below one, when sticky) * 2^scale rounded to an extended
// value; quotient has at least 66 bits whenever sticky is set.
std::optional<long double> Assemble(bool negative, u128 quotient, int scale, bool sticky) {
    int length = BitLength128(quotient);
    int exponent = length - 1 + scale;
    bool subnormal = exponent < kMinNormalExponent;
    int shift = subnormal ? kMinScale - scale : length - 64;
    u128 mantissa = 0;
    if (shift <= 0) {
        mantissa = quotient << -shift;
    } else if (shift < 128) {
        mantissa = quotient >> shift;
        u128 rest = quotient & ((static_cast<u128>(1) << shift) - 1);
        u128 half = static_cast<u128>(1) << (shift - 1);
        if (rest > half || (rest == half && (sticky || (mantissa & 1) != 0))) ++mantissa;
    }
    // shift >= 128 leaves less than half the smallest subnormal: zero.
    int biased = 0;
    if (subnormal) {
        biased = (mantissa >> 63) != 0 ? 1 : 0;  // rounded up into the smallest normal
    } else {
        if ((mantissa >> 64) != 0) {
            mantissa >>= 1;
            ++exponent;
        }
        biased = exponent + kExponentBias;
        if (biased >= kMaxBiased) return std::nullopt;
    }
    auto signExponent = static_cast<std::uint16_t>(biased | (negative ? 0x8000 : 0));
    return Join(static_cast<std::uint64_t>(mantissa), signExponent);
}

// digits (no leading zero, at most kMaxExactDigits + 1) * 10^exponent10, by exact integers.
std::optional<long double> ConvertBig(bool negative, std::string_view digits, int exponent10) {
    BigNat number = BigNat::FromDecimal(digits);
    if (exponent10 >= 0) {
        number.MulPow10(exponent10);
        int length = number.BitLength();
        int scale = std::max(0, length - 100);
        return Assemble(negative, number.BitsFrom(scale), scale, number.AnyBitBelow(scale));
    }
    BigNat divisor{1};
    divisor.MulPow10(-exponent10);
    // Scale one side so that the quotient has 66 or 67 bits: 64 kept, then a rounding bit.
    int shift = divisor.BitLength() - number.BitLength() + 66;
    if (shift >= 0) {
        number.ShiftLeft(shift);
    } else {
        divisor.ShiftLeft(-shift);
    }
    constexpr int kQuotientBits = 68;
    divisor.ShiftLeft(kQuotientBits - 1);
    u128 quotient = 0;
    for (int bit = kQuotientBits - 1; bit >= 0; --bit) {
        if (Compare(number, divisor) >= 0) {
            number.Subtract(divisor);
            quotient |= static_cast<u128>(1) << bit;
        }
        divisor.ShiftRight(1);
    }
    return Assemble(negative, quotient, -shift, !number.IsZero());
}

}  // namespace

DecimalDigits ExpandExtended(long double value, int significant) {
    significant = std::clamp(significant, 1, kMaxSignificant);
    ExtendedBits bits = Split(value);
    bool negative = (bits.signExponent & 0x8000) != 0;
    int biased = bits.signExponent & kMaxBiased;
    if (biased == kMaxBiased) return {};  // infinity or NaN
    DecimalDigits zero;
    zero.negative = negative;
    if (bits.mantissa == 0) return zero;
    std::uint64_t mantissa = bits.mantissa;
    int scale = std::max(biased, 1) - kExponentBias - 63;
    int trailing = __builtin_ctzll(mantissa);
    mantissa >>= trailing;
    scale += trailing;
    int length = 64 - __builtin_clzll(mantissa);
    if (scale >= -124 && length + scale <= 128) {
        return ExpandSmall(negative, mantissa, scale, significant);
    }
    return ExpandBig(negative, mantissa, scale, significant);
}

std::optional<long double> DecimalToExtended(bool negative, std::string_view digits,
                                             long long exponent10) {
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    std::size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos) return SignedZero(negative);
    std::size_t last = digits.find_last_not_of('0');
    std::string_view significant = digits.substr(first, last - first + 1);
    long long exponent = exponent10 + static_cast<long long>(digits.size() - 1 - last);
    auto count = static_cast<long long>(significant.size());
    if (count + exponent > kOverflowDecade) return std::nullopt;
    if (count + exponent < kUnderflowDecade) return SignedZero(negative);

    if (count <= 19 && exponent >= -27 && exponent <= 27 && PrecisionIsExtended()) {
        std::uint64_t whole = 0;
        for (char c : significant) whole = whole * 10 + static_cast<std::uint64_t>(c - '0');
        // Both operands are exact, so one multiplication or division rounds correctly.
        long double value = static_cast<long double>(whole);
        long double power =
            kPowersOfTen[static_cast<std::size_t>(exponent < 0 ? -exponent : exponent)];
        value = exponent < 0 ? value / power : value * power;
        return negative ? -value : value;
    }

    std::string kept(significant.substr(0, std::min(significant.size(), kMaxExactDigits)));
    if (significant.size() > kMaxExactDigits) {
        // Only whether the dropped tail is nonzero matters; a final 1 stands for it. The tail
        // ends in a nonzero digit, so it is nonzero.
        kept.push_back('1');
        exponent += count - static_cast<long long>(kept.size());
    }
    return ConvertBig(negative, kept, static_cast<int>(exponent));
}

void EnsureExtendedPrecision() {
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
    std::uint16_t control = 0;
    asm volatile("fnstcw %0" : "=m"(control));
    auto wanted = static_cast<std::uint16_t>(control | 0x0300);
    if (wanted != control) asm volatile("fldcw %0" : : "m"(wanted) : "memory");
#endif
}
