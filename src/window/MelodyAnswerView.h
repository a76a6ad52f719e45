// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The answers of RankMelody for a melody, as the melody and listen windows
// show them: the profile as bars over a keyboard, the key, the sections (a
// few bars each with their key: a strip to click, whose answer replaces the
// whole piece's until "Whole Piece" is clicked again), the "Best Fits" and
// the scales that hold every kept note. A threshold leaves out passing
// notes. Double-click or Enter on a scale asks for the details window;
// "Show in Main Window" asks for the kept notes with the key's tonic as
// root (detailsRequested, notesRequested).
//
// The window it is in places its own choices (the tracks to hear, say) at
// the front of Choices(), and says which parts to hear (SetParts).

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <memory>
#include <optional>
#include <vector>

#include "matching/RankMelody.h"
#include "platform/AccidentalsLabel.h"
#include "platform/TableModel.h"
#include "scales/ScaleRow.h"
#include "scales/TScale.h"
#include "theory/Melody.h"
#include "theory/Progression.h"
#include "window/ProfileBars.h"

namespace orvel {

class MelodyAnswerView : public QWidget {
    Q_OBJECT

  public:
    // `catalogue` is the main window's, which outlives this view.
    MelodyAnswerView(const std::vector<TScale>& catalogue, QWidget* parent);

    // Answers for `melody`: `whole`, where given, is its answer for the
    // query it names, found away from the window. A section chosen stays
    // chosen where `keepSection` and the melody still reaches it.
    void Show(std::shared_ptr<const Melody> melody,
              std::optional<std::pair<MelodyQuery, MelodyAnswer>> whole = std::nullopt,
              bool keepSection = false);
    // The parts to hear (Melody::parts; every part when empty).
    void SetParts(std::vector<std::size_t> parts);
    // The whole piece's query as chosen.
    MelodyQuery WholeQuery() const { return Query(true); }

    const MelodyAnswer& Answer() const { return answer_; }
    QHBoxLayout& Choices() const { return *choices_; }
    QSpinBox& Threshold() const { return *threshold_; }
    QSpinBox& BarsPerSection() const { return *barsPerSection_; }
    ProfileBars& Profile() const { return *profile_; }
    AccidentalsLabel& KeyLabel() const { return *key_; }
    QListWidget& Sections() const { return *sections_; }
    QTableView& BestFits() const { return *best_; }
    QTableView& Fits() const { return *fits_; }
    QPushButton& ShowInMainButton() const { return *showInMain_; }

  signals:
    void detailsRequested(const orvel::ScaleRow& row);
    // The notes to tick, and the root to choose.
    void notesRequested(orvel::PitchClassesAboveC notes, orvel::PitchClass root);

  private:
    MelodyQuery Query(bool wholePiece) const;
    void Rank();
    // The sections of whole_, and the answer for the one chosen.
    void ShowRanked();
    void ShowAnswer();
    void OpenDetails(QTableView& table);
    std::optional<ScaleRow> SelectedRow(QTableView& table) const;

    const std::vector<TScale>& catalogue_;
    std::shared_ptr<const Melody> melody_;
    std::vector<std::size_t> parts_;
    MelodyAnswer whole_;   // the chosen parts, the whole piece: the sections
    MelodyAnswer answer_;  // what is shown: the whole piece or a section
    Progression kept_;
    std::optional<std::size_t> section_;
    MelodyAnswer shownRows_;  // whose scales the tables list

    QHBoxLayout* choices_;
    QSpinBox* threshold_;
    QSpinBox* barsPerSection_;
    ProfileBars* profile_;
    AccidentalsLabel* key_;
    QListWidget* sections_;
    TableModel bestModel_;
    TableModel fitsModel_;
    QLabel* bestCaption_;
    QTableView* best_;
    QLabel* fitsCaption_;
    QTableView* fits_;
    QPushButton* showInMain_;
};

}  // namespace orvel
