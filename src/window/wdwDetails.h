// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The details window: one scale of a result row, spelled from the row's own
// root. It shows the scale's name, bank and root, its notes and intervals,
// for seven-note scales the triad on each degree, the notes it adds beyond
// the ticked ones, and a keyboard of two octaves with the scale's keys and
// the ticked notes marked. One window, not modal; opening another row
// replaces what it shows. "Play" plays the scale up and down at the tempo
// set here, "Play Chord" the ticked notes together; what they do is the main
// window's (the callbacks below), and so is stopping when this one closes.

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QWidget>
#include <functional>

#include "scales/PitchClassSet.h"
#include "theory/SpelledScale.h"
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
    };

    explicit wdwDetails(QWidget* parent = nullptr);

    void Show(const Row& row);

    const SpelledScale& Spelled() const { return spelled_; }
    const Row& Shown() const { return row_; }
    // Beats per minute; each note of a scale lasts an eighth.
    int Tempo() const { return tempo_->value(); }
    // Shows whether something plays, on the Play button.
    void SetPlaying(bool playing);

    std::function<void()> PlayPressed;
    std::function<void()> PlayChordPressed;
    std::function<void()> Closed;
    QString NotesText() const { return notes_->text(); }
    PianoKeyboard& Keyboard() const { return *keyboard_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    Row row_;
    SpelledScale spelled_;
    QLabel* title_;
    QLabel* notes_;
    QLabel* intervals_;
    QLabel* triadsCaption_;
    QLabel* triads_;
    QLabel* added_;
    PianoKeyboard* keyboard_;
    QPushButton* play_;
    QPushButton* playChord_;
    QSpinBox* tempo_;
};

}  // namespace orvel
