// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A fuzz target's check: a broken promise stops the run, as a crash would.

#include <cstdlib>

namespace orvel::fuzz {

inline void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace orvel::fuzz
