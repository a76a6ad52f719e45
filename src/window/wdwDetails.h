// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The details window: one scale of a result row, spelled from the row's own
// root. It shows the scale's name, bank and root, its notes and intervals,
// for seven-note scales the triad on each degree, the notes it adds beyond
// the ticked ones, and a keyboard of two octaves with the scale's keys and
// the ticked notes marked, and the neck of an instrument with the same
// marks (see FretboardPanel). Its width is the same for every row; long
// names wrap. One window, not modal; opening another row
// replaces what it shows; Escape or Ctrl+W closes it. "Play" (which reads
// "Stop" while anything sounds) plays the scale up and down from its root at
// the tempo set here, "Play Chord" the ticked notes together from the chosen
// root; pressed again while anything plays, either stops it, and so does
// closing the window. While its own play sounds, each note lights its key
// and its places on the neck. The sound goes through the program's Playback, whose
// tempo the spin box shows and sets.

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QWidget>

#include "audio/Playback.h"
#include "platform/AccidentalsLabel.h"
#include "scales/PitchClassSet.h"
#include "theory/SpelledScale.h"
#include "window/FretboardPanel.h"
#include "window/PianoKeyboard.h"

namespace orvel {

class wdwDetails : public QWidget {
  public:
    // What a row says about its scale.
    struct Row {
        QString bank;
        QString scale;
        PitchClassSet notes = 0;             // from the scale's root, as catalogued
        int root = 0;                        // the row's root, a pitch class above C
        PianoKeyboard::PitchClasses ticked;  // the ticked notes, pitch classes above C
        int chosenRoot = 0;                  // the root popup's, a pitch class above C
    };

    wdwDetails(Playback& playback, QWidget* parent);

    // Shows `row` and brings the window to the front.
    void Show(const Row& row);
    // The main window's ticks changed: the dots and the notes beyond them
    // follow, for the row already shown.
    void SetTicked(PitchClassesAboveC ticked, int chosenRoot);

    // A row's notes spelled from its own root: a chord's as stacked thirds.
    static SpelledScale SpelledRow(const Row& row, RootSpelling spelling);
    // What Play sounds for a row: its scale up and down from its root.
    static std::vector<TimedNote> ScaleRunOf(const Row& row, int beatsPerMinute);

    const SpelledScale& Spelled() const { return spelled_; }
    // How roots on black keys are named: chosen in the window's "Spelling"
    // popup, it holds for every row shown, and for Copy Notes, until the
    // program ends.
    RootSpelling Spelling() const;
    const Row& Shown() const { return row_; }
    QString NotesText() const { return notes_->PlainText(); }
    QString IntervalsText() const { return intervals_->PlainText(); }
    QString BeyondText() const { return added_->PlainText(); }
    PianoKeyboard& Keyboard() const { return *keyboard_; }
    FretboardPanel& Neck() const { return *fretboard_; }

    static constexpr int kWidth = 760;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // Fills the window from row_, where it stands.
    void Fill();
    void PlayScale();
    void PlayChord();

    Playback& playback_;
    Row row_;
    SpelledScale spelled_;
    AccidentalsLabel* title_;
    AccidentalsLabel* notes_;
    QLabel* intervalsCaption_;
    AccidentalsLabel* intervals_;
    QLabel* triadsCaption_;
    AccidentalsLabel* triads_;
    AccidentalsLabel* added_;
    PianoKeyboard* keyboard_;
    FretboardPanel* fretboard_;
    QPushButton* play_;
    QPushButton* playChord_;
    QSpinBox* tempo_;
    QComboBox* spelling_;
    int ownPlay_ = -1;  // the playback's number for this window's latest play
};

}  // namespace orvel
