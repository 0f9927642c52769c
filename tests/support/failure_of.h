#pragma once

#include "config/failure.h"

// Runs f and gives the number of the Failure it throws, or 0 when it throws none.
template <typename F> int failureOf(F&& f) {
    try {
        f();
    } catch (const Failure& failure) {
        return failure.number();
    }
    return 0;
}
