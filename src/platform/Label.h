// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A static text, drawn from the top of its box. Caption and Text are the
// same text under two names. A TextColor of black, the layouts' default,
// leaves the text in the palette's colour, so that it follows a dark theme;
// another colour is kept, as ShownColour has it, through palette changes.

#include <QLabel>
#include <optional>

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
    void changeEvent(QEvent* event) override;
    // The colour drawn for the one asked for, on this palette.
    virtual QColor ShownColour(const QColor& asked) const { return asked; }
    QString KindName() const override { return "Label"; }

  private:
    void ShowColour();

    std::optional<QColor> asked_;  // a TextColor other than black
};

}  // namespace orvel
