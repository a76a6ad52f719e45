// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The application's one menu bar: File (Exit), Edit (Undo, Cut, Copy,
// Paste, Delete, Select All, with two separators), Tools (Scales for
// Chords…, Find Scale…, Fretboard, a separator, the MIDI Input submenu and
// the check item Lowest Note Sets the Root) and Help (About Orvel Modalune).
// The main window answers Tools and Help, and fills MIDI Input.
//
// One shared instance per process, built on the first call to Instance()
// and deleted when the application object goes; windows show it without
// owning it. Exit is the platform's quit command: it ends the event loop.
// The Edit commands act on the focused control when it is an EditTarget (the
// one focused before the menu, while a menu is open from the keyboard) and
// are greyed out while it has nothing for them to act on.

#include <QMenuBar>
#include <QPointer>

#include "platform/EditTarget.h"
#include "platform/MenuItem.h"

namespace orvel {

class MainMenuBar : public QMenuBar {
  public:
    // The entries of Tools and Help, made with the bar.
    struct ToolsEntries {
        MenuItem* chords;
        MenuItem* melody;
        MenuItem* listen;
        MenuItem* findScale;
        MenuItem* fretboard;
        MenuItem* midiInput;  // a submenu, filled by whoever listens to MIDI
        MenuItem* lowestNoteRoot;
    };
    struct HelpEntries {
        MenuItem* about;
    };

    static MainMenuBar& Instance();

    const ToolsEntries tools;
    const HelpEntries help;

    // The entry of that name anywhere in the bar, or nullptr: File and Edit
    // are looked up so.
    MenuItem* Entry(const QString& name) const;

    // The bar's top-level entries, in order (FileMenu, EditMenu, ToolsMenu,
    // HelpMenu).
    QList<MenuItem*> Menus() const;

    // Brings the Edit entries' enabled state up to date with the focus.
    void RefreshEditCommands();

  private:
    MainMenuBar();
    void FileMenu();
    void EditMenu();
    ToolsEntries ToolsMenu();
    HelpEntries HelpMenu();
    // A new top-level menu at the end of the bar, with no shortcut.
    MenuItem* AppendMenu(const char* name, const char* text);
    void FollowFocus(QWidget* focused);

    // The control the Edit commands act on: the focused one, or the one that
    // had the focus before the bar or one of its menus took it.
    EditTarget* Target() const;

    QPointer<QWidget> watchedWidget_;  // that control
};

}  // namespace orvel
