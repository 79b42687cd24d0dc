// The About box's texts per interface language, the maker's details, the read-me pages and
// the box's pictures: everything of the box that needs no window.
#pragma once

#include <string>
#include <string_view>

#include "util/zt_Graph.h"
#include "util/zt_Misc.h"

struct AboutTexts {
    const char* caption;    // the window
    const char* version;    // Label_Versie
    const char* moreInfo;   // BitBtn_Extra: opens the read-me page ("&": its access key)
    const char* news;       // BitBtn_Linkora
    const char* newsTitle;  // the news directory's window
};
// Taal 0 Dutch, 1 English, 2 French; any other value gets the Dutch texts.
const AboutTexts& AboutTextsFor(int language);

// The maker's details.
inline constexpr std::string_view kProductName = "Valomat";
inline constexpr std::string_view kMakerName = "Valomat";
inline constexpr std::string_view kMakerLocation = "Leuven, Belgi\u00EB";
inline constexpr std::string_view kMakerEmail = "info@valomat.example";
inline constexpr std::string_view kMakerWeb = "https://www.valomat.example";

// The read-me page beside the program: Dutch for Dutch, English for every other language.
std::string ReadmeFileName(int language);
// The news directory: Dutch status texts and links file for Dutch, English for the others.
TztLanguage NewsLanguage(int language);
std::string NewsUrl(int language);

// The picture strip down the left side (118 x 308) and the tick on the OK button (16 x 16 on
// a key colour in its bottom-left pixel).
inline constexpr int kAboutPictureWidth = 118;
inline constexpr int kAboutPictureHeight = 308;
Picture AboutPicture(double scale = 1.0);
Picture TickGlyph(double scale = 1.0);
