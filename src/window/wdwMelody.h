// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The melody window (Tools > Scales for a Melody…): a tune from a MIDI or
// MusicXML file (opened, or dropped on the window) or played in on the MIDI
// keyboard (Record, then Stop), and the answers of RankMelody: the profile
// as bars over a keyboard, the key, the "Best Fits" and the scales that
// hold every kept note. The tracks or parts to hear are ticked; a
// threshold leaves out passing notes; the sections, a few bars each with
// their key, are a strip to click: a section's answer replaces the whole
// piece's until "Whole Piece" is clicked again.
//
// A file is read, and answered for the whole piece, on another thread, a
// busy bar showing, so that the window answers while a long file reads. Double-click or Enter on a
// scale asks for the details window; "Show in Main Window" asks for the kept notes with the key's
// tonic as root (detailsRequested, notesRequested).

#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "matching/RankMelody.h"
#include "midi/MidiEvent.h"
#include "platform/AccidentalsLabel.h"
#include "platform/TableModel.h"
#include "scales/ScaleRow.h"
#include "scales/TScale.h"
#include "theory/Melody.h"
#include "theory/PlayedPhrase.h"
#include "theory/Progression.h"
#include "window/ProfileBars.h"
#include "window/ToolWindow.h"

namespace orvel {

class MidiKeyboard;

class wdwMelody : public ToolWindow {
    Q_OBJECT

  public:
    // `catalogue` is the main window's, which outlives this window; so does
    // `midi`, the program's keyboard, or nullptr where there is none.
    wdwMelody(const std::vector<TScale>& catalogue, MidiKeyboard* midi, QWidget* parent);
    ~wdwMelody() override;

    // Reads the file on another thread; the window fills once it is read,
    // or says why it could not be.
    void Open(const QString& path);
    // A file is being read: the window shows it when it is.
    bool Reading() const { return reading_; }
    // Shows a melody, named by where it came from.
    void ShowMelody(Melody melody, const QString& source);

    const MelodyAnswer& Answer() const { return answer_; }
    QPushButton& OpenButton() const { return *open_; }
    QPushButton& RecordButton() const { return *record_; }
    QPushButton& ShowInMainButton() const { return *showInMain_; }
    QLabel& Source() const { return *source_; }
    QLabel& Status() const { return *status_; }
    QProgressBar& Busy() const { return *busy_; }
    QListWidget& Parts() const { return *parts_; }
    QSpinBox& Threshold() const { return *threshold_; }
    QSpinBox& BarsPerSection() const { return *barsPerSection_; }
    ProfileBars& Profile() const { return *profile_; }
    AccidentalsLabel& KeyLabel() const { return *key_; }
    QListWidget& Sections() const { return *sections_; }
    QTableView& BestFits() const { return *best_; }
    QTableView& Fits() const { return *fits_; }
    QWidget& FocusTarget() const override { return *open_; }

  signals:
    void detailsRequested(const orvel::ScaleRow& row);
    // The notes to tick, and the root to choose.
    void notesRequested(orvel::PitchClassesAboveC notes, orvel::PitchClass root);

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // A file read, and answered for the whole piece, away from the window.
    struct ReadResult {
        std::shared_ptr<const Melody> melody;
        std::string error;
        MelodyQuery query;
        MelodyAnswer whole;
    };

    void ChooseFile();
    void Read();
    // Shows a melody; `whole`, where given, is its answer for `asked`.
    void Present(std::shared_ptr<const Melody> melody, const QString& source,
                 std::optional<std::pair<MelodyQuery, MelodyAnswer>> whole = std::nullopt);
    void ToggleRecording(bool on);
    void TakeMidi(const std::vector<MidiEvent>& events);
    // The parts, threshold and section as chosen, and the answers again.
    MelodyQuery Query(bool wholePiece) const;
    void Rank();
    // The sections of whole_, and the answer for the one chosen.
    void ShowRanked();
    void ShowAnswer();
    void OpenDetails(QTableView& table);
    std::optional<ScaleRow> SelectedRow(QTableView& table) const;
    // The kept notes as a line of notes, spelled in the keys.
    Progression KeptLine() const;

    const std::vector<TScale>& catalogue_;
    std::shared_ptr<const Melody> melody_;
    MelodyAnswer whole_;   // the chosen parts, the whole piece: the sections
    MelodyAnswer answer_;  // what is shown: the whole piece or a section
    Progression kept_;
    std::optional<std::size_t> section_;
    PlayedPhrase phrase_;
    QElapsedTimer clock_;
    QString pendingSource_;
    QFutureWatcher<ReadResult> watcher_;
    bool reading_ = false;

    QPushButton* open_;
    QPushButton* record_;
    QLabel* source_;
    QProgressBar* busy_;
    QLabel* status_;
    QListWidget* parts_;
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
    QTableView* lastTable_ = nullptr;
};

}  // namespace orvel
