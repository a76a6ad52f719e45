// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace orvel {

// What an ear hears at this moment.
struct HeardNow {
    double level = 0;             // of the latest few milliseconds, 0 to 1 (full scale)
    std::optional<double> pitch;  // a MIDI key with cents as its fraction, where clear
    double seconds = 0;           // of sound heard so far
};

}  // namespace orvel
