// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every control on a Window has, whatever its kind: a name, an index
// within its control array (kNoIndex outside an array), a position in the
// window's content coordinates, a parent control (a sibling it is nested in,
// or none), visibility, a help tag, and the Open event.
//
// A control is a Qt widget (the kinds derive from both a Qt widget class and
// Control); Qt's parent ownership keeps it alive as long as its window.
// Settings come from a PropertyList applied in stored order; events are
// std::function members the window binds after applying them, so initial
// values never run a handler.

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <limits>

#include "platform/Property.h"

namespace orvel {

class Window;

class Control {
  public:
    static constexpr std::int64_t kNoIndex = std::numeric_limits<std::int32_t>::min();

    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const QString& Name() const { return name_; }
    std::int64_t Index() const { return index_; }

    QWidget& Widget() { return widget_; }
    const QWidget& Widget() const { return widget_; }

    // Position and size in the window's content coordinates, nested or not.
    QRect WindowGeometry() const { return geometry_; }

    // The control this one is nested in, or nullptr when it lies directly on
    // the window. Setting nullptr detaches it without moving it on screen.
    Control* Parent() const { return parent_; }
    void SetParent(Control* parent);

    bool Visible() const { return !widget_.isHidden(); }
    void SetVisible(bool visible) { widget_.setVisible(visible); }

    QString HelpTag() const { return widget_.toolTip(); }
    // As laid out; the window orders the Tab key by position instead.
    std::int64_t TabIndex() const { return tabIndex_; }

    // Applies each property in order; std::invalid_argument for one this
    // kind does not have or a value it cannot take.
    void Apply(const PropertyList& properties);

    // Raised once by the window when it opens, before the window's own Open.
    std::function<void(Control&)> Open;
    void RaiseOpen();

  protected:
    Control(QWidget& widget, Window& window, std::int64_t index);

    // Applies a property of this kind's own; returns false when the kind has
    // no such property.
    virtual bool ApplyOwn(const Property& property) = 0;

    // Kind name for messages ("CheckBox").
    virtual QString KindName() const = 0;

    // The size the widget takes on screen for a layout size; a kind whose
    // text would be cut off may take more room than its layout gives it.
    virtual QSize ShownSize(QSize layoutSize) const { return layoutSize; }

    // Places the widget again, after something ShownSize depends on changed.
    void PlaceWidget();

  private:
    bool ApplyCommon(const Property& property);
    void ApplyFont(const Property& property);
    // Gives the widget the requested font where it would not show it; true when it set one.
    bool ShowRequestedFont();

    QWidget& widget_;
    Window& window_;
    QString name_;
    std::int64_t index_;
    std::int64_t tabIndex_ = 0;
    QRect geometry_;
    Control* parent_ = nullptr;
    const QFont platformFont_;  // the widget's font before any property
    QFont requestedFont_;       // what the font properties asked for
};

}  // namespace orvel
