#include "components/ztCalculatorTexts.h"

namespace {

constexpr CalculatorTexts kDutch{"Rekenmachine", "Kopiëren",  "Plakken",   "Fout",
                                 "OK",           "Annuleren", "Terugtoets"};
constexpr CalculatorTexts kEnglish{"Calculator", "Copy",   "Paste",    "Error",
                                   "OK",         "Cancel", "Backspace"};
constexpr CalculatorTexts kFrench{"Calculateur", "Copier",  "Coller",        "Erreur",
                                  "OK",          "Annuler", "Retour arrière"};

}  // namespace

const CalculatorTexts& CalcTexts(TztLanguage language) {
    switch (language) {
        case lgNederlands:
            return kDutch;
        case lgFrancais:
            return kFrench;
        default:
            return kEnglish;
    }
}
