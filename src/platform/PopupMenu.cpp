// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PopupMenu.h"

#include "platform/TextConversions.h"
#include "platform/Window.h"

namespace orvel {

PopupMenu::PopupMenu(Window& window, std::int64_t index)
    : QComboBox(&window.ContentArea()), Control(*this, window, index) {
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (Change) {
            Change(*this);
        }
    });
}

bool PopupMenu::ApplyOwn(const Property& property) {
    switch (property.name) {
        case PropertyName::InitialValue:
            clear();
            addItems(Split(TextOf(property), "\r\n"));
            return true;
        case PropertyName::ListIndex:
            SetListIndex(static_cast<int>(IntegerOf(property)));
            return true;
        default:
            return false;
    }
}

}  // namespace orvel
