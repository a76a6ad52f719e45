// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Control.h"

#include <QApplication>
#include <QFont>
#include <cmath>
#include <stdexcept>

#include "platform/TextConversions.h"
#include "platform/Window.h"

namespace orvel {

Control::Control(QWidget& widget, Window& window, std::int64_t index)
    : widget_(widget),
      window_(window),
      index_(index),
      platformFont_(widget.font()),
      requestedFont_(platformFont_) {}

void Control::Apply(const PropertyList& properties) {
    for (const Property& property : properties) {
        if (!ApplyCommon(property) && !ApplyOwn(property)) {
            RefuseProperty(property, KindName() + " " + name_);
        }
    }
}

void Control::RaiseOpen() {
    if (Open) {
        Open(*this);
    }
}

void Control::SetParent(Control* parent) {
    parent_ = parent;
    PlaceWidget();
}

void Control::PlaceWidget() {
    QWidget& host = parent_ != nullptr ? parent_->Widget() : window_.ContentArea();
    const QPoint origin = parent_ != nullptr ? parent_->WindowGeometry().topLeft() : QPoint(0, 0);
    const bool hidden = widget_.isHidden();
    if (widget_.parentWidget() != &host) {
        widget_.setParent(&host);
        ShowRequestedFont();
    }
    widget_.setGeometry(QRect(geometry_.topLeft() - origin, ShownSize(geometry_.size())));
    widget_.setHidden(hidden);
}

bool Control::ApplyCommon(const Property& property) {
    switch (property.name) {
        case PropertyName::Name:
            name_ = TextOf(property);
            widget_.setObjectName(name_);
            return true;
        case PropertyName::Index:
            index_ = IntegerOf(property);
            return true;
        case PropertyName::Left:
            geometry_.moveLeft(static_cast<int>(IntegerOf(property)));
            PlaceWidget();
            return true;
        case PropertyName::Top:
            geometry_.moveTop(static_cast<int>(IntegerOf(property)));
            PlaceWidget();
            return true;
        case PropertyName::Width:
            geometry_.setWidth(static_cast<int>(IntegerOf(property)));
            PlaceWidget();
            return true;
        case PropertyName::Height:
            geometry_.setHeight(static_cast<int>(IntegerOf(property)));
            PlaceWidget();
            return true;
        // Controls keep their place and size when the window is resized.
        case PropertyName::LockLeft:
        case PropertyName::LockTop:
            RequireSupported(property, BooleanOf(property), "true");
            return true;
        case PropertyName::LockRight:
        case PropertyName::LockBottom:
            RequireSupported(property, !BooleanOf(property), "false");
            return true;
        case PropertyName::TabIndex:
            tabIndex_ = IntegerOf(property);
            return true;
        case PropertyName::TabPanelIndex:
            RequireSupported(property, IntegerOf(property) == 0, "0 (no tab panel)");
            return true;
        case PropertyName::TabStop:
            widget_.setFocusPolicy(BooleanOf(property) ? widget_.focusPolicy() : Qt::NoFocus);
            return true;
        case PropertyName::Enabled:
            widget_.setEnabled(BooleanOf(property));
            return true;
        case PropertyName::Visible:
            widget_.setVisible(BooleanOf(property));
            return true;
        case PropertyName::HelpTag:
            widget_.setToolTip(TextOf(property));
            return true;
        case PropertyName::TextFont:
        case PropertyName::TextSize:
        case PropertyName::TextUnit:
        case PropertyName::Bold:
        case PropertyName::Italic:
        case PropertyName::Underline:
            ApplyFont(property);
            return true;
        case PropertyName::InitialParent: {
            // "name$index" of a control created before this one.
            const QStringList parts = Split(TextOf(property), "$");
            Control* parent =
                parts.size() == 2 ? window_.FindControl(parts[0], Val(parts[1])) : nullptr;
            if (parent == nullptr) {
                throw std::invalid_argument("InitialParent names no control: " +
                                            TextOf(property).toStdString());
            }
            SetParent(parent);
            return true;
        }
        default:
            return false;
    }
}

void Control::ApplyFont(const Property& property) {
    QFont font = requestedFont_;
    switch (property.name) {
        case PropertyName::TextFont: {
            // "System" is the platform's own font.
            const QString family = TextOf(property);
            font.setFamily(family == "System" ? QApplication::font().family() : family);
            break;
        }
        case PropertyName::TextSize: {
            // Sizes count 72 to the inch, one device-independent pixel each,
            // as on the screens the layout was drawn for; 0 is the default.
            const double size = NumberOf(property);
            if (size > 0) {
                font.setPixelSize(static_cast<int>(std::lround(size)));
            } else {
                font.setPointSizeF(QApplication::font().pointSizeF());
            }
            break;
        }
        case PropertyName::TextUnit:
            RequireSupported(property, IntegerOf(property) == 0, "0 (points)");
            break;
        case PropertyName::Bold:
            font.setBold(BooleanOf(property));
            break;
        case PropertyName::Italic:
            font.setItalic(BooleanOf(property));
            break;
        default:
            font.setUnderline(BooleanOf(property));
            break;
    }
    requestedFont_ = font;
    if (ShowRequestedFont()) {
        PlaceWidget();  // a caption's room depends on its font
    }
}

bool Control::ShowRequestedFont() {
    // A widget without a font of its own shows its parent's. A font other than
    // the platform's is therefore always set, so that it stays whatever the
    // parent is: a star nested in a star once showed 30 px only while nested.
    // A control at the platform's font is left to inherit it (setting an equal
    // font makes Qt resolve it again, a cost at start-up) unless its parent
    // shows another.
    if (requestedFont_ == platformFont_ && widget_.font() == requestedFont_) {
        return false;
    }
    widget_.setFont(requestedFont_);
    return true;
}

}  // namespace orvel
