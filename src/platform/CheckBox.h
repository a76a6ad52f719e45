// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A check box: a caption and a ticked state. Its caption always shows in
// full, even past the width its layout gives it. Action is raised whenever the
// state changes after the events are bound, by the user or by code.
//
// The box's outline reads on any theme: some dark themes draw an unticked
// box as a dark square on a dark window, so an outline at least 3:1 against
// the window is drawn over the style's.

#include <QCheckBox>

#include "platform/Control.h"

namespace orvel {

class CheckBox : public QCheckBox, public Control {
  public:
    CheckBox(Window& window, std::int64_t index = kNoIndex);

    bool Value() const { return isChecked(); }
    void SetValue(bool ticked) { setChecked(ticked); }
    QString Caption() const { return text(); }
    void SetCaption(const QString& caption);

    std::function<void(CheckBox&)> Action;

    static constexpr double kOutlineContrast = 3.0;
    // Where the box (not its caption) is drawn.
    QRect IndicatorRect() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool ApplyOwn(const Property& property) override;
    QString KindName() const override { return "CheckBox"; }
    // The caption is never cut off: where the platform's font makes it wider
    // than the layout allows, the box takes the room its caption needs.
    QSize ShownSize(QSize layoutSize) const override;
};

}  // namespace orvel
