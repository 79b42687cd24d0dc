// The settings loader over an in-memory registry filled with any values of any kind under the
// program's names (and others): loading never fails, every checked field is in range and every
// rate usable afterwards, and saving then loading again gives the same record and values.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "core/SettingsStore.h"
#include "fuzz/fuzz_check.h"

namespace {

const std::string kRoot = "Software\\ZT\\Valomat\\";
const char* const kSubkeys[] = {"Decimalen", "Koers", "Algemeen", "EigenMunten", "Positie"};

// Every value name the loader reads. The own-currency picture paths are left out: loading
// reads those files from disk.
std::vector<std::string> ValueNames() {
    std::vector<std::string> names;
    for (const char* prefix : {"Decimalen", "Geselecteerd", "SymboolVooraan"}) {
        for (int n = 1; n <= kSlotCount; ++n) names.push_back(prefix + std::to_string(n));
    }
    for (const char* name : {"GBP",
                             "SEK",
                             "DKK",
                             "NOK",
                             "CHF",
                             "USD",
                             "JPY",
                             "Eigen1",
                             "Eigen2",
                             "KoersDatum",
                             "Weergave",
                             "Taal",
                             "DefaultVanMunt",
                             "DefaultNaarMunt",
                             "Lijst",
                             "SysteemLade",
                             "Minimalizeren",
                             "Letters",
                             "KolomVlag",
                             "KolomMunt",
                             "KolomMunteenheid",
                             "KolomSymbool",
                             "KleurEuro",
                             "KleurEU",
                             "KleurEuropa",
                             "KleurWereld",
                             "KoersenURL",
                             "KoersenBijStart",
                             "Versie",
                             "EigenMunt1",
                             "EigenMunteenheid1",
                             "EigenSymbool1",
                             "EigenMunt2",
                             "EigenMunteenheid2",
                             "EigenSymbool2",
                             "Boven",
                             "Links"}) {
        names.emplace_back(name);
    }
    return names;
}

MemoryRegistry::Value AnyValue(FuzzedDataProvider& in) {
    using Value = MemoryRegistry::Value;
    switch (in.ConsumeIntegralInRange(0, 5)) {
        case 0:
            return Value::Text(in.ConsumeRandomLengthString(24));
        case 1:
            return Value::Integer(in.ConsumeIntegralInRange<std::uint32_t>(0, 30));
        case 2:
            return Value::Integer(in.ConsumeIntegral<std::uint32_t>());
        case 3: {  // a double, of any bits
            std::vector<std::uint8_t> bytes = in.ConsumeBytes<std::uint8_t>(8);
            bytes.resize(8);
            return Value::Binary(bytes);
        }
        case 4:
            return Value::Binary(in.ConsumeBytes<std::uint8_t>(in.ConsumeIntegralInRange(0, 12)));
        default:
            return {RegKind::Other, in.ConsumeBytes<std::uint8_t>(4)};
    }
}

struct Loaded {
    RecRec rec;
    WindowPosition position;
};

Loaded Load(MemoryRegistry& registry, const SettingsEnvironment& env) {
    Loaded loaded;
    OwnPictures pictures;
    loaded.position = LoadSettings(loaded.rec, registry, env, pictures).position;
    return loaded;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<std::string> kNames = ValueNames();
    FuzzedDataProvider in(data, size);
    const SettingsEnvironment env{.localeLanguage = in.ConsumeIntegralInRange(0, 4),
                                  .screenWidth = in.ConsumeIntegralInRange(0, 8000),
                                  .screenHeight = in.ConsumeIntegralInRange(0, 8000),
                                  .windowWidth = 500,
                                  .windowHeight = 301};
    const bool readOnly = in.ConsumeIntegralInRange(0, 7) == 0;
    MemoryRegistry registry;
    while (in.remaining_bytes() > 0) {
        const char* subkey = kSubkeys[in.ConsumeIntegralInRange<std::size_t>(0, 4)];
        const std::string name =
            in.ConsumeIntegralInRange(0, 15) == 0
                ? in.ConsumeRandomLengthString(8)
                : kNames[in.ConsumeIntegralInRange<std::size_t>(0, kNames.size() - 1)];
        if (name.starts_with("EigenBitmap")) continue;
        registry.Put(kRoot + subkey, name, AnyValue(in));
    }
    registry.SetReadOnly(readOnly);

    const Loaded first = Load(registry, env);
    const RecRec& rec = first.rec;
    FUZZ_CHECK(rec.DefaultVanMunt >= 1 && rec.DefaultVanMunt <= kSlotCount);
    FUZZ_CHECK(rec.DefaultNaarMunt >= 1 && rec.DefaultNaarMunt <= kSlotCount);
    FUZZ_CHECK(rec.Weergave <= 3);
    FUZZ_CHECK(rec.Taal <= 2);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        FUZZ_CHECK(std::isfinite(rec.Koers[slot]) && rec.Koers[slot] > 0);
    }
    if (readOnly) return 0;

    // Saved and loaded again: the same record (rates as the doubles they are stored as).
    MemoryRegistry saved;
    FUZZ_CHECK(SaveSettings(rec, saved, first.position));
    const Loaded second = Load(saved, env);
    RecRec expected = rec;
    for (const int slot : {13, 14, 15, 17, 18, 19, 20, 21, 22}) {
        expected.Koers[slot] = static_cast<double>(expected.Koers[slot]);
    }
    expected.Lijst = rec.Lijst == 2 ? 2 : 1;  // any view but the list is stored as compact
    FUZZ_CHECK(second.rec == expected);
    FUZZ_CHECK(second.position.top == first.position.top);
    FUZZ_CHECK(second.position.left == first.position.left);

    // And from then on nothing moves.
    MemoryRegistry again;
    FUZZ_CHECK(SaveSettings(second.rec, again, second.position));
    for (const char* subkey : kSubkeys) {
        const std::vector<std::string> names = saved.ValueNames(kRoot + subkey);
        FUZZ_CHECK(names == again.ValueNames(kRoot + subkey));
        for (const std::string& name : names) {
            FUZZ_CHECK(saved.Get(kRoot + subkey, name) == again.Get(kRoot + subkey, name));
        }
    }
    return 0;
}
