// The table of the twenty-two currency slots and the lookups every window uses.
#pragma once

#include <string>

#include "core/RecRec.h"
#include "util/Text.h"
#include "util/zt_Graph.h"

enum class ColourClass { Euro, EU, Europe, World };

ColourClass SlotColourClass(int slot);
Colour SlotColour(const RecRec& rec, int slot);
// name (language) + " (" + code + "," + symbol + ")"
std::string SlotCaption(const RecRec& rec, int slot, int language);

bool IsFixedRate(int slot);  // the euro and the legacy currencies: 1..12 and 16

// Built-in defaults that apply when the registry holds no value.
std::uint8_t DefaultDecimals(int slot);
bool DefaultSelected(int slot);
bool DefaultSymbolBefore(int slot);
long double DefaultRate(int slot);  // the fixed rate, or the default of a user rate

// Writes the built-in codes, symbols, names and fixed rates; leaves every stored setting alone.
void InitCurrencyTable(RecRec& rec);

// The own currencies' pictures (the main window's ImageOwn1 and ImageOwn2).
struct OwnPictures {
    Picture own1;
    Picture own2;
};

// What ApplyOwnCurrencies found: a picture file that exists but is not a readable bitmap.
struct OwnPictureStatus {
    bool unreadable1 = false;
    bool unreadable2 = false;
};

inline constexpr int kOwnPictureSize = 20;

// Sets own currency k (1 or 2) as typed: its settings and the texts of slot 20 + k (one name
// for every language).
void SetOwnCurrency(RecRec& rec, int k, const std::string& name, const std::string& code,
                    const std::string& symbol);

// Whether a picture path (UTF-8) names an existing file.
bool OwnPictureFileExists(const std::string& pathText);
// Reads a picture file as a bitmap; nothing when it is no readable bitmap, is too large, or
// cannot be held in memory.
std::optional<Picture> ReadOwnPictureFile(const std::string& pathText);
// An own currency's flag: the picture unscaled, centred on 20 x 20 over the colour of its
// bottom-left pixel (a larger picture is cut to its middle).
Picture FitOwnPicture(const Picture& source);

// Fills slots 21 and 22 from the own-currency settings and loads their pictures, fitted centred
// on 20 x 20 over the colour of the bitmap's bottom-left pixel. A path that names no file keeps
// the picture; a file that cannot be read leaves it empty.
OwnPictureStatus ApplyOwnCurrencies(RecRec& rec, OwnPictures& pictures);
