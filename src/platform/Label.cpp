// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Label.h"

#include <stdexcept>

#include "platform/Window.h"

namespace orvel {

Label::Label(Window& window, std::int64_t index)
    : QLabel(&window.ContentArea()), Control(*this, window, index) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

bool Label::ApplyOwn(const Property& property) {
    switch (property.name) {
        case PropertyName::Caption:
        case PropertyName::Text:
            SetCaption(TextOf(property));
            return true;
        case PropertyName::TextColor: {
            QPalette colours = palette();
            colours.setColor(QPalette::WindowText, ColourOf(property));
            setPalette(colours);
            return true;
        }
        case PropertyName::TextAlign: {
            // 0 the platform's default, 1 left, 2 centre, 3 right.
            const auto align = IntegerOf(property);
            const Qt::Alignment horizontal = align == 2   ? Qt::AlignHCenter
                                             : align == 3 ? Qt::AlignRight
                                                          : Qt::AlignLeft;
            setAlignment(horizontal | Qt::AlignTop);
            return true;
        }
        case PropertyName::Multiline:
            setWordWrap(BooleanOf(property));
            return true;
        case PropertyName::Selectable:
            setTextInteractionFlags(BooleanOf(property) ? Qt::TextSelectableByMouse
                                                        : Qt::NoTextInteraction);
            return true;
        case PropertyName::Transparent:
            // A label draws no background of its own either way.
            static_cast<void>(BooleanOf(property));
            return true;
        default:
            return false;
    }
}

}  // namespace orvel
