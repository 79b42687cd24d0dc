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
     "Het bestand kan niet worden geschreven:",
     "Het bestand is alleen-lezen en werd niet vervangen:",
     "Het klembord kan niet worden beschreven.", "Alle rijen verwijderen?"},
    {"List of results", "Move up", "Move down", "Delete row", "Delete all rows", "Copy",
     "Save as text (TXT)", "Save as webpage (HTML)", "Save results", "The file cannot be written:",
     "The file is read-only and was not replaced:", "The clipboard cannot be written.",
     "Delete all rows?"},
    {"List de résultats", "Déplacer vers le haut", "Déplacer vers le bas", "Effacer une rangée",
     "Effacer toutes les rangées", "Copier", "Sauvegarder comme texte", "Sauvegarder comme HTML",
     "Sauvegarder les résultats", "Impossible d'écrire le fichier :",
     "Le fichier est en lecture seule et n'a pas été remplacé :",
     "Impossible d'écrire dans le presse-papiers.", "Effacer toutes les rangées ?"},
};

}  // namespace

const MainWindowTexts& MainTexts(int language) {
    return kMain[language >= 0 && language <= 2 ? language : 0];
}

const PrintListTexts& PrintTexts(int language) {
    return kPrint[language >= 0 && language <= 2 ? language : 0];
}

namespace {

constexpr OptionsTexts kOptions[] = {
    {"Voorkeuren",
     "Algemeen",
     "Resultaten",
     "Vaste munten",
     "Variabele munten",
     "Taal interface",
     "Klembord",
     "Wanneer je bovenstaande letters gevolgd door een bedrag naar het klembord kopiëert (CTRL "
     "C of CTRL-X), wordt deze waarde automatisch omgezet naar de doel-munt. Meteen kan je deze "
     "nieuwe waarde plakken (CTRL-V).",
     "Minimalizeren",
     {"In taakbalk (standaard)", "In systeemlade"},
     "Weergave resultaat",
     {"Zonder opmaak", "Met opmaak (afronden)", "Met opmaak en munteenheid",
      "Met opmaak en symbool"},
     "Kolommen in resultatenlijst",
     "Vlag",
     "Munt",
     "Munteenheid",
     "Symbool",
     "Kleuren munten",
     "Euro-landen (EU, Europa)",
     "EU-landen (Europa)",
     "Europese landen",
     "Andere landen",
     "Defaults",
     "Defaults",
     "Koerswisselingen",
     "Decimalen",
     "Opstarten",
     "Normaal (zichtbaar)",
     "Geminimaliseerd",
     "Definiëren",
     "Symbool voor bedrag",
     "Symbool achter bedrag",
     "ECB-koersen ophalen",
     "Referentiekoersen ECB van ",
     "Geen verbinding met de ECB; koersen ongewijzigd",
     "Bestand van de ECB niet begrepen; koersen ongewijzigd",
     "ECB-koersen worden opgehaald…",
     "; ongewijzigd: ",
     "ECB-koersen bij het opstarten ophalen als ze ouder zijn dan een werkdag"},
    {"Preferences",
     "General",
     "Results",
     "Fixed currencies",
     "Variable currencies",
     "Interface language",
     "Clipboard",
     "When you copy these letters followed by an amount to the clipboard (CTRL-C or CTRL-X), "
     "this value will be automatically converted to the destination-currency. Directly you can "
     "paste the new value (CTRL-V).",
     "Minimize",
     {"In taskbar (standard)", "In systemtray"},
     "Display result",
     {"Without layout", "With layout (rounding)", "With layout and currency unit",
      "With layout and symbol"},
     "Columns in list of results",
     "Flag",
     "Currency",
     "Currency unit",
     "Symbol",
     "Colors currencies",
     "Euro-countries (EU, Europe)",
     "EU-countries (Europe)",
     "European countries",
     "Other countries",
     "Defaults",
     "Defaults",
     "Exchange rates",
     "Decimals",
     "Startup",
     "Normal (visible)",
     "Minimized",
     "Define",
     "Symbol before amount",
     "Symbol after amount",
     "Get ECB rates",
     "ECB reference rates of ",
     "Could not reach the ECB; rates unchanged",
     "ECB file not understood; rates unchanged",
     "Fetching the ECB rates…",
     "; unchanged: ",
     "Fetch the ECB rates at start when they are older than a working day"},
    {"Préférences",
     "Général",
     "Résultats",
     "Monnaies fixes",
     "Monnaies variables",
     "Langue de l'interface",
     "Presse-papiers",
     "Quand on copie (CTRL+C ou CTRL+X) au presse-papiers, les lettres mentionnées ci-dessus "
     "suivies d'un montant, cette valeur sera automatiquement convertie à la monnaie destinée. "
     "On peut coller immédiatement cette nouvelle valeur (CTRL+V).",
     "Minimiser",
     {"Dans la barre des tâches (standard)", "Dans la zone système"},
     "Représentation du résultat",
     {"Sans mise en pages", "Avec mise en pages (arrondir)",
      "Avec mise en pages et unité monétaire", "Avec mise en pages et symbole"},
     "Colonnes dans la liste de résultats",
     "Drapeau",
     "Monnaie",
     "Unité monétaire",
     "Symbole",
     "Couleur des monnaies",
     "Pays d'Euro (U.E, Europe)",
     "Pays de l'U.E. (Europe)",
     "Pays Européens",
     "Autres pays",
     "Défauts",
     "Défauls",
     "Taux du change",
     "Décimales",
     "Ouvrir",
     "Normale (visible)",
     "Minimiser",
     "Définir",
     "Symbole en avant du montant",
     "Symbole derrière du montant",
     "Cours BCE",
     "Cours de référence BCE du ",
     "La BCE est injoignable ; cours inchangés",
     "Fichier BCE incompris ; cours inchangés",
     "Chargement des cours BCE…",
     " ; inchangés : ",
     "Charger les cours BCE au démarrage s'ils ont plus d'un jour ouvrable"},
};

}  // namespace

const OptionsTexts& OptionTexts(int language) {
    return kOptions[language >= 0 && language <= 2 ? language : 0];
}
