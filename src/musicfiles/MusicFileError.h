// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A music file that cannot be read, with what is wrong with it in words a
// musician can act on ("the file ends inside track 2").

#include <stdexcept>

namespace orvel {

class MusicFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace orvel
