// The one settings record: the currency table and every setting of the program.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

#include "util/Colour.h"

// Rates and amounts are x87 extended values; a compiler whose long double is a plain double
// would silently change every result.
static_assert(std::numeric_limits<long double>::digits == 64,
              "Valomat needs the 80-bit extended long double (MinGW-w64 or Linux GCC on x86)");

inline constexpr int kSlotCount = 22;     // slot 1 the euro ... 21, 22 the own currencies
inline constexpr int kLanguageCount = 4;  // Dutch, English, French; entry 3 stays empty

// The European Central Bank's daily reference rates.
inline constexpr const char* kEcbDailyAddress =
    "https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml";

// An array indexed by slot number 1..22; a slot outside that range throws instead of reading
// beyond the table.
template <class T>
class BySlot {
  public:
    T& operator[](int slot) { return items_.at(Index(slot)); }
    const T& operator[](int slot) const { return items_.at(Index(slot)); }
    bool operator==(const BySlot&) const = default;

  private:
    static std::size_t Index(int slot) { return static_cast<std::size_t>(slot - 1); }
    std::array<T, kSlotCount> items_{};
};

struct RecRec {
    std::uint8_t VanMunt = 2;   // current from-slot (not stored)
    std::uint8_t NaarMunt = 1;  // current to-slot (not stored)
    std::uint8_t DefaultVanMunt = 2;
    std::uint8_t DefaultNaarMunt = 1;
    std::uint8_t Taal = 0;      // 0 Dutch, 1 English, 2 French
    std::uint8_t Weergave = 1;  // display mode 0..3
    BySlot<long double> Koers;  // units of the currency per euro
    BySlot<std::uint8_t> Decimalen;
    BySlot<bool> Geselecteerd;
    bool SysteemLade = true;
    bool KolomVlag = true;
    bool KolomMunt = true;
    bool KolomMunteenheid = true;
    bool KolomSymbool = true;
    bool Minimalizeren = false;
    std::string Letters = "VL";
    BySlot<std::string> Munteenheid;
    BySlot<std::string> Symbool;
    BySlot<std::array<std::string, kLanguageCount>> Munt;
    BySlot<bool> SymboolVooraan;
    std::uint8_t Lijst = 2;                          // 2 list view, anything else compact view
    Colour KleurEuro = MakeColour(0, 0, 0x80);       // navy
    Colour KleurEU = MakeColour(0x80, 0, 0);         // maroon
    Colour KleurEuropa = MakeColour(0x80, 0, 0x80);  // purple
    Colour KleurWereld = 0;                          // black
    std::string EigenMunt1, EigenMunteenheid1, EigenSymbool1, EigenBitmap1;
    std::string EigenMunt2, EigenMunteenheid2, EigenSymbool2, EigenBitmap2;
    std::string KoersenURL = kEcbDailyAddress;  // where the reference rates are fetched from
    std::string KoersDatum;  // "YYYY-MM-DD" of the fetched rates, empty when they were typed
    bool KoersenBijStart =
        false;  // fetch the rates at start when they are older than a working day
    bool operator==(const RecRec&) const = default;
};
