#pragma once

#include <cstdio>
#include <cstdlib>

// A property of the code under test: when it does not hold, the fuzzer stops on it as on a crash.
inline void Require(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "Does not hold: %s\n", what);
        std::abort();
    }
}
