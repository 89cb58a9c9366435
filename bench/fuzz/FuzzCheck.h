#pragma once
// A property that does not hold is a finding like a crash: report it and abort, so that libFuzzer
// keeps the input that shows it.

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: property does not hold: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)
