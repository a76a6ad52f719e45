// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Sound that cannot be made: its message says what is missing, for the user.

#include <stdexcept>

namespace orvel {

class AudioError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace orvel
