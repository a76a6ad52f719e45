#pragma once

// A check box: a caption and a ticked state. Action is raised whenever the
// state changes after the events are bound, by the user or by code.

#include <QCheckBox>

#include "Control.h"

namespace orvel {

class CheckBox : public QCheckBox, public Control {
public:
    CheckBox(Window& window, std::int64_t index = kNoIndex);

    bool Value() const { return isChecked(); }
    void SetValue(bool ticked) { setChecked(ticked); }
    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) { setText(caption); }

    std::function<void(CheckBox&)> Action;

protected:
    bool ApplyOwn(const Property& property) override;
    QString KindName() const override { return "CheckBox"; }
};

}  // namespace orvel
