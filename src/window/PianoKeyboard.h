// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A piano keyboard of two octaves from a root, drawn in vector form so it is
// crisp at any screen scale. The keys of a scale are coloured; the keys of
// the ticked notes also carry a dot, in another colour; the keys sounding
// light up in a third. Each C carries its
// name with its octave (C4 is middle C), as the keys sound when played: the
// root lies in the octave from middle C.

#include <QColor>
#include <QList>
#include <QRect>
#include <QWidget>

#include "scales/PitchClass.h"
#include "scales/PitchClassesAboveC.h"
#include "window/MarkColours.h"

namespace orvel {

class PianoKeyboard : public QWidget {
  public:
    using PitchClasses = PitchClassesAboveC;

    static constexpr int kKeys = 25;  // two octaves from the root, and the root above
    static inline const QColor kScaleWhite{150, 205, 150};
    static inline const QColor kScaleBlack{40, 110, 40};
    static inline const QColor kTicked = kTickedColour;
    static inline const QColor kSounding = kSoundingColour;

    explicit PianoKeyboard(QWidget* parent = nullptr);

    void Show(PitchClass root, PitchClasses scale, PitchClasses ticked);
    // Lights the keys of these MIDI keys; one beyond the two octaves shown
    // lights the key an octave or two nearer. None: no key is lit.
    void SetSounding(const QList<int>& midiKeys);
    bool IsLit(int key) const { return lit_.contains(key); }

    // Where key k (0 the root, 24 two octaves up) is drawn, and the dot that
    // marks it as ticked.
    QRect KeyRect(int key) const;
    QRect DotRect(int key) const;
    // The name key k carries ("C4" for middle C; empty but for the Cs), and
    // where it is written; k is -1 for the white key drawn before a root on
    // a black key.
    QString KeyName(int key) const;
    QRect NameRect(int key) const;

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    static constexpr int kWhiteWidth = 22;
    static constexpr int kWhiteHeight = 110;
    static constexpr int kBlackWidth = 14;
    static constexpr int kBlackHeight = 68;

    // Semitones from the first key drawn (a white key at or below the root)
    // to the root, and the number of keys drawn.
    int Lead() const;
    int DrawnKeys() const;
    QRect DrawnKeyRect(int drawn) const;  // counted from the first key drawn
    bool IsBlack(int drawn) const;

    PitchClass root_;
    PitchClasses scale_;
    PitchClasses ticked_;
    QList<int> lit_;  // keys counted from the root, as KeyRect counts them
};

}  // namespace orvel
