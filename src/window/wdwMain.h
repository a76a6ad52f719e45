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
//
// The accessors, the handlers, Rotate12, TScaleQuery::RootIndex and the
// hidden readout are the window's contract with its layout and its tests:
// their names and meanings stay as they are.
//
// The other windows never call into this one, nor it into them: it
// announces its ticks, its selected row and the rows the user opens by
// signals, and takes notes from outside through TickNotes, which
// ToolWindows connects.

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
#include "platform/MainMenuBar.h"
#include "platform/MenuItem.h"
#include "platform/PopupMenu.h"
#include "platform/Window.h"
#include "scales/LoadScales.h"
#include "scales/PitchClass.h"
#include "scales/PitchClassesAboveC.h"
#include "scales/ScaleRow.h"
#include "scales/TScale.h"
#include "theory/SpelledScale.h"
#include "window/MainWindowLayout.h"
#include "window/ScaleCheckBox.h"
#include "window/StarLabel.h"

namespace orvel {

class wdwMain : public Window {
    Q_OBJECT

  public:
    // What the window needs from outside: start-up hands it over.
    struct Services {
        // Loads the catalogue; called once, when the window opens.
        std::function<ScaleLoad()> loadCatalogue;
        // Shows a message over `over` (the window the user acted in) and
        // returns once it is dismissed; `detail` says what failed and
        // where, for those who ask.
        std::function<void(QWidget* over, const QString& message, const QString& detail)>
            showMessage;
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

    // What Help > About says: the version, the catalogue and its number of
    // scales, and the licence.
    QString AboutText() const;

    // Matches the catalogue against the controls' state and refills the
    // hidden readout and both lists.
    void CompareScales();
    // The one road for notes from outside the window (a chord, a fretboard,
    // a MIDI keyboard): ticks exactly `notes` and no other box under the
    // root, after choosing `root` in the popup when one is given, then
    // matches once, as one tick by hand would.
    void TickNotes(PitchClassesAboveC notes, std::optional<PitchClass> root = std::nullopt);
    // The notes of the last match's query, and the root chosen.
    Ticks CurrentTicks() const;
    // Where the two lists are on the screen: what a tool window should not
    // hide.
    QRect ListsArea() const;
    // Hides all twelve stars.
    void NormaliseCBs();
    static PitchClassSet Rotate12(PitchClassSet value, std::int64_t n);

    // Asks for the selected row of a list in detail (detailsAsked), and
    // puts its spelled notes on the clipboard.
    void ShowDetails(const ListBox& list);
    void CopyNotes(const ListBox& list);
    // How Copy Notes names roots on black keys: the details window's choice.
    void SetSpelling(RootSpelling spelling) { spelling_ = spelling; }

  signals:
    // The query was matched: its notes and root.
    void ticksChanged(const orvel::Ticks& ticks);
    // The row the other windows follow changed: the one selected last, or
    // none.
    void rowSelected(const std::optional<orvel::ScaleRow>& row);
    // The user asked to see a row in detail.
    void detailsAsked(const orvel::ScaleRow& row);

  protected:
    void Event_Open() override;

  private:
    void Layout();
    void CreateControls();
    void Bind(Control& control, Handler handler);
    void CaptionCheckBoxes();
    // The root popup's choice.
    NoteTableIndex ChosenRoot() const;
    void ShowStar(int position, bool shown);
    MenuItem* MenuEntry(const char* name) const;
    const MainMenuBar& Bar() const;
    std::optional<ScaleRow> SelectedRow(const ListBox& list) const;
    // Announces the row the other windows follow.
    void AnnounceSelectedRow();
    // Lists the MIDI inputs in Tools > MIDI Input, as they are now.
    void FillMidiMenu();

    Services services_;
    std::shared_ptr<const TMatchResult> result_;  // what the lists show
    TScaleQuery query_;                           // what it answers
    const ListBox* lastSelected_ = nullptr;       // the list a row was last selected in
    RootSpelling spelling_ = RootSpelling::Automatic;
    QString noScales_;  // why the catalogue gave none, if so
};

}  // namespace orvel
