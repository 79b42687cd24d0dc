// Loading and saving the settings record: one table of every stored value, walked by one
// loader and one saver.
#include "core/SettingsStore.h"

#include <exception>
#include <string>
#include <variant>
#include <vector>

namespace {

// ---- the settings table ----

// An integer that must fit a byte field.
struct ByteSetting {
    std::uint8_t* field;
    int def;
    bool listOrCompact = false;  // stored as 2 (list view) or 1 (anything else: compact view)
};
struct BoolSetting {
    bool* field;
    bool def;
};
struct RateSetting {
    long double* field;
    long double def;
};
struct TextSetting {
    std::string* field;
    std::string def;
};
struct ColourSetting {
    Colour* field;
    Colour def;
};
struct IntSetting {
    int* field;
    int def;
};
// Written at every save, never read.
struct FixedText {
    const char* value;
};

using Setting = std::variant<ByteSetting, BoolSetting, RateSetting, TextSetting, ColourSetting,
                             IntSetting, FixedText>;

struct NamedSetting {
    std::string name;
    Setting setting;
};

struct SettingsGroup {
    const char* subkey;
    std::vector<NamedSetting> values;
};

struct RateName {
    const char* name;
    int slot;
};
constexpr RateName kUserRates[] = {{"GBP", 13}, {"SEK", 14},    {"DKK", 15},
                                   {"NOK", 17}, {"CHF", 18},    {"USD", 19},
                                   {"JPY", 20}, {"Eigen1", 21}, {"Eigen2", 22}};

std::string Numbered(const char* name, int n) {
    return name + std::to_string(n);
}

// Every value of the record, group by group in the order of loading and saving.
std::vector<SettingsGroup> RecordGroups(RecRec& rec, int defaultLanguage) {
    std::vector<SettingsGroup> groups;

    SettingsGroup& decimals = groups.emplace_back(SettingsGroup{"Decimalen", {}});
    for (int n = 1; n <= kSlotCount; ++n) {
        decimals.values.push_back(
            {Numbered("Decimalen", n), ByteSetting{&rec.Decimalen[n], DefaultDecimals(n)}});
    }
    for (int n = 1; n <= kSlotCount; ++n) {
        decimals.values.push_back(
            {Numbered("Geselecteerd", n), BoolSetting{&rec.Geselecteerd[n], DefaultSelected(n)}});
    }
    for (int n = 1; n <= kSlotCount; ++n) {
        decimals.values.push_back({Numbered("SymboolVooraan", n),
                                   BoolSetting{&rec.SymboolVooraan[n], DefaultSymbolBefore(n)}});
    }

    SettingsGroup& rates = groups.emplace_back(SettingsGroup{"Koers", {}});
    for (const auto& [name, slot] : kUserRates) {
        rates.values.push_back({name, RateSetting{&rec.Koers[slot], DefaultRate(slot)}});
    }
    rates.values.push_back({"KoersDatum", TextSetting{&rec.KoersDatum, ""}});

    groups.push_back(
        {"Algemeen",
         {
             {"Weergave", ByteSetting{&rec.Weergave, 1}},
             {"Taal", ByteSetting{&rec.Taal, defaultLanguage}},
             {"DefaultVanMunt", ByteSetting{&rec.DefaultVanMunt, 2}},
             {"DefaultNaarMunt", ByteSetting{&rec.DefaultNaarMunt, 1}},
             {"Lijst", ByteSetting{&rec.Lijst, 2, true}},
             {"SysteemLade", BoolSetting{&rec.SysteemLade, true}},
             {"Minimalizeren", BoolSetting{&rec.Minimalizeren, false}},
             {"Letters", TextSetting{&rec.Letters, "VL"}},
             {"KolomVlag", BoolSetting{&rec.KolomVlag, true}},
             {"KolomMunt", BoolSetting{&rec.KolomMunt, true}},
             {"KolomMunteenheid", BoolSetting{&rec.KolomMunteenheid, true}},
             {"KolomSymbool", BoolSetting{&rec.KolomSymbool, true}},
             {"KleurEuro", ColourSetting{&rec.KleurEuro, MakeColour(0, 0, 0x80)}},
             {"KleurEU", ColourSetting{&rec.KleurEU, MakeColour(0x80, 0, 0)}},
             {"KleurEuropa", ColourSetting{&rec.KleurEuropa, MakeColour(0x80, 0, 0x80)}},
             {"KleurWereld", ColourSetting{&rec.KleurWereld, MakeColour(0, 0, 0)}},
             {"KoersenURL", TextSetting{&rec.KoersenURL, kEcbDailyAddress}},
             {"KoersenBijStart", BoolSetting{&rec.KoersenBijStart, false}},
             {"Versie", FixedText{kVersionText}},
         }});

    groups.push_back({"EigenMunten",
                      {
                          {"EigenMunt1", TextSetting{&rec.EigenMunt1, ""}},
                          {"EigenMunteenheid1", TextSetting{&rec.EigenMunteenheid1, ""}},
                          {"EigenSymbool1", TextSetting{&rec.EigenSymbool1, ""}},
                          {"EigenBitmap1", TextSetting{&rec.EigenBitmap1, ""}},
                          {"EigenMunt2", TextSetting{&rec.EigenMunt2, ""}},
                          {"EigenMunteenheid2", TextSetting{&rec.EigenMunteenheid2, ""}},
                          {"EigenSymbool2", TextSetting{&rec.EigenSymbool2, ""}},
                          {"EigenBitmap2", TextSetting{&rec.EigenBitmap2, ""}},
                      }});
    return groups;
}

// The main window's place, read after the record is complete.
SettingsGroup PositionGroup(WindowPosition& position, WindowPosition def) {
    return {"Positie",
            {
                {"Boven", IntSetting{&position.top, def.top}},
                {"Links", IntSetting{&position.left, def.left}},
            }};
}

// ---- loading and saving one group ----

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

// Like ReadIntegerDef, but a number that does not fit the byte counts as missing.
std::uint8_t ReadByteDef(RegistryKey& reg, const std::string& name, int def) {
    if (reg.ValueKind(name) == RegKind::Integer) {
        const auto number = reg.ReadInteger(name);
        if (number && *number <= 0xFF) return static_cast<std::uint8_t>(*number);
    }
    reg.WriteInteger(name, static_cast<std::uint32_t>(def));
    return static_cast<std::uint8_t>(def);
}

// Like ReadFloatDef, but a rate of 0 or below counts as missing: it would make every
// conversion from or to its currency 0 or negative.
long double ReadRateDef(RegistryKey& reg, const std::string& name, long double def) {
    const long double rate = ReadFloatDef(reg, name, def);
    if (rate > 0) return rate;
    WriteFloat(reg, name, def);
    return def;
}

// A fresh registry object on the group's key; null when the key cannot be opened, so that
// nothing is read from or written to whatever key the object got stuck on.
std::unique_ptr<RegistryKey> OpenGroupKey(Registry& registry, const char* subkey) {
    auto reg = registry.NewKey();
    if (!reg) return nullptr;
    OpenSoftwareKey(*reg, kSettingsPath);
    if (!reg->OpenKey(subkey, true)) return nullptr;
    return reg;
}

void LoadGroup(Registry& registry, const SettingsGroup& group) {
    const auto reg = OpenGroupKey(registry, group.subkey);
    for (const NamedSetting& value : group.values) {
        const std::string& name = value.name;
        const Setting& setting = value.setting;
        if (!reg) {
            // The key is out of reach: use the built-in defaults.
            std::visit(Overloaded{[](const ByteSetting& s) {
                                      *s.field = static_cast<std::uint8_t>(s.def);
                                  },
                                  [](const FixedText&) {}, [](const auto& s) { *s.field = s.def; }},
                       setting);
            continue;
        }
        std::visit(Overloaded{
                       [&](const ByteSetting& s) { *s.field = ReadByteDef(*reg, name, s.def); },
                       [&](const BoolSetting& s) { *s.field = ReadBoolDef(*reg, name, s.def); },
                       [&](const RateSetting& s) { *s.field = ReadRateDef(*reg, name, s.def); },
                       [&](const TextSetting& s) { *s.field = ReadStringDef(*reg, name, s.def); },
                       // Colours keep all 32 bits: system-colour codes have the high bit set.
                       [&](const ColourSetting& s) {
                           *s.field = static_cast<Colour>(
                               ReadIntegerDef(*reg, name, static_cast<std::int32_t>(s.def)));
                       },
                       [&](const IntSetting& s) { *s.field = ReadIntegerDef(*reg, name, s.def); },
                       [](const FixedText&) {},
                   },
                   setting);
    }
}

bool SaveGroup(Registry& registry, const SettingsGroup& group) {
    const auto reg = OpenGroupKey(registry, group.subkey);
    if (!reg) return false;
    bool allWritten = true;
    for (const NamedSetting& value : group.values) {
        const std::string& name = value.name;
        const Setting& setting = value.setting;
        allWritten &= std::visit(
            Overloaded{
                [&](const ByteSetting& s) {
                    const int stored = s.listOrCompact ? (*s.field == 2 ? 2 : 1) : *s.field;
                    return reg->WriteInteger(name, static_cast<std::uint32_t>(stored));
                },
                [&](const BoolSetting& s) { return WriteBool(*reg, name, *s.field); },
                [&](const RateSetting& s) { return WriteFloat(*reg, name, *s.field); },
                [&](const TextSetting& s) { return reg->WriteText(name, *s.field); },
                [&](const ColourSetting& s) { return reg->WriteInteger(name, *s.field); },
                [&](const IntSetting& s) {
                    return reg->WriteInteger(name, static_cast<std::uint32_t>(*s.field));
                },
                [&](const FixedText& s) { return reg->WriteText(name, s.value); },
            },
            setting);
    }
    return allWritten;
}

void CorrectOutOfRange(RecRec& rec) {
    if (rec.DefaultVanMunt < 1 || rec.DefaultVanMunt > kSlotCount) rec.DefaultVanMunt = 2;
    if (rec.DefaultNaarMunt < 1 || rec.DefaultNaarMunt > kSlotCount) rec.DefaultNaarMunt = 1;
    if (rec.Weergave > 3) rec.Weergave = 1;
    if (rec.Taal > 2) rec.Taal = 0;
}

}  // namespace

LoadResult LoadSettings(RecRec& rec, Registry& registry, const SettingsEnvironment& env,
                        OwnPictures& pictures) {
    InitCurrencyTable(rec);
    for (const auto& group : RecordGroups(rec, env.localeLanguage)) LoadGroup(registry, group);

    LoadResult result;
    result.pictures = ApplyOwnCurrencies(rec, pictures);
    CorrectOutOfRange(rec);

    const WindowPosition centred{.top = (env.screenHeight - env.windowHeight) / 2,
                                 .left = (env.screenWidth - env.windowWidth) / 2};
    LoadGroup(registry, PositionGroup(result.position, centred));
    return result;
}

bool SaveSettings(const RecRec& rec, Registry& registry, WindowPosition position) {
    // The table points into a record; saving only reads through it, so a copy serves.
    try {
        RecRec copy = rec;
        bool allWritten = true;
        for (const auto& group : RecordGroups(copy, 0)) allWritten &= SaveGroup(registry, group);
        allWritten &= SaveGroup(registry, PositionGroup(position, position));
        return allWritten;
    } catch (const std::exception&) {
        // The program is closing: a registry that throws must not stop it.
        return false;
    }
}

void DeleteLegacyKey(Registry& registry) {
    const auto reg = registry.NewKey();
    if (!reg) return;
    if (reg->OpenKey("\\SoftWare", true)) reg->DeleteKey("Valomat");
}
