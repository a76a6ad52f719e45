// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A top-level window whose content area places controls at absolute pixel
// positions, in content-area coordinates, at the size its settings give.
//
// The window owns its controls through Qt's parent ownership; it registers
// them by name (and index, for control arrays) in creation order. Open()
// shows the window and raises each control's Open event in creation order,
// then the window's own Open event (Event_Open), once. The Tab key visits the
// controls as they stand on screen: column by column from the left, each from
// the top (a control's TabIndex is kept as laid out but does not decide it).

#include <QMainWindow>
#include <QMenuBar>
#include <functional>
#include <type_traits>
#include <vector>

#include "platform/Control.h"
#include "platform/Property.h"

namespace orvel {

class Window : public QMainWindow {
  public:
    explicit Window(QWidget* parent = nullptr);
    ~Window() override;

    // The widget controls are placed on; its size is the content size.
    QWidget& ContentArea() { return *content_; }

    // Applies the window's settings in order (Width, Height, Title, ...).
    void ApplySettings(const PropertyList& settings);

    // Makes a control of kind T (constructed with the window and the index),
    // applies its properties and registers it. Events are bound afterwards
    // by the caller, so initial values run no handler.
    template <typename T>
    T& CreateControl(std::int64_t index, const PropertyList& properties) {
        static_assert(std::is_base_of_v<Control, T>);
        T* control = new T(*this, index);
        control->Apply(properties);
        controls_.push_back(control);
        return *control;
    }

    // The control of that name (and index), or nullptr.
    Control* FindControl(const QString& name, std::int64_t index = Control::kNoIndex) const;

    template <typename T>
    T* Find(const QString& name, std::int64_t index = Control::kNoIndex) const {
        return dynamic_cast<T*>(FindControl(name, index));
    }

    // Every control, in creation order.
    const std::vector<Control*>& Controls() const { return controls_; }

    // Shows `bar` with this window. The bar is shared with the application:
    // the window never deletes it.
    void InstallMenuBar(QMenuBar* bar);

    // Shows the window and raises the Open events, the first time only.
    void Open();

  protected:
    // The window's own Open event, after every control's.
    virtual void Event_Open() {}

  private:
    void ArrangeTabOrder();
    void ReleaseMenuBar();

    QWidget* content_;
    std::vector<Control*> controls_;
    bool opened_ = false;
    bool resizeable_ = true;
};

}  // namespace orvel
