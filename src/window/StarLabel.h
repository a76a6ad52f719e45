// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QPainterPath>

#include "platform/Contrast.h"
#include "platform/Label.h"

namespace orvel {

// An element of the main window's lbStar array: the green star beside the
// check box of pitch-class position Index(). Its green stays where it reads
// (a contrast of 4.5:1 with the window), and is lightened or darkened, in
// the same hue, where it would not: on a dark theme. The star is drawn in
// the middle of its box whatever font draws it: a large asterisk sits high
// or low in its line as fonts differ, and would be cut off.
class StarLabel : public Label {
  public:
    StarLabel(Window& window, std::int64_t index) : Label(window, index) {}

  protected:
    QColor ShownColour(const QColor& asked) const override {
        return ReadableOn(asked, palette().color(QPalette::Window));
    }
    void paintEvent(QPaintEvent*) override {
        QPainterPath glyph;
        glyph.addText(0, 0, font(), text());
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(QRectF(rect()).center() - glyph.boundingRect().center());
        painter.fillPath(glyph, TextColor());
    }
};

}  // namespace orvel
