// The interface texts of the windows, per language (0 Dutch, 1 English, 2 French).
#pragma once

struct MainWindowTexts {
    const char* groupVan;   // GroupBox_Van caption
    const char* groupNaar;  // GroupBox_Naar caption
    const char* copy;       // ToolButton_Copy hint, Menu_Copy caption
    const char* paste;
    const char* convert;
    const char* list;  // ToolButton_List hint
    const char* stayOnTop;
    const char* printList;
    const char* options;
    const char* info;        // ToolButton_Info hint, Menu_ST_Info caption
    const char* exit;        // ToolButton_Exit hint, Menu_ST_Exit caption
    const char* calculator;  // SpeedButtonCalculator hint
    const char* open;        // Menu_ST_Open caption
    // What screen readers name the amount and the result box by.
    const char* amount;
    const char* result;
    const char* shiftKey;  // the Shift key in a shortcut's text ("Ctrl+Shift+C")
};

// A language outside 0..2 gets the Dutch texts, as the settings check does.
const MainWindowTexts& MainTexts(int language);

// The result list window: its caption, the seven commands (caption and hint alike), the save
// dialog's title and the messages when an export cannot be written.
struct PrintListTexts {
    const char* caption;
    const char* moveUp;
    const char* moveDown;
    const char* removeOne;
    const char* removeAll;
    const char* copy;
    const char* saveAsText;
    const char* saveAsWebpage;
    const char* saveTitle;
    const char* writeError;     // followed by the file's path
    const char* readOnlyError;  // the same, for a read-only file
    const char* clipboardError;
    const char* removeAllQuestion;  // asked before every row goes
};

const PrintListTexts& PrintTexts(int language);

// The options dialog: its caption, the tabs, the groups and labels of the four pages, with
// their access keys, and the names screen readers read for controls that show none.
struct OptionsTexts {
    const char* caption;
    const char* tabAlgemeen;
    const char* tabPrint;
    const char* tabVasteMunten;
    const char* tabVariabeleMunten;
    const char* taal;        // RadioGroup_Taal caption
    const char* klembord;    // GroupBox_Klembord
    const char* uitleg;      // Label_Uitleg, the clipboard explanation
    const char* systemTray;  // RadioGroup_SystemTray caption
    const char* systemTrayItems[2];
    const char* weergave;  // RadioGroup_Weergave caption
    const char* weergaveItems[4];
    const char* kolommen;  // GroupBox_Kolommen
    const char* vlag;
    const char* munt;
    const char* munteenheid;
    const char* symbool;
    const char* colors;  // GroupBox_Colors
    const char* kleurEuro;
    const char* kleurEU;
    const char* kleurEuropa;
    const char* kleurWereld;
    const char* defaults;   // Label_Defaults, the fixed page
    const char* defaults2;  // Label_Defaults2, the variable page
    const char* koerswisselingen;
    const char* decimalen;
    const char* startup;  // GroupBox_Startup
    const char* normalVisible;
    const char* minimized;
    const char* eigenMunten;   // SpeedButtonEigenMunten
    const char* symbolBefore;  // hint of a symbol-position button that is down
    const char* symbolAfter;   // ... and up
    const char* ecbButton;     // Button_ECB, fetches the bank's reference rates
    const char* ecbRatesOf;    // followed by the rates' day in the user's short date format
    const char* ecbNoConnection;
    const char* ecbNotUnderstood;
    const char* ecbFetching;    // while the fetch runs
    const char* ecbKept;        // after the day, before the codes of the rates the file lacks
    const char* ecbAtStart;     // CheckBox_KoersenBijStart
    const char* lettersName;    // Edit_Letters
    const char* offeredName;    // CheckBox_Selected<n>, before the currency
    const char* nameSeparator;  // between what a row's control is and its currency: ": "
};

const OptionsTexts& OptionTexts(int language);

// The languages under their own names, never translated.
inline constexpr const char* kLanguageNames[] = {"Nederlands", "English", "Français"};
