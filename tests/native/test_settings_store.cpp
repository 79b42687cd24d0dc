// Loading and saving the settings record against the in-memory registry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/SettingsStore.h"
#include "native/registry_values.h"

namespace {

using Value = MemoryRegistry::Value;

const std::string kRoot = "Software\\ZT\\Valomat\\";

SettingsEnvironment Environment(int language = 1) {
    return {.localeLanguage = language,
            .screenWidth = 1024,
            .screenHeight = 768,
            .windowWidth = 500,
            .windowHeight = 301};
}

LoadResult Load(RecRec& rec, MemoryRegistry& registry, const SettingsEnvironment& env) {
    OwnPictures pictures;
    return LoadSettings(rec, registry, env, pictures);
}

struct Stored {
    std::string name;
    Value value;
};
struct StoredGroup {
    const char* subkey;
    std::vector<Stored> values;  // in the order they are created at the first start
};

// What the first start leaves in the registry, for a locale language and a position.
std::vector<StoredGroup> FirstStartValues(int language, int top, int left) {
    auto flag = [](bool b) { return Value::Integer(b ? 1 : 0); };
    StoredGroup decimals{"Decimalen", {}};
    for (int n = 1; n <= 22; ++n) {
        const bool whole = n == 2 || n == 4 || n == 7 || n == 8;
        decimals.values.push_back({"Decimalen" + std::to_string(n), Value::Integer(whole ? 0 : 2)});
    }
    for (int n = 1; n <= 22; ++n) {
        decimals.values.push_back({"Geselecteerd" + std::to_string(n), flag(n <= 12 || n == 16)});
    }
    for (int n = 1; n <= 22; ++n) {
        decimals.values.push_back({"SymboolVooraan" + std::to_string(n), flag(n == 1)});
    }
    return {
        decimals,
        {"Koers",
         {{"GBP", DoubleValue(0.62)},
          {"SEK", DoubleValue(9.09)},
          {"DKK", DoubleValue(7.46)},
          {"NOK", DoubleValue(8.09)},
          {"CHF", DoubleValue(1.54)},
          {"USD", DoubleValue(0.89)},
          {"JPY", DoubleValue(110.37)},
          {"Eigen1", DoubleValue(1)},
          {"Eigen2", DoubleValue(1)},
          {"KoersDatum", Value::Text("")}}},
        {"Algemeen",
         {{"Weergave", Value::Integer(1)},
          {"Taal", Value::Integer(static_cast<std::uint32_t>(language))},
          {"DefaultVanMunt", Value::Integer(2)},
          {"DefaultNaarMunt", Value::Integer(1)},
          {"Lijst", Value::Integer(2)},
          {"SysteemLade", flag(true)},
          {"Minimalizeren", flag(false)},
          {"Letters", Value::Text("VL")},
          {"KolomVlag", flag(true)},
          {"KolomMunt", flag(true)},
          {"KolomMunteenheid", flag(true)},
          {"KolomSymbool", flag(true)},
          {"KleurEuro", Value::Integer(0x800000)},
          {"KleurEU", Value::Integer(0x000080)},
          {"KleurEuropa", Value::Integer(0x800080)},
          {"KleurWereld", Value::Integer(0)},
          {"KoersenURL",
           Value::Text("https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml")},
          {"KoersenBijStart", flag(false)}}},
        {"EigenMunten",
         {{"EigenMunt1", Value::Text("")},
          {"EigenMunteenheid1", Value::Text("")},
          {"EigenSymbool1", Value::Text("")},
          {"EigenBitmap1", Value::Text("")},
          {"EigenMunt2", Value::Text("")},
          {"EigenMunteenheid2", Value::Text("")},
          {"EigenSymbool2", Value::Text("")},
          {"EigenBitmap2", Value::Text("")}}},
        {"Positie",
         {{"Boven", Value::Integer(static_cast<std::uint32_t>(top))},
          {"Links", Value::Integer(static_cast<std::uint32_t>(left))}}},
    };
}

TEST(SettingsStoreFirstStart, CreatesEveryValueWithItsDefaultAndKind) {
    MemoryRegistry registry;
    RecRec rec;
    const LoadResult result = Load(rec, registry, Environment(1));
    // (768 - 301) div 2 and (1024 - 500) div 2
    EXPECT_EQ(result.position.top, 233);
    EXPECT_EQ(result.position.left, 262);

    std::size_t total = 0;
    for (const StoredGroup& group : FirstStartValues(1, 233, 262)) {
        SCOPED_TRACE(group.subkey);
        const std::string path = kRoot + group.subkey;
        std::vector<std::string> names;
        for (const Stored& s : group.values) {
            names.push_back(s.name);
            EXPECT_EQ(registry.Get(path, s.name), s.value) << s.name;
        }
        EXPECT_EQ(registry.ValueNames(path), names) << "missing, extra or out of order";
        total += names.size();
    }
    EXPECT_EQ(total, 66u + 10u + 18u + 8u + 2u);
    EXPECT_EQ(registry.ValueNames("Software\\ZT\\Valomat"), std::vector<std::string>{});
}

TEST(SettingsStoreFirstStart, RecordHoldsTheDefaults) {
    MemoryRegistry registry;
    RecRec rec;
    Load(rec, registry, Environment(2));
    EXPECT_EQ(rec.Taal, 2);
    EXPECT_EQ(rec.Decimalen[2], 0);
    EXPECT_EQ(rec.Decimalen[9], 2);
    EXPECT_TRUE(rec.Geselecteerd[16]);
    EXPECT_FALSE(rec.Geselecteerd[17]);
    EXPECT_TRUE(rec.SymboolVooraan[1]);
    // The default is returned unrounded; only what is written is a double.
    EXPECT_EQ(rec.Koers[13], 0.62L);
    EXPECT_EQ(rec.Koers[22], 1.0L);
    EXPECT_EQ(rec.Letters, "VL");
    EXPECT_EQ(rec.KleurEuropa, MakeColour(0x80, 0, 0x80));
    EXPECT_EQ(rec.Lijst, 2);
}

TEST(SettingsStoreFirstStart, PositionDefaultsTruncateTowardZero) {
    struct Case {
        int screenW, screenH, windowW, windowH, top, left;
    };
    const Case cases[] = {
        {1025, 769, 500, 300, 234, 262},   // odd differences
        {300, 200, 501, 401, -100, -100},  // window larger than the screen: -100.5 -> -100
        {0, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        MemoryRegistry registry;
        RecRec rec;
        const LoadResult result = Load(rec, registry,
                                       {.localeLanguage = 1,
                                        .screenWidth = c.screenW,
                                        .screenHeight = c.screenH,
                                        .windowWidth = c.windowW,
                                        .windowHeight = c.windowH});
        EXPECT_EQ(result.position.top, c.top);
        EXPECT_EQ(result.position.left, c.left);
        EXPECT_EQ(registry.Get(kRoot + "Positie", "Boven"),
                  Value::Integer(static_cast<std::uint32_t>(c.top)));
    }
}

TEST(SettingsStoreFirstStart, GermanLocaleGivesDutchButTheRegistryKeepsItUntilSaved) {
    MemoryRegistry registry;
    RecRec rec;
    const LoadResult result = Load(rec, registry, Environment(3));
    EXPECT_EQ(rec.Taal, 0);
    EXPECT_EQ(registry.Get(kRoot + "Algemeen", "Taal"), Value::Integer(3));
    ASSERT_TRUE(SaveSettings(rec, registry, result.position));
    EXPECT_EQ(registry.Get(kRoot + "Algemeen", "Taal"), Value::Integer(0));
}

TEST(SettingsStoreFirstStart, UnreachableRegistryGivesTheDefaults) {
    MemoryRegistry registry;
    registry.SetReadOnly(true);
    RecRec rec;
    const LoadResult result = Load(rec, registry, Environment(1));
    EXPECT_FALSE(registry.KeyExists("Software"));
    EXPECT_EQ(rec.Koers[19], 0.89L);
    EXPECT_EQ(rec.Decimalen[1], 2);
    EXPECT_EQ(rec.DefaultVanMunt, 2);
    EXPECT_EQ(rec.Letters, "VL");
    EXPECT_EQ(result.position.left, 262);
}

// One stored value before loading, what the record holds after it, and what the registry holds.
struct StoredValueCase {
    const char* what;
    const char* subkey;
    const char* name;
    Value before;
    long long (*field)(const RecRec&);
    long long expected;
    Value after;
};

TEST(SettingsStoreLoad, StoredValuesChecksAndReplacements) {
    const StoredValueCase cases[] = {
        {"display mode 3 survives", "Algemeen", "Weergave", Value::Integer(3),
         [](const RecRec& r) -> long long { return r.Weergave; }, 3, Value::Integer(3)},
        {"display mode 4 becomes 1 in memory only", "Algemeen", "Weergave", Value::Integer(4),
         [](const RecRec& r) -> long long { return r.Weergave; }, 1, Value::Integer(4)},
        {"display mode beyond a byte is replaced", "Algemeen", "Weergave",
         Value::Integer(0xFFFFFFFFu), [](const RecRec& r) -> long long { return r.Weergave; }, 1,
         Value::Integer(1)},
        {"from-slot 0 becomes 2", "Algemeen", "DefaultVanMunt", Value::Integer(0),
         [](const RecRec& r) -> long long { return r.DefaultVanMunt; }, 2, Value::Integer(0)},
        {"from-slot 22 stays", "Algemeen", "DefaultVanMunt", Value::Integer(22),
         [](const RecRec& r) -> long long { return r.DefaultVanMunt; }, 22, Value::Integer(22)},
        {"from-slot 23 becomes 2", "Algemeen", "DefaultVanMunt", Value::Integer(23),
         [](const RecRec& r) -> long long { return r.DefaultVanMunt; }, 2, Value::Integer(23)},
        {"to-slot 23 becomes 1", "Algemeen", "DefaultNaarMunt", Value::Integer(23),
         [](const RecRec& r) -> long long { return r.DefaultNaarMunt; }, 1, Value::Integer(23)},
        {"to-slot 1 stays", "Algemeen", "DefaultNaarMunt", Value::Integer(1),
         [](const RecRec& r) -> long long { return r.DefaultNaarMunt; }, 1, Value::Integer(1)},
        {"to-slot 256 would wrap to 0: replaced by 1", "Algemeen", "DefaultNaarMunt",
         Value::Integer(256), [](const RecRec& r) -> long long { return r.DefaultNaarMunt; }, 1,
         Value::Integer(1)},
        {"language 2 stays", "Algemeen", "Taal", Value::Integer(2),
         [](const RecRec& r) -> long long { return r.Taal; }, 2, Value::Integer(2)},
        {"language 4 becomes Dutch", "Algemeen", "Taal", Value::Integer(4),
         [](const RecRec& r) -> long long { return r.Taal; }, 0, Value::Integer(4)},
        {"decimals 300 replaced by the default", "Decimalen", "Decimalen1", Value::Integer(300),
         [](const RecRec& r) -> long long { return r.Decimalen[1]; }, 2, Value::Integer(2)},
        {"decimals 255 not checked", "Decimalen", "Decimalen1", Value::Integer(255),
         [](const RecRec& r) -> long long { return r.Decimalen[1]; }, 255, Value::Integer(255)},
        {"list view 7 not checked", "Algemeen", "Lijst", Value::Integer(7),
         [](const RecRec& r) -> long long { return r.Lijst; }, 7, Value::Integer(7)},
        {"list view as text replaced", "Algemeen", "Lijst", Value::Text("2"),
         [](const RecRec& r) -> long long { return r.Lijst; }, 2, Value::Integer(2)},
        {"shown flag as text replaced by true", "Decimalen", "Geselecteerd5", Value::Text("1"),
         [](const RecRec& r) -> long long { return r.Geselecteerd[5]; }, 1, Value::Integer(1)},
        {"shown flag 0 read", "Decimalen", "Geselecteerd5", Value::Integer(0),
         [](const RecRec& r) -> long long { return r.Geselecteerd[5]; }, 0, Value::Integer(0)},
        {"flag column 2 replaced by true", "Algemeen", "KolomVlag", Value::Integer(2),
         [](const RecRec& r) -> long long { return r.KolomVlag; }, 1, Value::Integer(1)},
        {"system colour kept whole", "Algemeen", "KleurEU", Value::Integer(0x80000005u),
         [](const RecRec& r) -> long long { return r.KleurEU; }, 0x80000005LL,
         Value::Integer(0x80000005u)},
        {"user rate read as double", "Koers", "USD", DoubleValue(1.1),
         [](const RecRec& r) -> long long { return r.Koers[19] == 1.1 ? 1 : 0; }, 1,
         DoubleValue(1.1)},
        {"user rate of 7 bytes replaced", "Koers", "CHF", Value::Binary({1, 2, 3, 4, 5, 6, 7}),
         [](const RecRec& r) -> long long { return r.Koers[18] == 1.54L ? 1 : 0; }, 1,
         DoubleValue(1.54)},
        {"user rate 0 replaced", "Koers", "GBP", DoubleValue(0),
         [](const RecRec& r) -> long long { return r.Koers[13] == 0.62L ? 1 : 0; }, 1,
         DoubleValue(0.62)},
        {"negative user rate replaced", "Koers", "Eigen2", DoubleValue(-2),
         [](const RecRec& r) -> long long { return r.Koers[22] == 1 ? 1 : 0; }, 1, DoubleValue(1)},
        {"user rate -0 replaced", "Koers", "JPY", DoubleValue(-0.0),
         [](const RecRec& r) -> long long { return r.Koers[20] == 110.37L ? 1 : 0; }, 1,
         DoubleValue(110.37)},
        {"smallest positive user rate kept", "Koers", "SEK", DoubleValue(5e-324),
         [](const RecRec& r) -> long long { return r.Koers[14] > 0 ? 1 : 0; }, 1,
         DoubleValue(5e-324)},
    };
    for (const StoredValueCase& c : cases) {
        SCOPED_TRACE(c.what);
        MemoryRegistry registry;
        registry.Put(kRoot + c.subkey, c.name, c.before);
        RecRec rec;
        Load(rec, registry, Environment(1));
        EXPECT_EQ(c.field(rec), c.expected);
        EXPECT_EQ(registry.Get(kRoot + c.subkey, c.name), c.after);
    }
}

TEST(SettingsStoreLoad, NegativePositionIsReturned) {
    MemoryRegistry registry;
    registry.Put(kRoot + "Positie", "Links", Value::Integer(0xFFFFFFF6u));
    RecRec rec;
    EXPECT_EQ(Load(rec, registry, Environment(1)).position.left, -10);
    EXPECT_EQ(registry.Get(kRoot + "Positie", "Links"), Value::Integer(0xFFFFFFF6u));
}

// Every stored field, compared one by one.
void ExpectStoredFieldsEqual(const RecRec& a, const RecRec& b) {
    for (int n = 1; n <= 22; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(a.Decimalen[n], b.Decimalen[n]);
        EXPECT_EQ(a.Geselecteerd[n], b.Geselecteerd[n]);
        EXPECT_EQ(a.SymboolVooraan[n], b.SymboolVooraan[n]);
        EXPECT_EQ(a.Koers[n], b.Koers[n]);
    }
    EXPECT_EQ(a.Weergave, b.Weergave);
    EXPECT_EQ(a.Taal, b.Taal);
    EXPECT_EQ(a.DefaultVanMunt, b.DefaultVanMunt);
    EXPECT_EQ(a.DefaultNaarMunt, b.DefaultNaarMunt);
    EXPECT_EQ(a.Lijst, b.Lijst);
    EXPECT_EQ(a.SysteemLade, b.SysteemLade);
    EXPECT_EQ(a.Minimalizeren, b.Minimalizeren);
    EXPECT_EQ(a.Letters, b.Letters);
    EXPECT_EQ(a.KoersenURL, b.KoersenURL);
    EXPECT_EQ(a.KoersDatum, b.KoersDatum);
    EXPECT_EQ(a.KoersenBijStart, b.KoersenBijStart);
    EXPECT_EQ(a.KolomVlag, b.KolomVlag);
    EXPECT_EQ(a.KolomMunt, b.KolomMunt);
    EXPECT_EQ(a.KolomMunteenheid, b.KolomMunteenheid);
    EXPECT_EQ(a.KolomSymbool, b.KolomSymbool);
    EXPECT_EQ(a.KleurEuro, b.KleurEuro);
    EXPECT_EQ(a.KleurEU, b.KleurEU);
    EXPECT_EQ(a.KleurEuropa, b.KleurEuropa);
    EXPECT_EQ(a.KleurWereld, b.KleurWereld);
    EXPECT_EQ(a.EigenMunt1, b.EigenMunt1);
    EXPECT_EQ(a.EigenMunteenheid1, b.EigenMunteenheid1);
    EXPECT_EQ(a.EigenSymbool1, b.EigenSymbool1);
    EXPECT_EQ(a.EigenBitmap1, b.EigenBitmap1);
    EXPECT_EQ(a.EigenMunt2, b.EigenMunt2);
    EXPECT_EQ(a.EigenMunteenheid2, b.EigenMunteenheid2);
    EXPECT_EQ(a.EigenSymbool2, b.EigenSymbool2);
    EXPECT_EQ(a.EigenBitmap2, b.EigenBitmap2);
}

TEST(SettingsStoreRoundTrip, ChangedRecordIsRestored) {
    MemoryRegistry registry;
    RecRec changed;
    Load(changed, registry, Environment(1));
    for (int n = 1; n <= 22; ++n) {
        changed.Decimalen[n] = static_cast<std::uint8_t>(n + 3);
        changed.Geselecteerd[n] = !changed.Geselecteerd[n];
        changed.SymboolVooraan[n] = n % 3 == 0;
    }
    const long double rates[] = {1.1L, 10.5L, 7.0L, 0.125L, 1e-7L, 123456.789L, 150.0L, 2.5L, 1e9L};
    const int rateSlots[] = {13, 14, 15, 17, 18, 19, 20, 21, 22};
    for (int i = 0; i < 9; ++i) changed.Koers[rateSlots[i]] = rates[i];
    changed.Weergave = 3;
    changed.Taal = 2;
    changed.DefaultVanMunt = 20;
    changed.DefaultNaarMunt = 21;
    changed.Lijst = 1;
    changed.SysteemLade = false;
    changed.Minimalizeren = true;
    changed.Letters = "";
    changed.KoersenURL = "C:\\Koersen\\eurofxref-daily.xml";
    changed.KoersDatum = "2026-12-04";
    changed.KoersenBijStart = true;
    changed.KolomVlag = false;
    changed.KolomMunt = false;
    changed.KolomMunteenheid = false;
    changed.KolomSymbool = false;
    changed.KleurEuro = MakeColour(1, 2, 3);
    changed.KleurEU = 0x80000008u;  // a system colour
    changed.KleurEuropa = MakeColour(0xFF, 0xFF, 0xFF);
    changed.KleurWereld = MakeColour(0x12, 0x34, 0x56);
    changed.EigenMunt1 = "\xE2\x82\xAC-munt";  // €
    changed.EigenMunteenheid1 = "XEU";
    changed.EigenSymbool1 = "\xE2\x82\xAC";
    changed.EigenBitmap1 = "/no/such/dir/own1.bmp";
    changed.EigenMunt2 =
        "\xC5\xBD"
        "eton";  // Ž
    changed.EigenMunteenheid2 = "ZZZ";
    changed.EigenSymbool2 = "\xC5\xBD";
    changed.EigenBitmap2 = "";
    ASSERT_TRUE(SaveSettings(changed, registry, {.top = -7, .left = 1234}));

    RecRec loaded;
    const LoadResult result = Load(loaded, registry, Environment(0));
    // Rates come back with double precision.
    for (int i = 0; i < 9; ++i) {
        changed.Koers[rateSlots[i]] = static_cast<double>(rates[i]);
    }
    ExpectStoredFieldsEqual(loaded, changed);
    EXPECT_EQ(result.position.top, -7);
    EXPECT_EQ(result.position.left, 1234);
    // The own currencies were applied from the loaded texts.
    EXPECT_EQ(loaded.Munt[21][1], "\xE2\x82\xAC-munt");
    EXPECT_EQ(loaded.Symbool[22], "\xC5\xBD");
}

TEST(SettingsStoreLoad, KeysThatCannotBeWrittenStillGiveTheDefaults) {
    // The keys exist but a policy made them read-only, so no default can be written back.
    MemoryRegistry locked;
    for (const char* subkey : {"Decimalen", "Koers", "Algemeen", "EigenMunten", "Positie"}) {
        locked.Put(kRoot + subkey, "Other", Value::Integer(1));
    }
    locked.SetReadOnly(true);
    RecRec loaded;
    const LoadResult lockedResult = Load(loaded, locked, Environment(2));
    MemoryRegistry fresh;
    RecRec defaults;
    const LoadResult freshResult = Load(defaults, fresh, Environment(2));
    ExpectStoredFieldsEqual(loaded, defaults);
    EXPECT_EQ(loaded.Decimalen[1], 2);
    EXPECT_EQ(loaded.Letters, "VL");
    EXPECT_EQ(lockedResult.position.top, freshResult.position.top);
    EXPECT_EQ(lockedResult.position.left, freshResult.position.left);
}

TEST(SettingsStoreSave, ListViewIsStoredAsTwoOrOne) {
    const std::pair<int, std::uint32_t> cases[] = {{2, 2}, {1, 1}, {0, 1}, {7, 1}, {255, 1}};
    for (const auto& [inMemory, stored] : cases) {
        MemoryRegistry registry;
        RecRec rec;
        rec.Lijst = static_cast<std::uint8_t>(inMemory);
        ASSERT_TRUE(SaveSettings(rec, registry, {}));
        EXPECT_EQ(registry.Get(kRoot + "Algemeen", "Lijst"), Value::Integer(stored)) << inMemory;
    }
}

TEST(SettingsStoreSave, VersionIsRewrittenLastWhateverItHeld) {
    for (const Value& before : {Value::Text("1.0"), Value::Integer(5), Value::Text("")}) {
        MemoryRegistry registry;
        registry.Put(kRoot + "Algemeen", "Versie", before);
        RecRec rec;
        const LoadResult result = Load(rec, registry, Environment(1));
        EXPECT_EQ(registry.Get(kRoot + "Algemeen", "Versie"), before) << "loading never reads it";
        ASSERT_TRUE(SaveSettings(rec, registry, result.position));
        EXPECT_EQ(registry.Get(kRoot + "Algemeen", "Versie"), Value::Text("2.8"));
    }
    MemoryRegistry fresh;
    ASSERT_TRUE(SaveSettings(RecRec{}, fresh, {}));
    const auto names = fresh.ValueNames(kRoot + "Algemeen");
    ASSERT_EQ(names.size(), 19u);
    EXPECT_EQ(names.back(), "Versie");
}

TEST(SettingsStoreSave, ReadOnlyRegistryReportsFailureAndChangesNothing) {
    MemoryRegistry registry;
    RecRec rec;
    Load(rec, registry, Environment(1));
    rec.Weergave = 0;
    registry.SetReadOnly(true);
    EXPECT_FALSE(SaveSettings(rec, registry, {}));
    EXPECT_EQ(registry.Get(kRoot + "Algemeen", "Weergave"), Value::Integer(1));

    MemoryRegistry empty;
    empty.SetReadOnly(true);
    EXPECT_FALSE(SaveSettings(rec, empty, {}));
    EXPECT_FALSE(empty.KeyExists("Software"));
}

// A registry whose writes of one value name fail.
class OneFailingName : public Registry {
  public:
    OneFailingName(MemoryRegistry& inner, std::string failing)
        : inner_(inner), failing_(std::move(failing)) {}
    std::unique_ptr<RegistryKey> NewKey() override {
        return std::make_unique<Key>(inner_.NewKey(), failing_);
    }

  private:
    class Key : public RegistryKey {
      public:
        Key(std::unique_ptr<RegistryKey> inner, std::string failing)
            : inner_(std::move(inner)), failing_(std::move(failing)) {}
        bool OpenKey(std::string_view p, bool c) override { return inner_->OpenKey(p, c); }
        void CloseKey() override { inner_->CloseKey(); }
        bool DeleteKey(std::string_view p) override { return inner_->DeleteKey(p); }
        RegKind ValueKind(std::string_view n) const override { return inner_->ValueKind(n); }
        std::optional<std::string> ReadText(std::string_view n) const override {
            return inner_->ReadText(n);
        }
        std::optional<std::uint32_t> ReadInteger(std::string_view n) const override {
            return inner_->ReadInteger(n);
        }
        std::optional<std::vector<std::uint8_t>> ReadBinary(std::string_view n) const override {
            return inner_->ReadBinary(n);
        }
        bool WriteText(std::string_view n, std::string_view v) override {
            return n != failing_ && inner_->WriteText(n, v);
        }
        bool WriteInteger(std::string_view n, std::uint32_t v) override {
            return n != failing_ && inner_->WriteInteger(n, v);
        }
        bool WriteBinary(std::string_view n, const std::vector<std::uint8_t>& v) override {
            return n != failing_ && inner_->WriteBinary(n, v);
        }

      private:
        std::unique_ptr<RegistryKey> inner_;
        std::string failing_;
    };

    MemoryRegistry& inner_;
    std::string failing_;
};

TEST(SettingsStoreSave, OneFailedWriteDoesNotStopTheOthers) {
    for (const char* failing : {"Decimalen1", "USD", "Letters", "EigenBitmap2", "Links"}) {
        SCOPED_TRACE(failing);
        MemoryRegistry memory;
        OneFailingName registry(memory, failing);
        RecRec rec;
        rec.KleurWereld = MakeColour(9, 9, 9);
        EXPECT_FALSE(SaveSettings(rec, registry, {.top = 5, .left = 6}));
        std::size_t total = 0;
        for (const char* subkey : {"Decimalen", "Koers", "Algemeen", "EigenMunten", "Positie"}) {
            total += memory.ValueNames(kRoot + subkey).size();
        }
        EXPECT_EQ(total, 66u + 10u + 19u + 8u + 2u - 1u);
        EXPECT_EQ(memory.Get(kRoot + "Algemeen", "KleurWereld"), Value::Integer(0x090909));
        EXPECT_EQ(memory.Get(kRoot + "Positie", "Boven"), Value::Integer(5));
    }
}

TEST(SettingsStoreLegacyKey, DeletesOnlyTheOldKey) {
    MemoryRegistry registry;
    registry.Put("SoftWare\\Valomat", "Old", Value::Integer(1));
    registry.Put("SoftWare\\Valomat\\Algemeen", "Taal", Value::Integer(1));
    registry.Put(kRoot + "Algemeen", "Taal", Value::Integer(2));
    DeleteLegacyKey(registry);
    EXPECT_FALSE(registry.KeyExists("Software\\Valomat"));
    EXPECT_EQ(registry.Get(kRoot + "Algemeen", "Taal"), Value::Integer(2));

    MemoryRegistry empty;
    DeleteLegacyKey(empty);  // nothing to delete: the software key is made, no more
    EXPECT_TRUE(empty.KeyExists("Software"));
    EXPECT_FALSE(empty.KeyExists("Software\\Valomat"));
}

}  // namespace
