// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A melody's profile as bars over a keyboard: twelve columns from C, each
// a key of one octave (white or black, named as the key spells it) with a
// bar above it as tall as its note's weight. Notes kept above the threshold
// are drawn in the scale's green, those left out in grey, and a dashed
// line marks the threshold.

#include <QString>
#include <QWidget>
#include <array>

#include "scales/PitchClassesAboveC.h"
#include "theory/NoteWeights.h"

namespace orvel {

class ProfileBars : public QWidget {
  public:
    static inline const QColor kKept{40, 110, 40};
    static inline const QColor kLeftOut{185, 185, 185};

    explicit ProfileBars(QWidget* parent = nullptr);

    // `names` C first; `threshold` a share of the whole weight.
    void Show(const NoteWeights& weights, PitchClassesAboveC kept, double threshold,
              const std::array<QString, 12>& names);

    // Where the bar of pitch class c is drawn (empty for no weight), and its key.
    QRect BarRect(int c) const;
    QRect KeyRect(int c) const;
    int ThresholdY() const;

    QSize sizeHint() const override { return {480, 150}; }
    QSize minimumSizeHint() const override { return {240, 130}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int KeyHeight() const;
    double Highest() const;

    NoteWeights weights_;
    PitchClassesAboveC kept_;
    double threshold_ = 0;
    std::array<QString, 12> names_;
};

}  // namespace orvel
