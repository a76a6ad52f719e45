// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A static text, drawn from the top of its box. Caption and Text are the
// same text under two names.

#include <QLabel>

#include "platform/Control.h"

namespace orvel {

class Label : public QLabel, public Control {
  public:
    Label(Window& window, std::int64_t index = kNoIndex);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) { setText(caption); }

    QColor TextColor() const { return palette().color(QPalette::WindowText); }

  protected:
    bool ApplyOwn(const Property& property) override;
    QString KindName() const override { return "Label"; }
};

}  // namespace orvel
