// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Contrast.h"
#include "platform/Label.h"

namespace orvel {

// An element of the main window's lbStar array: the green star beside the
// check box of pitch-class position Index(). Its green stays where it reads
// (a contrast of 4.5:1 with the window), and is lightened or darkened, in
// the same hue, where it would not: on a dark theme.
class StarLabel : public Label {
  public:
    StarLabel(Window& window, std::int64_t index) : Label(window, index) {}

  protected:
    QColor ShownColour(const QColor& asked) const override {
        return ReadableOn(asked, palette().color(QPalette::Window));
    }
};

}  // namespace orvel
