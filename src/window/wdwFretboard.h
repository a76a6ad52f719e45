// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The fretboard window (Tools > Fretboard): the neck of the player's
// instrument, to see the main window's notes on and to play them in.
//
// It shows the ticked notes, spelled from the chosen root, and once a row
// is selected in the main window that row's scale from the row's own root:
// for a row found under another root, that root's notes, which the main
// window's stars cannot show. Places clicked on the neck (or Space on the
// focus mark) are played like a chord shape: a note stays ticked while any
// of its places is marked, and the window asks for the ticks so changed
// (notesRequested).

#include <QLabel>
#include <optional>

#include "platform/AccidentalsLabel.h"
#include "scales/PitchClassesAboveC.h"
#include "scales/ScaleRow.h"
#include "window/FretboardPanel.h"
#include "window/ToolWindow.h"

namespace orvel {

class wdwFretboard : public ToolWindow {
    Q_OBJECT

  public:
    explicit wdwFretboard(QWidget* parent);

    // What the main window shows: its ticks, and the row selected there.
    void FollowTicks(const Ticks& ticks);
    void FollowRow(const std::optional<ScaleRow>& selected);

    FretboardPanel& Panel() const { return *panel_; }
    Fretboard& Board() const { return panel_->Board(); }
    QString Showing() const { return showing_->PlainText(); }
    QString Hint() const { return hint_->text(); }
    QWidget& FocusTarget() const override { return Board(); }

  signals:
    // The notes to tick, under the main window's root.
    void notesRequested(orvel::PitchClassesAboveC notes);

  private:
    void Refill();
    void ShowHint();

    Ticks ticks_;
    std::optional<ScaleRow> selected_;
    AccidentalsLabel* showing_;
    FretboardPanel* panel_;
    QLabel* hint_;
};

}  // namespace orvel
