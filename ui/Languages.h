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
    const char* writeError;  // followed by the file's path
    const char* clipboardError;
};

const PrintListTexts& PrintTexts(int language);
