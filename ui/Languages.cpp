#include "ui/Languages.h"

namespace {

constexpr MainWindowTexts kMain[] = {
    {"Bron", "Doel", "Kopiëren", "Plakken", "Omzetten", "Lijst met munten", "Op voorgrond",
     "Resultatenlijst", "Voorkeuren", "Info", "Afsluiten", "Rekenmachine", "Openen"},
    {"Source", "Dest.", "Copy", "Paste", "Convert", "List with currencies", "Stay on top",
     "List of results", "Preferences", "About", "Exit", "Calculator", "Open"},
    {"Source", "Dest.", "Copier", "Coller", "Convertir", "Liste monétaire", "Tout en haut",
     "Liste de résultats", "Préférences", "A propos de", "Quitter", "Calculateur", "Ouvrir"},
};

}  // namespace

const MainWindowTexts& MainTexts(int language) {
    return kMain[language >= 0 && language <= 2 ? language : 0];
}
