// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The fretboard window (Tools > Fretboard): the neck of the player's
// instrument, to see the main window's notes on and to tick them by.
//
// It shows the ticked notes, spelled from the chosen root, and once a row
// is selected in the main window that row's scale from the row's own root:
// for a row found under another root, that root's notes, which the main
// window's stars cannot show. A click on a place, or Space on the focus
// mark, asks the main window to toggle that pitch class (noteToggled); the
// main window then tells this window what it shows.

#include <QWidget>
#include <optional>

#include "platform/AccidentalsLabel.h"
#include "scales/PitchClassSet.h"
#include "window/FretboardPanel.h"
#include "window/wdwDetails.h"

namespace orvel {

class wdwFretboard : public QWidget {
    Q_OBJECT

  public:
    explicit wdwFretboard(QWidget* parent);

    // What the main window shows: the ticked notes (pitch classes above C)
    // under the chosen root, and the selected row if there is one.
    void Follow(PitchClassesAboveC ticked, int chosenRoot,
                const std::optional<wdwDetails::Row>& selected);

    FretboardPanel& Panel() const { return *panel_; }
    Fretboard& Board() const { return panel_->Board(); }
    QString Showing() const { return showing_->PlainText(); }

  signals:
    void noteToggled(int pitchClass);

  private:
    AccidentalsLabel* showing_;
    FretboardPanel* panel_;
};

}  // namespace orvel
