// SPDX-License-Identifier: GPL-3.0-or-later
// Orvel Modalune: which scales of a catalogue fit a set of notes.
//
// How the parts meet, in the order data flows:
//   "Orvel Scales.csv"  -> LoadScales (src/scales)    -> wdwMain::Scale, a vector of TScale
//   the window's controls -> TScaleQuery -> MatchScales (src/matching) -> TMatchResult
//   TMatchResult -> MatchListRows (src/window) -> the two ListBox controls (src/platform)
//   selecting a containing row -> its decimal set -> the green stars
//
// Start-up: the application object with its version data and the shared
// menu bar, then the main window (which loads the catalogue when it opens),
// then the event loop until File > Exit or the window closes.

#include "app/StartUp.h"

int main(int argc, char** argv) {
    return orvel::RunApplication(argc, argv);
}
