// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A scale on a five-line staff, drawn in vector form so that it is crisp
// at any screen scale: the clef, the key signature where the scale has one
// and it is asked for (KeySignature.h), then the notes as noteheads on
// their lines and spaces (Staff.h), with ledger lines and the accidentals
// the signature leaves to them, in Noto Music's signs. The root's
// noteheads take the root colour; a note sounding lights up; a click on a
// note asks for it to be played, and dragging from the staff drops a MIDI
// file of the scale (the file `dragFile` gives) in another program. The
// lines and signs take the palette's text colour, so the staff reads under
// a dark theme too. Screen readers get each note ("E♭4, third").

#include <QList>
#include <QPoint>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "theory/KeySignature.h"
#include "theory/Pitch.h"
#include "theory/Staff.h"

namespace orvel {

class StaffView : public QWidget {
    Q_OBJECT

  public:
    explicit StaffView(QWidget* parent = nullptr);

    // The notes in order, the root first, the clef, and the signature to
    // write (none: every accidental written); `degrees` names each note for
    // screen readers ("third").
    void Show(std::vector<Pitch> pitches, Clef clef, std::optional<KeySignature> signature,
              std::vector<QString> degrees);
    // Lights the notes of these MIDI keys; none, none lit.
    void SetSounding(const QList<int>& midiKeys);
    // Where a dragged scale comes from: a MIDI file written when the drag starts.
    void SetDragFile(std::function<QString()> dragFile) { dragFile_ = std::move(dragFile); }
    // The file a drag drops, written now; empty where there is none.
    QString DraggedFile() const { return dragFile_ ? dragFile_() : QString(); }

    const std::vector<Pitch>& Pitches() const { return pitches_; }
    // The y of a step's line or space (step 0 the bottom line), and where
    // note i's head, its accidental and the signature's signs are drawn.
    double StepY(int step) const;
    QRectF HeadRect(std::size_t note) const;
    QRectF AccidentalRect(std::size_t note) const;
    QList<QRectF> SignatureRects() const;
    bool IsLit(std::size_t note) const;
    QString NoteDescription(std::size_t note) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    static inline const QColor kRoot{150, 35, 35};

  signals:
    void notePressed(int midiKey);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    double NoteX(std::size_t note) const;
    double FirstNoteX() const;
    std::optional<std::size_t> NoteAt(QPointF point) const;

    std::vector<Pitch> pitches_;
    Clef clef_ = Clef::Treble;
    std::optional<KeySignature> signature_;
    std::vector<QString> degrees_;
    QList<int> sounding_;
    std::function<QString()> dragFile_;
    std::optional<QPoint> pressedAt_;
};

}  // namespace orvel
