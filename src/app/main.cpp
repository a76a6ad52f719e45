// SPDX-License-Identifier: GPL-3.0-or-later
// Orvel Modalune: which scales of a catalogue fit a set of notes.
//
// How the parts meet, in the order data flows:
//   "Orvel Scales.csv"  -> LoadScales (src/scales)    -> wdwMain::Scale, a vector of TScale
//   the window's controls -> TScaleQuery -> MatchScales (src/matching) -> TMatchResult
//   TMatchResult -> MatchListRows (src/window) -> the two ListBox controls (src/platform)
//   selecting a containing row -> its decimal set -> the green stars
//   wdwMain's signals (ticks, selected row, a row opened) -> ToolWindows -> the
//     details, chord, Find Scale and fretboard windows; their requests ->
//     ToolWindows -> wdwMain::TickNotes, the one road for notes from outside
//
// Start-up: the application object with its version data and the shared
// menu bar, then the main window (which loads the catalogue when it opens)
// with its ToolWindows, then the event loop until File > Exit or the window closes.

#include "app/StartUp.h"

int main(int argc, char** argv) {
    return orvel::RunApplication(argc, argv);
}
