#include "ui/MainPosition.h"

#include <algorithm>

namespace {

// How much of the caption has to be on the work area to grab it.
constexpr int kGrabWidth = 40;
constexpr int kGrabHeight = 30;
// A caption a little above the work area can still be dragged by what shows of it.
constexpr int kAboveTolerance = 10;

}  // namespace

WindowPosition PlaceOnWorkArea(WindowPosition saved, int width, int height,
                               const ScreenRect& work) {
    // Any number may come from the registry: wide enough not to overflow.
    const long long left = saved.left;
    const long long top = saved.top;
    const bool reachable = left < work.right - kGrabWidth &&
                           left + width > work.left + kGrabWidth &&
                           top < work.bottom - kGrabHeight && top >= work.top - kAboveTolerance;
    if (reachable) {
        const auto inside = [](long long at, int size, long long low, long long high) {
            return static_cast<int>(std::max(low, std::min(at, high - size)));
        };
        return {.top = inside(top, height, work.top, work.bottom),
                .left = inside(left, width, work.left, work.right)};
    }
    return {.top = work.top + (work.bottom - work.top - height) / 2,
            .left = work.left + (work.right - work.left - width) / 2};
}
