// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>

namespace orvel {

// A recording that cannot be read, or a listening module that cannot be
// loaded; what() says why, to follow "cannot hear FILE: ".
class ListenError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace orvel
