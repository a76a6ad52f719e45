// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The windows beside the main one, and how they work together. Start-up
// makes one ToolWindows for the main window; it makes each tool window the
// first time the user asks for it (Tools menu, a row opened in detail),
// opens it beside the main window (WindowPlacement), and wires the windows
// by their signals, so that none calls into another:
//
//   main window  ticksChanged   -> details (dots, notes beyond), fretboard
//                rowSelected    -> fretboard
//                detailsAsked   -> details
//   chords, melody,     detailsRequested -> details, with the main
//   listen, Find Scale
//                                           window's ticks if it brings none
//                       notesRequested   -> main window (TickNotes), raised
//   fretboard    notesRequested -> main window (TickNotes)
//   details      spellingChanged -> main window (Copy Notes)
//
// A sound that cannot be made is said over the window its Play was pressed
// in: the details window, or the main window (Space on a row).
//
// The windows are children of the main window and go with it.

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "audio/Playback.h"
#include "scales/ScaleRow.h"
#include "window/wdwChords.h"
#include "window/wdwDetails.h"
#include "window/wdwFindScale.h"
#include "window/wdwFretboard.h"
#include "window/wdwListen.h"
#include "window/wdwMain.h"
#include "window/wdwMelody.h"

namespace orvel {

class ToolWindows : public QObject {
  public:
    // Shows a message over a window, as wdwMain::Services::showMessage.
    using ShowMessage = decltype(wdwMain::Services::showMessage);

    // `main`, `playback` and `midi` (nullptr where there is none) outlive
    // this object, which `main` owns; `listening` is the listen window's.
    ToolWindows(wdwMain& main, Playback& playback, ShowMessage showMessage,
                MidiKeyboard* midi = nullptr, ListeningService listening = LoadListening);

    // Each window, once made; else nullptr.
    wdwDetails* Details() const { return details_; }
    wdwChords* Chords() const { return chords_; }
    wdwMelody* MelodyWindow() const { return melody_; }
    wdwListen* Listen() const { return listen_; }
    wdwFindScale* FindScale() const { return findScale_; }
    wdwFretboard* Fretboard() const { return fretboard_; }

    void OpenChords();
    void OpenMelody();
    void OpenListen();
    void OpenFindScale();
    void OpenFretboard();
    void ShowDetails(ScaleRow row);

  private:
    // Makes `window` with `make` on first use, then shows it, placed
    // beside the main window when it was not open, with the focus in it.
    template <typename Tool, typename Make>
    Tool& Open(Tool*& window, const Make& make);
    void Place(QWidget& window) const;
    void TickInMain(PitchClassesAboveC notes, std::optional<PitchClass> root);

    wdwMain& main_;
    Playback& playback_;
    ShowMessage showMessage_;
    MidiKeyboard* midi_;
    ListeningService listening_;
    Ticks ticks_;  // the main window's, as last announced
    std::optional<ScaleRow> selected_;
    wdwDetails* details_ = nullptr;  // each owned by the main window, as a child
    wdwChords* chords_ = nullptr;
    wdwMelody* melody_ = nullptr;
    wdwListen* listen_ = nullptr;
    wdwFindScale* findScale_ = nullptr;
    wdwFretboard* fretboard_ = nullptr;
};

}  // namespace orvel
