// Where the main window's currency rows go: the list of offered slots, the height of the two
// group boxes and of the window, in list view and compact view.
#pragma once

#include <cstdint>
#include <vector>

#include "core/RecRec.h"

inline constexpr int kRowPitch = 22;
inline constexpr int kGroupBoxTop = 6;  // of both group boxes, inside Panel_Main

struct MainGeometry {
    int buttonHeight = kRowPitch;  // height of SpeedButton_Van1
    int groupBoxTop = 0;           // top of GroupBox_Van inside Panel_Main
    int panelConvertHeight = 67;
    int toolBarHeight = 0;
};

struct RowPlacement {
    int slot = 0;
    int labelTop = 0;   // in Panel_Main
    int buttonTop = 0;  // inside the group box
};

struct MainLayout {
    std::vector<RowPlacement> rows;  // row n (1-based) is rows[n - 1]; rows after it are hidden
    int groupBoxHeight = 0;          // list view only
    int bevelOnderTop = 0;           // list view only
    int clientHeight = 0;
    std::uint8_t lijst = 2;  // the Lijst setting after the layout
};

MainLayout ComputeMainLayout(const RecRec& rec, bool listView, const MainGeometry& geometry);
