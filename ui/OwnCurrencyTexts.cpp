// The texts of the own-currencies dialog.
#include "ui/OwnCurrency.h"

namespace {

constexpr OwnCurrencyTexts kTexts[] = {
    {"Definiëer de munten", "Munt", "Munteenheid", "Symbool",
     "Het bestand is geen leesbare bitmap:", "Afbeelding kiezen"},
    {"Define the currencies", "Currency", "Currency unit", "Symbol",
     "The file is not a readable bitmap:", "Choose a picture"},
    {"Définir les monnaies", "Monnaie", "Unité monétaire", "Symbole",
     "Le fichier n'est pas un bitmap lisible :", "Choisir une image"},
};

}  // namespace

const OwnCurrencyTexts& OwnTexts(int language) {
    return kTexts[language >= 0 && language <= 2 ? language : 0];
}
