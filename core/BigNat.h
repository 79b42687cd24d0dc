// A small unsigned big integer for the rare exact conversions that do not fit in 128 bits
// (extreme exponents, subnormals, long digit strings). Only what those conversions need.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class BigNat {
  public:
    BigNat() = default;
    explicit BigNat(unsigned __int128 value);

    // digits: '0'..'9' only.
    static BigNat FromDecimal(std::string_view digits);

    bool IsZero() const { return limbs_.empty(); }
    int BitLength() const;
    // True when any of the bits below `bit` is set.
    bool AnyBitBelow(int bit) const;
    // The 128 bits starting at `bit` (bits above 127 of that window are dropped).
    unsigned __int128 BitsFrom(int bit) const;

    void MulSmall(std::uint32_t factor);
    void AddSmall(std::uint32_t addend);
    void MulPow5(int n);
    void MulPow10(int n);
    void ShiftLeft(int bits);
    void ShiftRight(int bits);  // drops the bits shifted out
    // Requires *this >= other.
    void Subtract(const BigNat& other);
    // Divides in place and returns the remainder.
    std::uint32_t DivSmall(std::uint32_t divisor);

    std::string ToDecimal() const;  // "0" for zero

    friend int Compare(const BigNat& a, const BigNat& b);

  private:
    void Trim();
    std::vector<std::uint32_t> limbs_;  // least significant first, no leading zero limb
};
