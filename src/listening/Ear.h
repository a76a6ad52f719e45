// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Listens to sound as it comes, a block at a time (from a recording or a
// microphone, mixed to mono), and tells at any moment what it hears now
// and what it has heard so far. Its makers are in Listening.h.

#include <span>

#include "listening/Heard.h"
#include "listening/HeardNow.h"

namespace orvel {

class Ear {
  public:
    virtual ~Ear() = default;

    virtual void Hear(std::span<const float> mono) = 0;
    virtual HeardNow Now() const = 0;
    // Everything heard so far, the note still sounding included.
    virtual Heard SoFar() const = 0;
};

}  // namespace orvel
