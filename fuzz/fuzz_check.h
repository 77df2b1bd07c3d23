#pragma once

#include <cstdio>
#include <cstdlib>

// Ends the run when a property does not hold; libFuzzer then keeps the input that broke it.
inline void Require(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "Property broken: %s\n", property);
        std::abort();
    }
}
