// The small flag pictures of the currency slots, held once for the whole run: the drawn flags
// of slots 1..20 and the own currencies' pictures of slots 21 and 22. Every window takes its
// flags from here, and the windows that show an own currency listen for its changes, so a
// picture chosen in the own-currencies dialog shows everywhere at once.
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "core/CurrencyTable.h"
#include "util/ScalablePicture.h"
#include "util/zt_Graph.h"

class SlotPictures {
  public:
    SlotPictures();
    SlotPictures(const SlotPictures&) = delete;
    SlotPictures& operator=(const SlotPictures&) = delete;

    // The flag of slot 1..22 (20 x 20; an own currency's may be empty); empty for other slots.
    Picture SlotPicture(int slot) const;
    // The same for every DPI: the flags drawn at its size, the own pictures resampled.
    ScalablePicture SlotGlyph(int slot) const;
    // The picture at a DPI, kept for the next time.
    const Picture& SlotPictureAt(int slot, int dpi) const;

    // The own currencies' pictures, for the settings store to load at start.
    OwnPictures& Own() { return own_; }
    const Picture& OwnPicture(int k) const { return k == 1 ? own_.own1 : own_.own2; }
    // Replaces own currency k's picture (k 1 or 2) and tells the listeners (slot 20 + k).
    void SetOwnPicture(int k, Picture picture);

    // A listener runs with the slot whose picture changed; Unlisten before it goes away.
    using Listener = std::function<void(int slot)>;
    int Listen(Listener listener);
    void Unlisten(int id);

  private:
    std::vector<ScalablePicture> flags_;  // slots 1..20
    OwnPictures own_;
    mutable ScalablePicture ownScaled_[2];
    std::vector<std::pair<int, Listener>> listeners_;
    int nextId_ = 1;
};
