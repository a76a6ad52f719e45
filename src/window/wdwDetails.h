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
//
// Above the keyboard the scale is written on a staff (StaffView): one
// octave up from the root, and down again with "Descending", in the clef
// chosen (a guitar or bass neck chooses treble 8vb), with its key signature
// where "Key Signature" is ticked. A click on a note plays it. "Export…"
// writes the scale as MusicXML, a MIDI file (the run as shown, then the
// ticked notes as a chord), an SVG, PNG or PDF picture of the staff, the
// keyboard and the neck as shown, or plain text; dragging the staff into
// another program drops the MIDI file.
//
// "Relations" shows, below the neck, the scale's modes, neighbours,
// parallels, chords on each degree and set-class facts (RelationsPanel):
// a scale there opens in this window on double-click or Enter, a chord
// sounds on click.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <vector>

#include "audio/Playback.h"
#include "platform/AccidentalsLabel.h"
#include "scales/PitchClassSet.h"
#include "scales/ScaleRow.h"
#include "theory/SpelledScale.h"
#include "window/FretboardPanel.h"
#include "window/PianoKeyboard.h"
#include "window/RelationsPanel.h"
#include "window/StaffView.h"
#include "window/ToolWindow.h"

namespace orvel {

class wdwDetails : public ToolWindow {
    Q_OBJECT

  public:
    // `catalogue` names the scales related to the one shown, and outlives
    // the window.
    wdwDetails(Playback& playback, const std::vector<TScale>& catalogue, QWidget* parent);

    // Shows `row`, which brings the ticks it was found by, and brings the
    // window to the front.
    void Show(const ScaleRow& row);
    // The main window's ticks changed: the dots and the notes beyond them
    // follow, for the row already shown.
    void SetTicked(const Ticks& ticks);

    const SpelledScale& Spelled() const { return spelled_; }
    // How roots on black keys are named: chosen in the window's "Spelling"
    // popup, it holds for every row shown, and for Copy Notes, until the
    // program ends.
    RootSpelling Spelling() const;
    const ScaleRow& Shown() const { return row_; }
    QWidget& FocusTarget() const override { return *play_; }
    // The playback's latest play was started here.
    bool StartedLatestPlay() const { return playback_.CurrentPlay() == ownPlay_; }
    QString NotesText() const { return notes_->PlainText(); }
    QString IntervalsText() const { return intervals_->PlainText(); }
    QString BeyondText() const { return added_->PlainText(); }
    PianoKeyboard& Keyboard() const { return *keyboard_; }
    StaffView& Staff() const { return *staff_; }
    QComboBox& ClefChoice() const { return *clef_; }
    QCheckBox& KeySignatureChoice() const { return *signature_; }
    QCheckBox& DescendingChoice() const { return *descending_; }
    QPushButton& ExportButton() const { return *export_; }
    QPushButton& RelationsButton() const { return *showRelations_; }
    RelationsPanel& Relations() const { return *relations_; }

    enum class ExportFormat { MusicXml, Midi, Svg, Png, Pdf, Text };
    // Writes the scale shown to `path` in `format`, whole or not at all;
    // what went wrong, or nothing.
    std::optional<QString> ExportTo(const QString& path, ExportFormat format) const;
    FretboardPanel& Neck() const { return *fretboard_; }

    static constexpr int kWidth = 760;

  signals:
    void spellingChanged(orvel::RootSpelling spelling);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // Fills the window from row_, where it stands.
    void Fill();
    void PlayScale();
    void PlayChord();
    void ChooseExport();
    // The scale as the staff shows it: a MIDI clip and a picture.
    std::vector<std::uint8_t> MidiFile() const;
    QByteArray Picture(ExportFormat format) const;

    Playback& playback_;
    const std::vector<TScale>& catalogue_;
    ScaleRow row_;
    SpelledScale spelled_;
    AccidentalsLabel* title_;
    AccidentalsLabel* notes_;
    QLabel* intervalsCaption_;
    AccidentalsLabel* intervals_;
    QLabel* triadsCaption_;
    AccidentalsLabel* triads_;
    AccidentalsLabel* added_;
    StaffView* staff_;
    PianoKeyboard* keyboard_;
    FretboardPanel* fretboard_;
    QPushButton* play_;
    QPushButton* playChord_;
    QSpinBox* tempo_;
    QComboBox* spelling_;
    QComboBox* clef_;
    QCheckBox* signature_;
    QCheckBox* descending_;
    QPushButton* export_;
    QTemporaryDir dragFolder_;  // the MIDI files dragged out
    QPushButton* showRelations_;
    RelationsPanel* relations_;
    int ownPlay_ = -1;  // the playback's number for this window's latest play
};

}  // namespace orvel
