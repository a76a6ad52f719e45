// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A label for text that may hold accidentals, whose signs it sets readable
// (see ReadableAccidentals.h). PlainText is the text as given, as selecting
// and copying it also give it.

#include <QLabel>

namespace orvel {

class AccidentalsLabel : public QLabel {
  public:
    explicit AccidentalsLabel(QWidget* parent, const QString& text = {});

    void SetPlainText(const QString& text);
    const QString& PlainText() const { return plain_; }

  private:
    QString plain_;
};

}  // namespace orvel
