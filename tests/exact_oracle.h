// glibc prints extended values exactly: the oracle for our own decimal expansion, shared by the
// native tests and the fuzz harnesses.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/ExactDecimal.h"

#ifdef __GLIBC__
// The value rounded to `significant` digits (1..40) by printf, in the form ExpandExtended gives.
inline DecimalDigits PrintfDigits(long double value, int significant) {
    char text[128];
    std::snprintf(text, sizeof text, "%.*Le", significant - 1, value);
    DecimalDigits d;
    const char* p = text;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') d.digits += *p;
    }
    d.exponent = std::atoi(p + 1) + 1;
    if (d.digits.find_first_not_of('0') == std::string::npos) return {d.negative, "", 0};
    return d;
}
#endif
