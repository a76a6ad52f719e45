// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A fretboard with the controls a player sets it up by: the instrument and
// its tuning (a preset, or "Custom" typed as pitches), the number of frets,
// what the marks say, and a left-handed view. The choices last as long as
// the panel, which its window keeps while the program runs. A neck too long
// for the panel scrolls across.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSpinBox>
#include <QWidget>

#include "window/Fretboard.h"

namespace orvel {

class FretboardPanel : public QWidget {
  public:
    explicit FretboardPanel(QWidget* parent);

    Fretboard& Board() const { return *board_; }
    QComboBox& Instrument() const { return *instrument_; }
    QLineEdit& CustomTuning() const { return *custom_; }
    QSpinBox& FretCount() const { return *frets_; }
    QComboBox& LabelChoice() const { return *labels_; }
    QCheckBox& LeftHanded() const { return *leftHanded_; }
    // Why the custom tuning typed was refused; empty once one is read.
    QString TuningError() const { return error_->text(); }

  private:
    // Reads the controls into the fretboard; a custom tuning that cannot
    // be read leaves the neck as it was and says why.
    void Apply();

    Fretboard* board_;
    QScrollArea* scroller_;
    QComboBox* instrument_;
    QLineEdit* custom_;
    QLabel* error_;
    QSpinBox* frets_;
    QComboBox* labels_;
    QCheckBox* leftHanded_;
};

}  // namespace orvel
