#include "ui/MainLayout.h"

MainLayout ComputeMainLayout(const RecRec& rec, bool listView, const MainGeometry& g) {
    MainLayout layout;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (!rec.Geselecteerd[slot]) continue;
        const int i = static_cast<int>(layout.rows.size());  // rows before this one
        layout.rows.push_back({.slot = slot,
                               .labelTop = g.groupBoxTop + i * kRowPitch + g.buttonHeight / 4 + 14,
                               .buttonTop = 14 + i * kRowPitch});
    }
    const int count = static_cast<int>(layout.rows.size());
    if (listView) {
        layout.lijst = 2;
        layout.groupBoxHeight = kRowPitch * count + kRowPitch;
        layout.bevelOnderTop = g.groupBoxTop + layout.groupBoxHeight - 6;
        layout.clientHeight =
            g.panelConvertHeight + g.toolBarHeight + g.groupBoxTop + layout.groupBoxHeight + 10;
    } else {
        layout.lijst = 1;
        layout.clientHeight = g.toolBarHeight + g.panelConvertHeight + 2;
    }
    return layout;
}
