// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The chord window (Tools > Scales for Chords…): a line to type chords in,
// or the notes of a melody, and the scales that fit them, ranked by
// RankScales: "Fits the Whole Progression", "Missing One Note", and for the
// chord selected in the progression's row of chords, its chord-scales.
//
// Results follow the typing after a short pause. A chord that cannot be read
// is marked with the reason; the others are still ranked. Double-click or
// Enter on a scale asks for the details window; "Show in Main Window" asks
// for that scale's root and the progression's notes in the main window. The
// main window answers both (detailsRequested, notesRequested).

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QWidget>
#include <optional>
#include <vector>

#include "matching/RankScales.h"
#include "scales/TScale.h"
#include "theory/Progression.h"
#include "window/wdwDetails.h"

namespace orvel {

class wdwChords : public QWidget {
    Q_OBJECT

  public:
    // At most this many rows a list shows; the caption says how many more.
    static constexpr int kShownRows = 500;

    // `catalogue` is the main window's, which outlives this window.
    wdwChords(const std::vector<TScale>& catalogue, QWidget* parent);

    // Reads the line and ranks at once, as the pause after typing does.
    void Refresh();

    QLineEdit& Line() const { return *line_; }
    QTableWidget& Fits() const { return *fits_; }
    QTableWidget& Nearly() const { return *nearly_; }
    QTableWidget& ChordScaleList() const { return *chordScales_; }
    QListWidget& ChordList() const { return *chords_; }
    const Progression& Read() const { return progression_; }

  signals:
    void detailsRequested(const orvel::wdwDetails::Row& row);
    // The notes (pitch classes above C) to tick, and the root to choose.
    void notesRequested(orvel::PitchClassesAboveC notes, int root);

  private:
    void ShowChordScales();
    // The rows, with the notes each adds beyond `against`, or the note it
    // misses.
    void Fill(QTableWidget& table, QLabel& caption, const QString& title,
              const std::vector<RankedScale>& rows, PitchClassesAboveC against, bool missing);
    // The selected chord's place among the chords that could be read.
    std::optional<std::size_t> SelectedChord() const;
    std::optional<RankedScale> SelectedScale() const;
    wdwDetails::Row RowOf(const RankedScale& scale) const;
    void OpenDetails(QTableWidget& table);

    const std::vector<TScale>& catalogue_;
    Progression progression_;
    ChordScales ranked_;
    QLineEdit* line_;
    QButtonGroup* readAs_;
    QListWidget* chords_;
    QLabel* fitsCaption_;
    QTableWidget* fits_;
    QLabel* nearlyCaption_;
    QTableWidget* nearly_;
    QLabel* chordScalesCaption_;
    QTableWidget* chordScales_;
    QPushButton* showInMain_;
    QTimer pause_;
    QTableWidget* lastTable_ = nullptr;  // where a scale was last selected
};

}  // namespace orvel
