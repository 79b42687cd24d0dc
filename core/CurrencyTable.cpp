// The built-in currency table, the lookups on it and the two own currencies.
#include "core/CurrencyTable.h"

#include <array>
#include <exception>
#include <new>
#include <optional>
#include <stdexcept>
#include <system_error>

namespace {

struct SlotDefinition {
    const char* code;
    const char* symbol;
    std::array<const char*, 3> names;  // Dutch, English, French
    long double rate;                  // the fixed rate, or the default of a user rate
    bool fixed;
    std::uint8_t decimals;
};

// Indexed by slot - 1. The own currencies (21, 22) get their texts from the settings.
constexpr std::array<SlotDefinition, kSlotCount> kSlots{{
    {"EURO", "€", {"euro", "euro", "euro"}, 1.0L, true, 2},
    {"BEF", "BF", {"frank", "franc", "franc"}, 40.3399L, true, 0},
    {"NLG", "f.", {"gulden", "guilder", "florin"}, 2.20371L, true, 2},
    {"LUF", "LF", {"frank", "franc", "franc"}, 40.3399L, true, 0},
    {"FRF", "F", {"frank", "franc", "franc"}, 6.55957L, true, 2},
    {"DEM", "DM", {"mark", "mark", "mark"}, 1.95583L, true, 2},
    {"ITL", "Lit", {"lire", "lire", "lire"}, 1936.27L, true, 0},
    {"PTE", "Esc", {"escudo", "escudo", "escudo"}, 200.482L, true, 0},
    {"ESP", "Ptas", {"peseta", "peseta", "peseta"}, 166.386L, true, 2},
    {"ATS", "S", {"shilling", "shilling", "shilling"}, 13.7603L, true, 2},
    {"FIM", "mk", {"mark", "mark", "mark"}, 5.94573L, true, 2},
    {"IEP", "IR£", {"pond", "pound", "livre"}, 0.787564L, true, 2},
    {"GBP", "£", {"pond", "pound", "livre"}, 0.62L, false, 2},
    {"SEK", "Sk", {"kroon", "krone", "couronne"}, 9.09L, false, 2},
    {"DKK", "Dkr", {"kroon", "krone", "couronne"}, 7.46L, false, 2},
    {"GRD", "Dr", {"drachme", "drachma", "drachme"}, 340.75L, true, 2},
    {"NOK", "Nkr", {"kroon", "krone", "couronne"}, 8.09L, false, 2},
    {"CHF", "SFr", {"frank", "franc", "franc"}, 1.54L, false, 2},
    {"USD", "$", {"dollar", "dollar", "dollar"}, 0.89L, false, 2},
    {"JPY", "¥", {"yen", "yen", "yen"}, 110.37L, false, 2},
    {"", "", {"", "", ""}, 1.0L, false, 2},
    {"", "", {"", "", ""}, 1.0L, false, 2},
}};

constexpr int kOwnSlot1 = 21;
constexpr int kOwnSlot2 = 22;

const SlotDefinition* Definition(int slot) {
    if (slot < 1 || slot > kSlotCount) return nullptr;
    return &kSlots[static_cast<std::size_t>(slot - 1)];
}

void ApplyOwnTexts(RecRec& rec, int slot, const std::string& name, const std::string& code,
                   const std::string& symbol) {
    rec.Munteenheid[slot] = code;
    rec.Symbool[slot] = symbol;
    rec.Munt[slot] = {name, name, name, ""};
}

// The picture file named by the setting, when one exists. A path the file system cannot take
// (invalid text, access denied) counts as no file.
std::optional<std::filesystem::path> ExistingFile(const std::string& text) {
    if (text.empty()) return std::nullopt;
    try {
        std::filesystem::path path = PathFromUtf8(text);
        std::error_code error;
        if (!std::filesystem::exists(path, error) || error) return std::nullopt;
        if (std::filesystem::is_directory(path, error) || error) return std::nullopt;
        return path;
    } catch (const std::exception&) {
        return std::nullopt;  // conversion of the text to a native path failed
    }
}

// Loads one own picture; false when the file exists but is not a readable bitmap.
bool LoadOwnPicture(const std::string& pathText, Picture& picture) {
    if (!OwnPictureFileExists(pathText)) return true;  // no file: the picture stays what it was
    const std::optional<Picture> source = ReadOwnPictureFile(pathText);
    if (!source) {
        picture = Picture{};
        return false;
    }
    picture = FitOwnPicture(*source);
    return true;
}

}  // namespace

ColourClass SlotColourClass(int slot) {
    if (slot < 13 || slot == 16) return ColourClass::Euro;
    if (slot <= 16) return ColourClass::EU;
    if (slot > 18) return ColourClass::World;
    return ColourClass::Europe;
}

Colour SlotColour(const RecRec& rec, int slot) {
    switch (SlotColourClass(slot)) {
        case ColourClass::Euro:
            return rec.KleurEuro;
        case ColourClass::EU:
            return rec.KleurEU;
        case ColourClass::Europe:
            return rec.KleurEuropa;
        case ColourClass::World:
            break;
    }
    return rec.KleurWereld;
}

std::string SlotCaption(const RecRec& rec, int slot, int language) {
    const bool known = language >= 0 && language < kLanguageCount;
    const std::string& name = known ? rec.Munt[slot][static_cast<std::size_t>(language)] : "";
    return name + " (" + rec.Munteenheid[slot] + "," + rec.Symbool[slot] + ")";
}

bool IsFixedRate(int slot) {
    const SlotDefinition* d = Definition(slot);
    return d != nullptr && d->fixed;
}

std::uint8_t DefaultDecimals(int slot) {
    const SlotDefinition* d = Definition(slot);
    return d != nullptr ? d->decimals : 2;
}

bool DefaultSelected(int slot) {
    return IsFixedRate(slot);
}

bool DefaultSymbolBefore(int slot) {
    return slot == 1;
}

long double DefaultRate(int slot) {
    const SlotDefinition* d = Definition(slot);
    return d != nullptr ? d->rate : 1.0L;
}

void InitCurrencyTable(RecRec& rec) {
    for (int slot = 1; slot < kOwnSlot1; ++slot) {
        const SlotDefinition& d = *Definition(slot);
        rec.Munteenheid[slot] = d.code;
        rec.Symbool[slot] = d.symbol;
        rec.Munt[slot] = {d.names[0], d.names[1], d.names[2], ""};
        if (d.fixed) rec.Koers[slot] = d.rate;
    }
}

void SetOwnCurrency(RecRec& rec, int k, const std::string& name, const std::string& code,
                    const std::string& symbol) {
    if (k != 1 && k != 2) return;
    (k == 1 ? rec.EigenMunt1 : rec.EigenMunt2) = name;
    (k == 1 ? rec.EigenMunteenheid1 : rec.EigenMunteenheid2) = code;
    (k == 1 ? rec.EigenSymbool1 : rec.EigenSymbool2) = symbol;
    ApplyOwnTexts(rec, kOwnSlot1 - 1 + k, name, code, symbol);
}

bool OwnPictureFileExists(const std::string& pathText) {
    return ExistingFile(pathText).has_value();
}

std::optional<Picture> ReadOwnPictureFile(const std::string& pathText) {
    const std::optional<std::filesystem::path> path = ExistingFile(pathText);
    if (!path) return std::nullopt;
    try {
        return ReadBitmapFile(*path);
    } catch (const std::bad_alloc&) {
        return std::nullopt;  // a bitmap within the size limits that memory cannot hold
    } catch (const std::length_error&) {
        return std::nullopt;
    }
}

Picture FitOwnPicture(const Picture& source) {
    if (source.Empty()) return Picture(kOwnPictureSize, kOwnPictureSize);
    const Colour bottomLeft = source.At(0, source.height - 1);
    return FitBitmap(source, kOwnPictureSize, kOwnPictureSize, true, bottomLeft);
}

OwnPictureStatus ApplyOwnCurrencies(RecRec& rec, OwnPictures& pictures) {
    ApplyOwnTexts(rec, kOwnSlot1, rec.EigenMunt1, rec.EigenMunteenheid1, rec.EigenSymbool1);
    ApplyOwnTexts(rec, kOwnSlot2, rec.EigenMunt2, rec.EigenMunteenheid2, rec.EigenSymbool2);
    OwnPictureStatus status;
    status.unreadable1 = !LoadOwnPicture(rec.EigenBitmap1, pictures.own1);
    status.unreadable2 = !LoadOwnPicture(rec.EigenBitmap2, pictures.own2);
    return status;
}
