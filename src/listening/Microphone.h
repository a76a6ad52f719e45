// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Sound from an audio input, heard as it comes on a thread of its own
// (Listening::Listen makes one): what is heard now and so far can be asked
// from any thread at any time. Listening stops when the object goes.

#include <optional>
#include <string>

#include "listening/Heard.h"
#include "listening/HeardNow.h"

namespace orvel {

class Microphone {
  public:
    virtual ~Microphone() = default;

    virtual HeardNow Now() const = 0;
    virtual Heard SoFar() const = 0;
    // Why listening stopped or never started ("no audio input: ..."), once
    // it has.
    virtual std::optional<std::string> Failure() const = 0;
};

}  // namespace orvel
