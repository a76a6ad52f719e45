// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A check box: a caption and a ticked state. Its caption always shows in
// full, even past the width its layout gives it. Action is raised whenever the
// state changes after the events are bound, by the user or by code.

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

  protected:
    bool ApplyOwn(const Property& property) override;
    QString KindName() const override { return "CheckBox"; }
    // The caption is never cut off: where the platform's font makes it wider
    // than the layout allows, the box takes the room its caption needs.
    QSize ShownSize(QSize layoutSize) const override;
};

}  // namespace orvel
