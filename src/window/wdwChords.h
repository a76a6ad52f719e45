// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The chord window (Tools > Scales for Chords…): a field to type chords or
// paste a lead sheet in (bar lines, line breaks, "%" repeats), or the notes
// of a melody, and the answers of RankScales, the musician's first: the
// key, the "Best Fits" (each with the notes it leaves out and their
// chords), then "Fits the Whole Progression", "Missing One Note", and for
// the chord selected in the progression's row of chords, its chord-scales.
// Roots are named as the key and the chords name them (RootName.h).
//
// Results follow the typing after a short pause. A chord that cannot be read
// is marked with the reason; the others are still ranked. Double-click or
// Enter on a scale asks for the details window; "Show in Main Window" asks
// for that scale's root and the progression's notes in the main window
// (detailsRequested, notesRequested). Every scale ranked is listed.
// "Export…" writes the progression as a MIDI file (each chord for the
// beats it is played), or the first best fit as MusicXML or MIDI.

#include <QButtonGroup>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "matching/RankScales.h"
#include "platform/AccidentalsLabel.h"
#include "platform/ListRows.h"
#include "platform/TableModel.h"
#include "scales/ScaleRow.h"
#include "scales/TScale.h"
#include "theory/NoteName.h"
#include "theory/Progression.h"
#include "window/ToolWindow.h"

namespace orvel {

class wdwChords : public ToolWindow {
    Q_OBJECT

  public:
    // `catalogue` is the main window's, which outlives this window.
    wdwChords(const std::vector<TScale>& catalogue, QWidget* parent);

    // Reads the line and ranks at once, as the pause after typing does.
    void Refresh();

    QPlainTextEdit& Line() const { return *line_; }
    AccidentalsLabel& KeyLabel() const { return *key_; }
    QTableView& BestFits() const { return *best_; }
    QTableView& Fits() const { return *fits_; }
    QTableView& Nearly() const { return *nearly_; }
    QTableView& ChordScaleList() const { return *chordScales_; }
    QListWidget& ChordList() const { return *chords_; }
    const Progression& Read() const { return progression_; }
    QWidget& FocusTarget() const override { return *line_; }
    QPushButton& ExportButton() const { return *export_; }

    enum class ExportFormat { ProgressionMidi, BestFitMusicXml, BestFitMidi };
    // Writes what `format` names to `path`, whole or not at all; what went
    // wrong, or nothing.
    std::optional<QString> ExportTo(const QString& path, ExportFormat format) const;

  signals:
    void detailsRequested(const orvel::ScaleRow& row);
    // The notes to tick, and the root to choose.
    void notesRequested(orvel::PitchClassesAboveC notes, orvel::PitchClass root);

  private:
    // A scale chosen in one of the tables.
    struct Chosen {
        std::uint32_t entry;
        NoteName root;  // as the table names it
    };

    void ShowKeyAndBestFits();
    void ShowChordScales();
    // The selected chord's place among the chords that could be read.
    std::optional<std::size_t> SelectedChord() const;
    std::optional<Chosen> SelectedScale() const;
    ScaleRow RowOf(const Chosen& scale) const;
    void OpenDetails(QTableView& table);
    void ChooseExport();

    const std::vector<TScale>& catalogue_;
    Progression progression_;
    ChordScales ranked_;
    QPlainTextEdit* line_;
    QButtonGroup* readAs_;
    QListWidget* chords_;
    AccidentalsLabel* key_;
    TableModel bestModel_;
    TableModel fitsModel_;
    TableModel nearlyModel_;
    TableModel chordScalesModel_;
    QLabel* bestCaption_;
    QTableView* best_;
    QLabel* fitsCaption_;
    QTableView* fits_;
    QLabel* nearlyCaption_;
    QTableView* nearly_;
    QLabel* chordScalesCaption_;
    QTableView* chordScales_;
    QPushButton* showInMain_;
    QPushButton* export_;
    QTimer pause_;
    QTableView* lastTable_ = nullptr;  // where a scale was last selected
};

}  // namespace orvel
