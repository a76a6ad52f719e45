// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AccidentalsLabel.h"

#include "platform/ReadableAccidentals.h"

namespace orvel {

AccidentalsLabel::AccidentalsLabel(QWidget* parent, const QString& text) : QLabel(parent) {
    setTextFormat(Qt::RichText);
    SetPlainText(text);
}

void AccidentalsLabel::SetPlainText(const QString& text) {
    plain_ = text;
    setText(RichWithReadableAccidentals(text));
}

}  // namespace orvel
