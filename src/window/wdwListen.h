// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The listen window (Tools > Listen…): sound heard as a melody (one voice)
// or as chords, and its answers as the melody window gives them
// (MelodyAnswerView).
//
//   - From an audio input, chosen from those the sound server has (the
//     default first): Start, then Stop. While it listens, a level meter,
//     the note heard now (spelled in the key heard so far, with its cents
//     off), the last notes as a strip, and the answers, updated twice a
//     second.
//   - From a recording opened or dropped on the window, heard on another
//     thread with its progress shown; the sections are the melody
//     window's, a bar every two seconds.
// Without any audio input the window says so, and recordings still work.
//
// The window asks only the listening service it is given (Listening.h),
// on other threads where that may take long (loading it, asking the sound
// server for its inputs, hearing a recording); the microphone hears on a
// thread of its own, and the window looks at it 50 times a second.

#include <QComboBox>
#include <QFutureWatcher>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "listening/Listening.h"
#include "theory/Progression.h"
#include "window/MelodyAnswerView.h"
#include "window/ToolWindow.h"

namespace orvel {

// The program's listening; throws ListenError where it cannot be had.
using ListeningService = std::function<Listening&()>;

class wdwListen : public ToolWindow {
    Q_OBJECT

  public:
    static constexpr int kLookMs = 20;       // how often the microphone is looked at
    static constexpr int kAnswerEvery = 25;  // looks between answers: half a second
    static constexpr int kRecentNotes = 12;  // in the strip

    // `catalogue` is the main window's, which outlives this window.
    wdwListen(const std::vector<TScale>& catalogue, ListeningService listening, QWidget* parent);
    ~wdwListen() override;

    // Hears the recording on another thread; the window fills once it is
    // heard, or says why it could not be.
    void Open(const QString& path);
    bool Hearing() const { return hearing_; }
    // Listening to the input chosen, until Stop.
    bool Listening() const { return microphone_ != nullptr; }
    // The inputs are known (there may be none).
    bool InputsKnown() const { return inputsKnown_; }

    ListenMode Mode() const;
    const MelodyAnswer& Answer() const { return answers_->Answer(); }
    const Heard& LastHeard() const { return heard_; }
    MelodyAnswerView& Answers() const { return *answers_; }
    QComboBox& ModeChoice() const { return *mode_; }
    QComboBox& Inputs() const { return *inputs_; }
    QPushButton& StartButton() const { return *start_; }
    QPushButton& OpenButton() const { return *open_; }
    QProgressBar& Level() const { return *level_; }
    QProgressBar& Progress() const { return *progress_; }
    QLabel& NoteNow() const { return *noteNow_; }
    QLabel& RecentNotes() const { return *recent_; }
    QLabel& Source() const { return *source_; }
    QLabel& Status() const { return *status_; }
    QWidget& FocusTarget() const override { return *start_; }

  signals:
    void detailsRequested(const orvel::ScaleRow& row);
    void notesRequested(orvel::PitchClassesAboveC notes, orvel::PitchClass root);

  protected:
    void OpenDropped(const QString& path) override { Open(path); }
    void hideEvent(QHideEvent* event) override;

  private:
    struct HeardFile {
        std::optional<Heard> heard;
        std::string error;
    };
    struct FoundInputs {
        std::vector<AudioInput> inputs;
        std::string problem;  // why there are none, where something went wrong
    };

    void ChooseFile();
    void AskInputs();
    void ToggleListening(bool on);
    void Look();
    void ShowHeard(Heard heard, const QString& source);
    void Say(const QString& text, bool isError = false);

    ListeningService listening_;
    std::unique_ptr<Microphone> microphone_;
    Heard heard_;
    Progression kept_;  // the answer's kept notes, to spell the note heard now
    QTimer look_;
    int looks_ = 0;
    QFutureWatcher<HeardFile> hearingWatcher_;
    QFutureWatcher<FoundInputs> inputsWatcher_;
    std::shared_ptr<std::atomic<double>> heardShare_;
    std::shared_ptr<std::atomic<bool>> stopHearing_;
    QString pendingSource_;
    QString lastFile_;  // heard again when the mode changes
    bool hearing_ = false;
    bool inputsKnown_ = false;

    QComboBox* mode_;
    QComboBox* inputs_;
    QPushButton* start_;
    QPushButton* open_;
    QProgressBar* level_;
    QLabel* noteNow_;
    QLabel* recent_;
    QLabel* source_;
    QProgressBar* progress_;
    QLabel* status_;
    MelodyAnswerView* answers_;
};

}  // namespace orvel
