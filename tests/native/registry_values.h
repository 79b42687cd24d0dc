// Registry values for the tests: building them and printing them readably.
#pragma once

#include <bit>
#include <cstdio>
#include <ostream>
#include <string>

#include "util/zt_Registry.h"

inline MemoryRegistry::Value DoubleValue(double d) {
    const auto bits = std::bit_cast<std::uint64_t>(d);
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < 8; ++i) bytes.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
    return MemoryRegistry::Value::Binary(bytes);
}

inline void PrintTo(const MemoryRegistry::Value& value, std::ostream* os) {
    static const char* const kKinds[] = {"Missing", "Text", "Integer", "Binary", "Other"};
    *os << kKinds[static_cast<int>(value.kind)];
    if (value.kind == RegKind::Text) {
        *os << " \"" << std::string(value.bytes.begin(), value.bytes.end()) << "\"";
        return;
    }
    for (const std::uint8_t byte : value.bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02X", byte);
        *os << hex;
    }
}
