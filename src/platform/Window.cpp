// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Window.h"

#include <QLayout>
#include <algorithm>
#include <stdexcept>

namespace orvel {

Window::Window(QWidget* parent) : QMainWindow(parent), content_(new QWidget(this)) {
    setCentralWidget(content_);
}

Window::~Window() {
    ReleaseMenuBar();
}

void Window::ReleaseMenuBar() {
    // The menu bar outlives every window that shows it; left in place, Qt
    // would delete it with the window or when another bar replaces it.
    QWidget* bar = menuWidget();
    if (bar == nullptr) {
        return;
    }
    layout()->setMenuBar(nullptr);
    bar->hide();
    bar->setParent(nullptr);
}

Control* Window::FindControl(const QString& name, std::int64_t index) const {
    for (Control* control : controls_) {
        if (control->Name() == name && control->Index() == index) {
            return control;
        }
    }
    return nullptr;
}

void Window::InstallMenuBar(QMenuBar* bar) {
    if (menuWidget() != bar) {
        ReleaseMenuBar();
    }
    setMenuWidget(bar);
    bar->show();
}

void Window::ApplySettings(const PropertyList& settings) {
    QSize size = content_->size();
    for (const Property& property : settings) {
        const auto integer = [&] { return static_cast<int>(IntegerOf(property)); };
        switch (property.name) {
            case PropertyName::Width:
                size.setWidth(integer());
                content_->resize(size);
                break;
            case PropertyName::Height:
                size.setHeight(integer());
                content_->resize(size);
                break;
            case PropertyName::MinWidth:
                content_->setMinimumWidth(integer());
                break;
            case PropertyName::MinHeight:
                content_->setMinimumHeight(integer());
                break;
            case PropertyName::MaxWidth:
                content_->setMaximumWidth(integer());
                break;
            case PropertyName::MaxHeight:
                content_->setMaximumHeight(integer());
                break;
            case PropertyName::Title:
                setWindowTitle(TextOf(property));
                break;
            case PropertyName::Frame:
                RequireSupported(property, integer() == 0, "0 (a document window)");
                break;
            case PropertyName::Placement:
                RequireSupported(property, integer() == 0, "0 (placed by the platform)");
                break;
            case PropertyName::CloseButton:
                setWindowFlag(Qt::WindowCloseButtonHint, BooleanOf(property));
                break;
            case PropertyName::MinimizeButton:
                setWindowFlag(Qt::WindowMinimizeButtonHint, BooleanOf(property));
                break;
            case PropertyName::MaximizeButton:
                setWindowFlag(Qt::WindowMaximizeButtonHint, BooleanOf(property));
                break;
            case PropertyName::Resizeable:
                resizeable_ = BooleanOf(property);
                break;
            case PropertyName::FullScreenButton:
            case PropertyName::FullScreen:
            case PropertyName::HasBackColor:
                RequireSupported(property, !BooleanOf(property), "false");
                break;
            case PropertyName::LiveResize:
                RequireSupported(property, BooleanOf(property), "true");
                break;
            case PropertyName::Visible:
                RequireSupported(property, BooleanOf(property), "true (shown when opened)");
                break;
            case PropertyName::MenuBarVisible:
                if (QWidget* bar = menuWidget()) {
                    bar->setVisible(BooleanOf(property));
                }
                break;
            default:
                RefuseProperty(property, "Window");
        }
    }
    if (!resizeable_) {
        content_->setFixedSize(size);
    }
    // The window grows around the content area and its menu bar.
    const int menuHeight = menuWidget() != nullptr && !menuWidget()->isHidden()
                               ? menuWidget()->sizeHint().height()
                               : 0;
    resize(size.width(), size.height() + menuHeight);
}

void Window::ArrangeTabOrder() {
    // The order a reader meets the controls in: column by column from the
    // left, each from the top.
    std::vector<Control*> order = controls_;
    std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
        const QPoint first = a->WindowGeometry().topLeft();
        const QPoint second = b->WindowGeometry().topLeft();
        return std::pair(first.x(), first.y()) < std::pair(second.x(), second.y());
    });
    QWidget* previous = nullptr;
    for (Control* control : order) {
        if (control->Widget().focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (previous != nullptr) {
            setTabOrder(previous, &control->Widget());
        }
        previous = &control->Widget();
    }
}

void Window::Open() {
    if (opened_) {
        return;
    }
    opened_ = true;
    show();
    for (Control* control : controls_) {
        control->RaiseOpen();
    }
    ArrangeTabOrder();
    Event_Open();
}

}  // namespace orvel
