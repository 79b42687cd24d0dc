// Loading and saving the settings record under HKEY_CURRENT_USER\Software\ZT\Valomat.
#pragma once

#include "core/CurrencyTable.h"
#include "core/RecRec.h"
#include "util/zt_Registry.h"

inline constexpr const char* kSettingsPath = "ZT\\Valomat";
inline constexpr const char* kVersionText = "2.8";

// What loading needs from the machine: the locale's language (a TztLanguage ordinal) and the
// sizes for the centred default position.
struct SettingsEnvironment {
    int localeLanguage = 1;
    int screenWidth = 0;
    int screenHeight = 0;
    int windowWidth = 0;
    int windowHeight = 0;
};

struct WindowPosition {
    int top = 0;
    int left = 0;
};

struct LoadResult {
    WindowPosition position;  // where the main window goes
    OwnPictureStatus pictures;
};

LoadResult LoadSettings(RecRec& rec, Registry& registry, const SettingsEnvironment& env,
                        OwnPictures& pictures);
// Writes every stored setting; false when any write failed (the caller goes on closing).
bool SaveSettings(const RecRec& rec, Registry& registry, WindowPosition position);
// Deletes the old key HKEY_CURRENT_USER\SoftWare\Valomat (the clean-up run).
void DeleteLegacyKey(Registry& registry);
