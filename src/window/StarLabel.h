// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Label.h"

namespace orvel {

// An element of the main window's lbStar array: the green star beside the
// check box of pitch-class position Index().
class StarLabel : public Label {
  public:
    StarLabel(Window& window, std::int64_t index) : Label(window, index) {}
};

}  // namespace orvel
