// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The melody window (Tools > Scales for a Melody…): a tune from a MIDI or
// MusicXML file (opened, or dropped on the window) or played in on the MIDI
// keyboard (Record, then Stop), and its answers (MelodyAnswerView). The
// tracks or parts to hear are ticked.
//
// A file is read, and answered for the whole piece, on another thread, a
// busy bar showing, so that the window answers while a long file reads.

#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "matching/RankMelody.h"
#include "midi/MidiEvent.h"
#include "platform/AccidentalsLabel.h"
#include "scales/ScaleRow.h"
#include "scales/TScale.h"
#include "theory/Melody.h"
#include "theory/PlayedPhrase.h"
#include "window/MelodyAnswerView.h"
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

    const MelodyAnswer& Answer() const { return answers_->Answer(); }
    MelodyAnswerView& Answers() const { return *answers_; }
    QPushButton& OpenButton() const { return *open_; }
    QPushButton& RecordButton() const { return *record_; }
    QPushButton& ShowInMainButton() const { return answers_->ShowInMainButton(); }
    QLabel& Source() const { return *source_; }
    QLabel& Status() const { return *status_; }
    QProgressBar& Busy() const { return *busy_; }
    QListWidget& Parts() const { return *parts_; }
    QSpinBox& Threshold() const { return answers_->Threshold(); }
    ProfileBars& Profile() const { return answers_->Profile(); }
    AccidentalsLabel& KeyLabel() const { return answers_->KeyLabel(); }
    QListWidget& Sections() const { return answers_->Sections(); }
    QTableView& BestFits() const { return answers_->BestFits(); }
    QWidget& FocusTarget() const override { return *open_; }

  signals:
    void detailsRequested(const orvel::ScaleRow& row);
    // The notes to tick, and the root to choose.
    void notesRequested(orvel::PitchClassesAboveC notes, orvel::PitchClass root);

  protected:
    void OpenDropped(const QString& path) override { Open(path); }

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
    // The parts ticked: every part when all are.
    std::vector<std::size_t> TickedParts() const;

    const std::vector<TScale>& catalogue_;
    std::shared_ptr<const Melody> melody_;
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
    MelodyAnswerView* answers_;
};

}  // namespace orvel
