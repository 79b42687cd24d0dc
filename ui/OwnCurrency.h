// The own-currencies dialog without its window: its texts, what it shows of the settings, what
// OK stores, and the pictures it makes of a chosen bitmap file.
#pragma once

#include <optional>
#include <string>

#include "core/RecRec.h"
#include "util/zt_Graph.h"

inline constexpr const char* kOwnPictureFilter = "Bitmaps (*.bmp)|*.bmp";
inline constexpr int kOwnImageSize = 22;  // the dialog's picture of a chosen bitmap

// The dialog's texts in one language (0 Dutch, 1 English, 2 French; others Dutch).
struct OwnCurrencyTexts {
    const char* caption;
    const char* name;           // LabelMunt<k>
    const char* unit;           // LabelMunteenheid<k>
    const char* symbol;         // LabelSymbool<k>
    const char* readError;      // followed by the file's path
    const char* choosePicture;  // SpeedButton<k>'s hint, and its name with k after it
};
const OwnCurrencyTexts& OwnTexts(int language);

// Own currency k (1 or 2) as the dialog shows it.
struct OwnCurrencyFields {
    std::string name;
    std::string unit;
    std::string symbol;
    std::string bitmap;  // the picture file's path
};
OwnCurrencyFields OwnFields(const RecRec& rec, int k);
// Sets own currency k's picture path.
void SetOwnBitmap(RecRec& rec, int k, const std::string& path);

// A chosen bitmap as the dialog uses it: what its picture box shows (the middle 22 x 22) and
// the flag of the slot (the middle 20 x 20), both on the colour of its bottom-left pixel.
struct OwnPictureChoice {
    Picture shown;
    Picture flag;
};
// Nothing when the file is no readable bitmap (or too large to hold).
std::optional<OwnPictureChoice> ReadOwnPictureChoice(const std::string& path);

// The small picture of the buttons that open the picture chooser: an opened folder.
Picture OpenPictureGlyph(double scale = 1.0);
