// libFuzzer harness of the reference-rates reader: no input may crash it, and what it accepts
// keeps its promises (a real day, rates a double can hold, updates only of user-rate slots).
// Inputs go up to 1 MiB, and one that takes longer than its time limit is a fault
// (tests/fuzz/fuzz_ecb_rates.flags).
#include <cmath>
#include <cstdint>
#include <string_view>

#include "core/CurrencyTable.h"
#include "core/EcbRates.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<EcbRates> file = ReadEcbRates(bytes);
    (void)ParseIsoDate(bytes);
    if (!file) return 0;
    FUZZ_CHECK(ParseIsoDate(file->date).has_value());
    FUZZ_CHECK(!file->rates.empty());
    for (const EcbRate& rate : file->rates) {
        FUZZ_CHECK(rate.rate > 0);
        const double stored = static_cast<double>(rate.rate);
        FUZZ_CHECK(std::isfinite(stored) && stored > 0);
    }
    static const RecRec rec = [] {
        RecRec r;
        InitCurrencyTable(r);
        r.EigenMunteenheid1 = "PLN";
        OwnPictures pictures;
        ApplyOwnCurrencies(r, pictures);
        return r;
    }();
    int previous = 0;
    for (const RateUpdate& update : EcbRateUpdates(rec, *file)) {
        FUZZ_CHECK(update.slot > previous);  // each slot once, in order
        FUZZ_CHECK(!IsFixedRate(update.slot) && update.slot >= 13 && update.slot <= 22);
        FUZZ_CHECK(update.rate > 0);
        previous = update.slot;
    }
    return 0;
}
