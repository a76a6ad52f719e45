// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window: the root popup, the twelve pitch-class check boxes with
// their star labels, the two options, and the "Exact Match" and "Containing
// All Notes" lists.
//
// Its layout comes from MainWindowLayout; its behaviour is the handlers
// below. Opening loads the catalogue into Scale and names the check boxes
// from the root; every tick, root change or option change runs
// CompareScales, which matches the catalogue and refills both lists;
// selecting a containing row shows that scale's stars. The window owns Labels
// and Scale; the lists read their rows from the latest match result.

#include <QString>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "audio/Playback.h"
#include "matching/TMatchResult.h"
#include "midi/MidiKeyboard.h"
#include "platform/CheckBox.h"
#include "platform/Label.h"
#include "platform/ListBox.h"
#include "platform/MenuItem.h"
#include "platform/PopupMenu.h"
#include "platform/Window.h"
#include "scales/LoadScales.h"
#include "scales/TScale.h"
#include "window/MainWindowLayout.h"
#include "window/ScaleCheckBox.h"
#include "window/StarLabel.h"
#include "window/wdwChords.h"
#include "window/wdwDetails.h"
#include "window/wdwFindScale.h"
#include "window/wdwFretboard.h"

namespace orvel {

class wdwMain : public Window {
  public:
    // What the window needs from outside: start-up hands it over.
    struct Services {
        // Loads the catalogue; called once, when the window opens.
        std::function<ScaleLoad()> loadCatalogue;
        // Shows a message to the user and returns once it is dismissed;
        // `detail` says what failed and where, for those who ask.
        std::function<void(const QString& message, const QString& detail)> showMessage;
        // The program's sound, shared by its windows; never null, and it
        // outlives the window.
        Playback* playback = nullptr;
        // The program's MIDI keyboard, the same: its queries are ticked as
        // they come, and Tools > MIDI Input chooses what it listens to.
        MidiKeyboard* midi = nullptr;
        // Where the catalogue is read from, as Help > About names it.
        std::filesystem::path catalogueFile;
    };

    explicit wdwMain(Services services);

    // Note names, A first, one semitone apart: filled when the window opens.
    std::vector<std::string> Labels;
    // The catalogue, in file order: loaded when the window opens.
    std::vector<TScale> Scale;

    // Controls, looked up by name (and index) on every call; nullptr for an
    // index with no element.
    ListBox* lbContaining() const;
    ScaleCheckBox* cbScale(std::int64_t index) const;
    StarLabel* lbStar(std::int64_t index) const;
    Label* lbValue() const;
    ListBox* lbExact() const;
    Label* Label1() const;
    Label* Label2() const;
    Label* Label3() const;
    PopupMenu* pmRoot() const;
    Label* Label4() const;
    Label* lbScale() const;
    CheckBox* cbOther() const;
    CheckBox* cbRinL() const;

    // Menu entries, looked up in the window's menu bar.
    MenuItem* EditMenu() const;
    MenuItem* EditSelectAll() const;
    MenuItem* EditSeparator2() const;
    MenuItem* EditClear() const;
    MenuItem* EditPaste() const;
    MenuItem* EditCopy() const;
    MenuItem* EditCut() const;
    MenuItem* EditSeparator1() const;
    MenuItem* EditUndo() const;
    MenuItem* FileMenu() const;
    MenuItem* FileQuit() const;
    MenuItem* ToolsMenu() const;
    MenuItem* ToolsChords() const;
    MenuItem* ToolsFindScale() const;
    MenuItem* ToolsFretboard() const;
    MenuItem* ToolsMidiInput() const;
    MenuItem* ToolsLowestNoteRoot() const;
    MenuItem* HelpMenu() const;
    MenuItem* HelpAbout() const;

    // Event handlers.
    void lbContaining_Change(ListBox& list);
    void cbScale_Action(ScaleCheckBox& element);
    void cbScale_Open(ScaleCheckBox& element);
    void lbStar_Open(StarLabel& element);
    void pmRoot_Change(PopupMenu& popup);
    void cbOther_Action(CheckBox& box);
    void cbRinL_Action(CheckBox& box);
    void lbContaining_Activate(ListBox& list);
    void lbExact_Activate(ListBox& list);
    void HelpAbout_Action();
    void ToolsChords_Action();
    void ToolsFindScale_Action();
    void ToolsFretboard_Action();

    // What Help > About says: the version, the catalogue and its number of
    // scales, and the licence.
    QString AboutText() const;

    // Matches the catalogue against the controls' state and refills the
    // hidden readout and both lists.
    void CompareScales();
    // The one road for notes from outside the window (a chord, a fretboard,
    // a MIDI keyboard): ticks exactly `notes` and no other box under the
    // root, after choosing `root` (a pitch class above C) in the popup when
    // one is given, then matches once, as one tick by hand would.
    void TickNotes(PitchClassesAboveC notes, std::optional<int> root = std::nullopt);
    // Hides all twelve stars.
    void NormaliseCBs();
    static PitchClassSet Rotate12(PitchClassSet value, std::int64_t n);

    // The selected row of a list in the details window (made on first use),
    // and its spelled notes on the clipboard.
    void ShowDetails(const ListBox& list);
    void ShowDetails(const wdwDetails::Row& row);
    void CopyNotes(const ListBox& list);
    // The details window, once a row has been opened; else nullptr.
    wdwDetails* Details() const { return details_; }
    // The chord window, once opened; else nullptr.
    wdwChords* Chords() const { return chords_; }
    // The Find Scale window, once opened; else nullptr.
    wdwFindScale* FindScale() const { return findScale_; }
    // The fretboard window, once opened; else nullptr.
    wdwFretboard* FretboardWindow() const { return fretboard_; }

  protected:
    void Event_Open() override;

  private:
    void Layout();
    void CreateControls();
    void Bind(Control& control, Handler handler);
    void CaptionCheckBoxes();
    void ShowStar(int position, bool shown);
    MenuItem* MenuEntry(const char* name) const;
    std::optional<wdwDetails::Row> SelectedRow(const ListBox& list) const;
    // The notes of the last match's query, as pitch classes above C.
    PitchClassesAboveC TickedNotes() const;
    // A tool window, shown beside this one; its requests answered here.
    template <typename Tool>
    void OpenTool(Tool*& tool);
    // Where a window beside this one opens: to its right, on the screen,
    // narrowed to the screen when wider.
    void PlaceBeside(QWidget& window) const;
    // Tells the fretboard window what this one shows now.
    void FollowInFretboard();
    // Lists the MIDI inputs in Tools > MIDI Input, as they are now.
    void FillMidiMenu();

    Services services_;
    std::shared_ptr<const TMatchResult> result_;  // what the lists show
    TScaleQuery query_;                           // what it answers
    wdwDetails* details_ = nullptr;               // owned by Qt, as a child window
    wdwChords* chords_ = nullptr;                 // the same
    wdwFindScale* findScale_ = nullptr;           // the same
    wdwFretboard* fretboard_ = nullptr;           // the same
    const ListBox* lastSelected_ = nullptr;       // the list a row was last selected in
    QString noScales_;                            // why the catalogue gave none, if so
};

}  // namespace orvel
