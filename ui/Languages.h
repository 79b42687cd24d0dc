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
};

// A language outside 0..2 gets the Dutch texts, as the settings check does.
const MainWindowTexts& MainTexts(int language);
