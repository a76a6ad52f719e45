// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CheckBox.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <algorithm>

#include "platform/Contrast.h"
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

QRect CheckBox::IndicatorRect() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
}

void CheckBox::paintEvent(QPaintEvent* event) {
    QCheckBox::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor window = palette().color(QPalette::Window);
    painter.setPen(QPen(ReadableOn(palette().color(QPalette::Mid), window, kOutlineContrast), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(IndicatorRect()).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
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
