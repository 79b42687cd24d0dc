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

constexpr PrintListTexts kPrint[] = {
    {"Resultatenlijst", "Naar boven verplaatsen", "Naar beneden verplaatsen", "Rij verwijderen",
     "Alle rijen verwijderen", "Kopiëren", "Opslaan als tekst (TXT)",
     "Opslaan als webpagina (HTML)", "Resultaten opslaan",
     "Het bestand kan niet worden geschreven:", "Het klembord kan niet worden beschreven."},
    {"List of results", "Move up", "Move down", "Delete row", "Delete all rows", "Copy",
     "Save as text (TXT)", "Save as webpage (HTML)", "Save results",
     "The file cannot be written:", "The clipboard cannot be written."},
    {"List de résultats", "Déplacer vers le haut", "Déplacer vers le bas", "Effacer une rangée",
     "Effacer toutes les rangées", "Copier", "Sauvegarder comme texte", "Sauvegarder comme HTML",
     "Sauvegarder les résultats",
     "Impossible d'écrire le fichier :", "Impossible d'écrire dans le presse-papiers."},
};

}  // namespace

const MainWindowTexts& MainTexts(int language) {
    return kMain[language >= 0 && language <= 2 ? language : 0];
}

const PrintListTexts& PrintTexts(int language) {
    return kPrint[language >= 0 && language <= 2 ? language : 0];
}
