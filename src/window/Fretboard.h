// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The neck of a fretted instrument, drawn as a player sees it: string 1 on
// top, the nut on the left (on the right when left-handed), frets spaced by
// the twelfth root of two, and the inlay dots at frets 3, 5, 7, 9, 12
// (double), 15, 17, 19, 21 and 24. The open strings lie left of the nut,
// and left of them each string's name in its tuning (E A D G B E), whatever
// the scale and its spelling.
//
// The notes of a scale are marks on every place they sound, labelled with
// their spelled names, their intervals above the root, or nothing; the
// root's marks are squares in another colour; the ticked notes carry an
// orange dot, as on the keyboard; the marks of the notes sounding light up
// with a ring. Lines fall on whole device pixels at any screen scale.
//
// When playable it is an instrument: a click on a place (or on an open
// string beside the nut) marks that place, and a second click unmarks it;
// Space does the same on the focus mark, which the arrow keys move. A
// pitch class counts as played while any place of it is marked, so a chord
// shape with doubled notes holds all its notes (placeToggled). Ticks
// changed elsewhere clear the marks whose notes are no longer ticked, and
// another tuning clears them all.
// Screen readers hear each place by string, fret and note.

#include <QColor>
#include <QList>
#include <QRect>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "scales/PitchClassSet.h"
#include "theory/SpelledScale.h"
#include "theory/Tuning.h"
#include "window/MarkColours.h"

namespace orvel {

class Fretboard : public QWidget {
    Q_OBJECT

  public:
    enum class Labels { Notes, Intervals, None };

    static inline const QColor kScaleMark{40, 110, 40};
    static inline const QColor kRootMark{150, 35, 35};
    static inline const QColor kTicked = kTickedColour;
    static inline const QColor kSounding = kSoundingColour;

    explicit Fretboard(QWidget* parent = nullptr);

    void SetTuning(const Tuning& tuning, int frets);
    void SetLeftHanded(bool leftHanded);
    void SetLabels(Labels labels);
    void SetPlayable(bool playable);
    // Marks `scale` (its root's marks standing out) and dots `ticked`
    // (pitch classes above C).
    void Show(const SpelledScale& scale, PitchClassesAboveC ticked);
    // Lights the places of these MIDI keys; a key the neck lacks lights its
    // places an octave or two nearer. None: no place is lit.
    void SetSounding(const QList<int>& midiKeys);
    bool IsLit(int string, int fret) const;
    // The places marked by hand, in the order they were marked.
    const std::vector<FretPosition>& Marked() const { return marked_; }
    // Where a string's name is written beside the nut.
    QRect NameRect(int string) const;

    const Tuning& CurrentTuning() const { return tuning_; }
    int Frets() const { return frets_; }
    bool LeftHanded() const { return leftHanded_; }
    Labels LabelsShown() const { return labels_; }

    // The place of string `string` (1 on top) and `fret` (0 the open
    // string): the area a click hits, and the mark drawn there.
    QRect PlaceRect(int string, int fret) const;
    QRect MarkRect(int string, int fret) const;
    // The place a point lies on, if any.
    std::optional<FretPosition> PlaceAt(QPoint point) const;
    // What the mark of a pitch class says; empty without a label or a mark.
    QString MarkLabel(PitchClass note) const;
    bool IsMarked(PitchClass note) const { return scale_.DegreeOf(note).has_value(); }
    // Where the focus mark stands, and what a screen reader hears of it.
    FretPosition Focus() const;
    QString Announcement(const FretPosition& place) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    // A place of `note` was marked or unmarked by hand; `stillPlayed` says
    // whether any place of that note is marked now.
    void placeToggled(orvel::PitchClass note, bool stillPlayed);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    static constexpr int kStringGap = 26;
    static constexpr int kTop = 16;
    static constexpr int kBottom = 24;  // the fret numbers
    static constexpr int kSide = 8;
    static constexpr int kNameWidth = 22;
    static constexpr int kOpenWidth = 34;

    // The width for a board whose narrowest place is `narrowest` wide.
    int WidthFor(int narrowest) const;
    // Across the widget from the nut's side, before mirroring: the nut,
    // and wire `fret` (the fret wire that ends place `fret`).
    double NutX() const;
    double WireX(int fret) const;
    int StringY(int string) const;
    // A span across, mirrored when left-handed.
    QRectF Across(double left, double right, double top, double bottom) const;
    int MarkSize() const;
    void MoveFocus(int strings, int frets);
    void Announce();
    // Marks or unmarks a place by hand.
    void TogglePlace(const FretPosition& place);

    Tuning tuning_;
    int frets_ = kDefaultFrets;
    bool leftHanded_ = false;
    Labels labels_ = Labels::Notes;
    bool playable_ = false;
    SpelledScale scale_;
    PitchClassesAboveC ticked_;
    QList<int> lit_;  // the MIDI keys whose places are lit
    FretPosition focus_;
    std::vector<FretPosition> marked_;
};

}  // namespace orvel
