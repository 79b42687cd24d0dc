#include "core/BigNat.h"

#include <algorithm>
#include <cstddef>

namespace {

constexpr std::uint32_t kPow5Chunk = 1220703125;  // 5^13, the largest power of 5 in 32 bits
constexpr int kPow5ChunkExponent = 13;
constexpr std::uint32_t kPow10Chunk = 1000000000;
constexpr int kPow10ChunkDigits = 9;

}  // namespace

BigNat::BigNat(unsigned __int128 value) {
    while (value != 0) {
        limbs_.push_back(static_cast<std::uint32_t>(value));
        value >>= 32;
    }
}

BigNat BigNat::FromDecimal(std::string_view digits) {
    BigNat result;
    // Nine digits at a time: one pass over the limbs per chunk instead of per digit.
    std::size_t first = digits.size() % kPow10ChunkDigits;
    if (first == 0) first = kPow10ChunkDigits;
    std::size_t pos = 0;
    while (pos < digits.size()) {
        std::size_t len = pos == 0 ? std::min(first, digits.size()) : kPow10ChunkDigits;
        std::uint32_t chunk = 0;
        std::uint32_t scale = 1;
        for (std::size_t i = 0; i < len; ++i) {
            chunk = chunk * 10 + static_cast<std::uint32_t>(digits[pos + i] - '0');
            scale *= 10;
        }
        result.MulSmall(scale);
        result.AddSmall(chunk);
        pos += len;
    }
    return result;
}

int BigNat::BitLength() const {
    if (limbs_.empty()) return 0;
    return static_cast<int>(limbs_.size() - 1) * 32 + (32 - __builtin_clz(limbs_.back()));
}

bool BigNat::AnyBitBelow(int bit) const {
    if (bit <= 0) return false;
    std::size_t whole = static_cast<std::size_t>(bit) / 32;
    for (std::size_t i = 0; i < whole && i < limbs_.size(); ++i) {
        if (limbs_[i] != 0) return true;
    }
    int rest = bit % 32;
    if (rest != 0 && whole < limbs_.size()) {
        return (limbs_[whole] & ((std::uint32_t{1} << rest) - 1)) != 0;
    }
    return false;
}

unsigned __int128 BigNat::BitsFrom(int bit) const {
    if (bit < 0) bit = 0;
    std::size_t index = static_cast<std::size_t>(bit) / 32;
    int offset = bit % 32;
    // Five limbs cover 128 bits at any offset.
    unsigned __int128 result = 0;
    for (int i = 0; i < 5; ++i) {
        std::size_t at = index + static_cast<std::size_t>(i);
        if (at >= limbs_.size()) break;
        int position = i * 32 - offset;
        unsigned __int128 limb = limbs_[at];
        if (position < 0) {
            result |= limb >> -position;
        } else if (position < 128) {
            result |= limb << position;
        }
    }
    return result;
}

void BigNat::MulSmall(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : limbs_) {
        std::uint64_t product = static_cast<std::uint64_t>(limb) * factor + carry;
        limb = static_cast<std::uint32_t>(product);
        carry = product >> 32;
    }
    if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
    Trim();
}

void BigNat::AddSmall(std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (std::size_t i = 0; i < limbs_.size() && carry != 0; ++i) {
        std::uint64_t sum = static_cast<std::uint64_t>(limbs_[i]) + carry;
        limbs_[i] = static_cast<std::uint32_t>(sum);
        carry = sum >> 32;
    }
    if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
}

void BigNat::MulPow5(int n) {
    for (; n >= kPow5ChunkExponent; n -= kPow5ChunkExponent) MulSmall(kPow5Chunk);
    std::uint32_t rest = 1;
    for (; n > 0; --n) rest *= 5;
    if (rest != 1) MulSmall(rest);
}

void BigNat::MulPow10(int n) {
    if (n <= 0) return;
    MulPow5(n);
    ShiftLeft(n);
}

void BigNat::ShiftLeft(int bits) {
    if (limbs_.empty() || bits <= 0) return;
    std::size_t whole = static_cast<std::size_t>(bits) / 32;
    int rest = bits % 32;
    if (rest != 0) {
        std::uint32_t carry = 0;
        for (std::uint32_t& limb : limbs_) {
            std::uint32_t next = limb >> (32 - rest);
            limb = (limb << rest) | carry;
            carry = next;
        }
        if (carry != 0) limbs_.push_back(carry);
    }
    limbs_.insert(limbs_.begin(), whole, 0);
}

void BigNat::ShiftRight(int bits) {
    if (bits <= 0) return;
    std::size_t whole = std::min(static_cast<std::size_t>(bits) / 32, limbs_.size());
    limbs_.erase(limbs_.begin(), limbs_.begin() + static_cast<std::ptrdiff_t>(whole));
    int rest = bits % 32;
    if (rest != 0) {
        std::uint32_t carry = 0;
        for (std::size_t i = limbs_.size(); i-- > 0;) {
            std::uint32_t next = limbs_[i] << (32 - rest);
            limbs_[i] = (limbs_[i] >> rest) | carry;
            carry = next;
        }
    }
    Trim();
}

void BigNat::Subtract(const BigNat& other) {
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < limbs_.size(); ++i) {
        std::int64_t difference = static_cast<std::int64_t>(limbs_[i]) - borrow -
                                  (i < other.limbs_.size() ? other.limbs_[i] : 0);
        borrow = difference < 0 ? 1 : 0;
        limbs_[i] = static_cast<std::uint32_t>(difference + (borrow << 32));
        if (i >= other.limbs_.size() && borrow == 0) break;
    }
    Trim();
}

std::uint32_t BigNat::DivSmall(std::uint32_t divisor) {
    std::uint64_t remainder = 0;
    for (std::size_t i = limbs_.size(); i-- > 0;) {
        std::uint64_t current = (remainder << 32) | limbs_[i];
        limbs_[i] = static_cast<std::uint32_t>(current / divisor);
        remainder = current % divisor;
    }
    Trim();
    return static_cast<std::uint32_t>(remainder);
}

std::string BigNat::ToDecimal() const {
    if (limbs_.empty()) return "0";
    BigNat rest = *this;
    std::string reversed;
    while (!rest.IsZero()) {
        std::uint32_t chunk = rest.DivSmall(kPow10Chunk);
        for (int i = 0; i < kPow10ChunkDigits; ++i) {
            reversed.push_back(static_cast<char>('0' + chunk % 10));
            chunk /= 10;
        }
    }
    while (reversed.size() > 1 && reversed.back() == '0') reversed.pop_back();
    return std::string(reversed.rbegin(), reversed.rend());
}

int Compare(const BigNat& a, const BigNat& b) {
    if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
    for (std::size_t i = a.limbs_.size(); i-- > 0;) {
        if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
    }
    return 0;
}

void BigNat::Trim() {
    while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
}
