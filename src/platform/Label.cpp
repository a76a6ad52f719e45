// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Label.h"

#include <QEvent>
#include <stdexcept>

#include "platform/Window.h"

namespace orvel {

Label::Label(Window& window, std::int64_t index)
    : QLabel(&window.ContentArea()), Control(*this, window, index) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Label::ShowColour() {
    if (!asked_) {
        return;
    }
    const QColor shown = ShownColour(*asked_);
    if (palette().color(QPalette::WindowText) != shown) {
        QPalette colours = palette();
        colours.setColor(QPalette::WindowText, shown);
        setPalette(colours);
    }
}

void Label::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        ShowColour();
    }
}

bool Label::ApplyOwn(const Property& property) {
    switch (property.name) {
        case PropertyName::Caption:
        case PropertyName::Text:
            SetCaption(TextOf(property));
            return true;
        case PropertyName::TextColor: {
            const QColor asked = ColourOf(property);
            asked_ = asked == QColor(Qt::black) ? std::nullopt : std::optional(asked);
            ShowColour();
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
