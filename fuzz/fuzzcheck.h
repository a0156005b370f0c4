#pragma once

#include <cstdio>
#include <cstdlib>

// A broken invariant ends the run like a crash, so libFuzzer keeps the input.
inline void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}
