// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/CheckBox.h"

namespace orvel {

// An element of the main window's cbScale array: the check box of pitch-class
// position Index() (0, the root, to 11).
class ScaleCheckBox : public CheckBox {
  public:
    ScaleCheckBox(Window& window, std::int64_t index) : CheckBox(window, index) {}
};

}  // namespace orvel
