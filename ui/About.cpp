#include "ui/About.h"

namespace {

constexpr AboutTexts kTexts[3] = {
    {"Info", "Versie 2.81 / Juli 2002", "&Meer info", "Laatste nieuws",
     "Laatste nieuws van www.valomat.example"},
    {"About", "Version 2.81 / July 2002", "&More info", "Latest news",
     "Latest news from www.valomat.example"},
    {"A propos de", "Version 2.81 / Juillet 2002", "&Info suppl\u00E9m.", "Nouvelle",
     "Latest news from www.valomat.example"},
};

}  // namespace

const AboutTexts& AboutTextsFor(int language) {
    return kTexts[language >= 0 && language <= 2 ? language : 0];
}

std::string ReadmeFileName(int language) {
    return language == 0 ? "Valomat_Leesmij.htm" : "Valomat_Readme.htm";
}

TztLanguage NewsLanguage(int language) {
    return language == 0 ? lgNederlands : lgEnglish;
}

std::string NewsUrl(int language) {
    return std::string(kMakerWeb) + (language == 0 ? "/Linkora_Ned.inf" : "/Linkora_Eng.inf");
}
