// What the fuzz harnesses share: a check that stops the run with the failed condition, and the
// four separator settings that the user locales of our users give.
#pragma once

#include <cstdio>
#include <cstdlib>

#include "core/AmountFormat.h"

#define FUZZ_CHECK(condition)                                                                   \
    do {                                                                                        \
        if (!(condition)) {                                                                     \
            std::fprintf(stderr, "check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                       \
        }                                                                                       \
    } while (0)

// Dutch (Belgium), English, French (France) and German (Switzerland) user locales.
inline const Separators kSeparatorSettings[] = {
    {",", "."}, {".", ","}, {",", "\u00A0"}, {".", "\u2019"}};
