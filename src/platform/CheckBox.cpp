// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CheckBox.h"

#include <algorithm>

#include "platform/Window.h"

namespace orvel {

CheckBox::CheckBox(Window& window, std::int64_t index)
    : QCheckBox(&window.ContentArea()), Control(*this, window, index) {
    connect(this, &QCheckBox::toggled, this, [this] {
        if (Action) {
            Action(*this);
        }
    });
}

void CheckBox::SetCaption(const QString& caption) {
    setText(caption);
    PlaceWidget();
}

QSize CheckBox::ShownSize(QSize layoutSize) const {
    return {std::max(layoutSize.width(), sizeHint().width()), layoutSize.height()};
}

bool CheckBox::ApplyOwn(const Property& property) {
    switch (property.name) {
        case PropertyName::Caption:
            SetCaption(TextOf(property));
            return true;
        case PropertyName::Value:
            SetValue(BooleanOf(property));
            return true;
        case PropertyName::State: {
            // 0 unticked, 1 ticked, 2 neither (mixed).
            const auto state = IntegerOf(property);
            setTristate(state == 2);
            setCheckState(state == 1   ? Qt::Checked
                          : state == 2 ? Qt::PartiallyChecked
                                       : Qt::Unchecked);
            return true;
        }
        default:
            return false;
    }
}

}  // namespace orvel
