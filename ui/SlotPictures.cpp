#include "ui/SlotPictures.h"

#include <algorithm>

#include "ui/Artwork.h"

namespace {
constexpr int kLastFlagSlot = 20;
}

SlotPictures::SlotPictures() {
    for (int slot = 1; slot <= kLastFlagSlot; ++slot) flags_.push_back(Drawn(SmallFlag, slot));
}

Picture SlotPictures::SlotPicture(int slot) const {
    return SlotGlyph(slot).Design();
}

ScalablePicture SlotPictures::SlotGlyph(int slot) const {
    if (slot >= 1 && slot <= kLastFlagSlot) return flags_[static_cast<std::size_t>(slot - 1)];
    if (slot == kLastFlagSlot + 1) return own_.own1;
    if (slot == kLastFlagSlot + 2) return own_.own2;
    return {};
}

const Picture& SlotPictures::SlotPictureAt(int slot, int dpi) const {
    if (slot >= 1 && slot <= kLastFlagSlot) {
        return flags_[static_cast<std::size_t>(slot - 1)].At(dpi);
    }
    if (slot == kLastFlagSlot + 1 || slot == kLastFlagSlot + 2) {
        const int k = slot - kLastFlagSlot;
        ScalablePicture& scaled = ownScaled_[k - 1];
        if (!(scaled.Design() == OwnPicture(k))) scaled = OwnPicture(k);
        return scaled.At(dpi);
    }
    static const Picture none;
    return none;
}

void SlotPictures::SetOwnPicture(int k, Picture picture) {
    if (k != 1 && k != 2) return;
    (k == 1 ? own_.own1 : own_.own2) = std::move(picture);
    // A listener may add or remove listeners: each one is looked up again before it runs.
    std::vector<int> ids;
    for (const auto& entry : listeners_) ids.push_back(entry.first);
    for (const int id : ids) {
        const auto found = std::find_if(listeners_.begin(), listeners_.end(),
                                        [id](const auto& entry) { return entry.first == id; });
        if (found == listeners_.end() || !found->second) continue;
        const Listener listener = found->second;  // it may unlisten itself while running
        listener(kLastFlagSlot + k);
    }
}

int SlotPictures::Listen(Listener listener) {
    const int id = nextId_++;
    listeners_.emplace_back(id, std::move(listener));
    return id;
}

void SlotPictures::Unlisten(int id) {
    std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}
