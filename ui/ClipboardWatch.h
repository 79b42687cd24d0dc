// The decisions of the clipboard auto-conversion, apart from the clipboard itself: which
// notification converts which amount, and which one only updates the paste command.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/AmountFormat.h"

// What one clipboard notification found.
struct ClipboardNotice {
    std::optional<std::string> text;  // the clipboard's text, when it holds one
    bool ownWrite = false;            // the content is the result this program wrote
    bool excluded = false;            // its owner marked it as not for clipboard monitors
    std::uint64_t nowMs = 0;          // a steady clock, for telling a repeated announcement apart
};

class ClipboardWatch {
  public:
    // The same text announced again within this time after it was converted is the same copy
    // (the X11 bridge under Wine can announce one copy more than once).
    static constexpr std::uint64_t kRepeatWindowMs = 1500;

    // Notifications before the settings are loaded convert nothing.
    void SetReady(bool ready) { ready_ = ready; }
    bool Ready() const { return ready_; }

    // The amount to convert, when the notice is a fresh copy of the prefix letters followed
    // by a readable amount. Remembers it, so a repeated announcement of it is skipped.
    std::optional<long double> AmountToConvert(const ClipboardNotice& notice,
                                               const std::string& letters, const Separators& seps);

    // Whether the clipboard offers a number to paste into the amount box.
    static bool IsNumber(const ClipboardNotice& notice, const Separators& seps);

  private:
    bool ready_ = false;
    std::string lastText_;
    std::uint64_t lastMs_ = 0;
    bool hasLast_ = false;
};
