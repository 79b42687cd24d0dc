// Separators of the two locales most tests run in, and expected texts moved between them.
#pragma once

#include <string>

#include "core/AmountFormat.h"

inline const Separators kComma{",", "."};
inline const Separators kPoint{".", ","};

// A text written for the comma locale as the point locale has it: the two marks swapped.
inline std::string ForPointLocale(std::string text) {
    for (char& c : text) {
        if (c == ',') {
            c = '.';
        } else if (c == '.') {
            c = ',';
        }
    }
    return text;
}
