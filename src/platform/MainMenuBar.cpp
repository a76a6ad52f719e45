// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MainMenuBar.h"

#include <QApplication>
#include <QMenu>
#include <array>
#include <variant>

namespace orvel {

namespace {

MainMenuBar* sharedBar = nullptr;

void DeleteSharedBar() {
    delete sharedBar;
    sharedBar = nullptr;
}

// A separator line: no command and no shortcut.
struct Separator {};

struct Command {
    const char* shortcut;  // "" for none
    EditCommand command;
};

struct EditEntry {
    const char* name;
    const char* text;  // "-" for a separator
    std::variant<Separator, Command> kind;
};

constexpr std::array<EditEntry, 8> kEditEntries = {{
    {"EditUndo", "&Undo", Command{"Ctrl+Z", EditCommand::Undo}},
    {"EditSeparator1", "-", Separator{}},
    {"EditCut", "Cu&t", Command{"Ctrl+X", EditCommand::Cut}},
    {"EditCopy", "&Copy", Command{"Ctrl+C", EditCommand::Copy}},
    {"EditPaste", "&Paste", Command{"Ctrl+V", EditCommand::Paste}},
    {"EditClear", "&Delete", Command{"", EditCommand::Clear}},
    {"EditSeparator2", "-", Separator{}},
    {"EditSelectAll", "Select &All", Command{"Ctrl+A", EditCommand::SelectAll}},
}};

// Name, AutoEnable, text and visibility, in that order.
MenuItem* MakeEntry(const char* name, const char* text) {
    auto* entry = new MenuItem(name);
    entry->SetAutoEnable(true);
    entry->SetText(text);
    entry->setVisible(true);
    return entry;
}

// A command with no shortcut, in the role the platform gives it (a macOS
// application menu, for one).
MenuItem* MakeCommand(const char* name, const char* text, QAction::MenuRole role) {
    MenuItem* command = MakeEntry(name, text);
    command->SetKeyboardShortcut("");
    command->setMenuRole(role);
    return command;
}

}  // namespace

MainMenuBar& MainMenuBar::Instance() {
    if (sharedBar == nullptr) {
        sharedBar = new MainMenuBar();
        qAddPostRoutine(DeleteSharedBar);
    }
    return *sharedBar;
}

// File and Edit come first: a member's initialiser runs before the body.
MainMenuBar::MainMenuBar() : tools((FileMenu(), EditMenu(), ToolsMenu())), help(HelpMenu()) {
    setObjectName("MainMenuBar");
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { FollowFocus(now); });
    RefreshEditCommands();
}

MenuItem* MainMenuBar::AppendMenu(const char* name, const char* text) {
    MenuItem* menu = MakeEntry(name, text);
    menu->SetKeyboardShortcut("");
    menu->setParent(this);
    menu->setMenu(new QMenu(menu->text(), this));
    addAction(menu);
    return menu;
}

void MainMenuBar::FileMenu() {
    MenuItem* quit = MakeCommand("FileQuit", "E&xit", QAction::QuitRole);
    connect(quit, &QAction::triggered, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    AppendMenu("FileMenu", "&File")->Append(quit);
}

void MainMenuBar::EditMenu() {
    MenuItem* edit = AppendMenu("EditMenu", "&Edit");
    connect(edit->menu(), &QMenu::aboutToShow, this, &MainMenuBar::RefreshEditCommands);

    for (const EditEntry& description : kEditEntries) {
        MenuItem* entry = MakeEntry(description.name, description.text);
        if (const auto* command = std::get_if<Command>(&description.kind)) {
            entry->SetKeyboardShortcut(command->shortcut);
            connect(entry, &QAction::triggered, this, [this, edit = command->command] {
                if (EditTarget* target = Target(); target != nullptr && target->CanEdit(edit)) {
                    target->Edit(edit);
                }
            });
        } else {
            entry->SetSeparator();
        }
        Entry("EditMenu")->Append(entry);
    }
}

MainMenuBar::ToolsEntries MainMenuBar::ToolsMenu() {
    MenuItem* chords = MakeCommand("ToolsChords", "Scales for &Chords\u2026", QAction::NoRole);
    chords->SetKeyboardShortcut("Ctrl+K");
    MenuItem* melody = MakeCommand("ToolsMelody", "Scales for a &Melody\u2026", QAction::NoRole);
    melody->SetKeyboardShortcut("Ctrl+M");
    MenuItem* listen = MakeCommand("ToolsListen", "Lis&ten\u2026", QAction::NoRole);
    listen->SetKeyboardShortcut("Ctrl+L");
    MenuItem* find = MakeCommand("ToolsFindScale", "&Find Scale\u2026", QAction::NoRole);
    find->SetKeyboardShortcut("Ctrl+F");
    MenuItem* fretboard = MakeCommand("ToolsFretboard", "Fret&board", QAction::NoRole);
    fretboard->SetKeyboardShortcut("Ctrl+B");
    MenuItem* separator = MakeEntry("ToolsSeparator1", "-");
    separator->SetSeparator();
    // Filled by the main window each time it opens.
    MenuItem* midi = MakeEntry("ToolsMidiInput", "MIDI &Input");
    midi->SetKeyboardShortcut("");
    midi->setMenu(new QMenu(midi->text(), this));
    MenuItem* lowest =
        MakeCommand("ToolsLowestNoteRoot", "&Lowest Note Sets the Root", QAction::NoRole);
    lowest->setCheckable(true);
    // Their shortcuts work from the tool windows too, which have no menu bar.
    for (MenuItem* entry : {chords, melody, listen, find, fretboard}) {
        entry->setShortcutContext(Qt::ApplicationShortcut);
    }
    MenuItem* tools = AppendMenu("ToolsMenu", "&Tools");
    for (MenuItem* entry : {chords, melody, listen, find, fretboard, separator, midi, lowest}) {
        tools->Append(entry);
    }
    return {.chords = chords,
            .melody = melody,
            .listen = listen,
            .findScale = find,
            .fretboard = fretboard,
            .midiInput = midi,
            .lowestNoteRoot = lowest};
}

MainMenuBar::HelpEntries MainMenuBar::HelpMenu() {
    MenuItem* about = MakeCommand("HelpAbout", "&About Orvel Modalune", QAction::AboutRole);
    AppendMenu("HelpMenu", "&Help")->Append(about);
    return {.about = about};
}

MenuItem* MainMenuBar::Entry(const QString& name) const {
    return findChild<MenuItem*>(name);
}

QList<MenuItem*> MainMenuBar::Menus() const {
    QList<MenuItem*> menus;
    for (QAction* action : actions()) {
        if (auto* menu = dynamic_cast<MenuItem*>(action)) {
            menus << menu;
        }
    }
    return menus;
}

EditTarget* MainMenuBar::Target() const {
    return dynamic_cast<EditTarget*>(watchedWidget_.data());
}

void MainMenuBar::RefreshEditCommands() {
    EditTarget* target = Target();
    for (const EditEntry& description : kEditEntries) {
        const auto* command = std::get_if<Command>(&description.kind);
        MenuItem* entry = Entry(description.name);
        if (command == nullptr || !entry->AutoEnable()) {
            continue;
        }
        entry->setEnabled(target != nullptr && target->CanEdit(command->command));
    }
}

void MainMenuBar::FollowFocus(QWidget* focused) {
    // Opening a menu from the keyboard (Alt+E) gives the bar or the menu the
    // focus: the commands still act on the control that had it before.
    if (focused == this || qobject_cast<QMenu*>(focused) != nullptr) {
        return;
    }
    if (auto* previous = dynamic_cast<EditTarget*>(watchedWidget_.data())) {
        previous->WatchEditState({});
    }
    watchedWidget_ = focused;
    if (auto* target = dynamic_cast<EditTarget*>(focused)) {
        target->WatchEditState([bar = QPointer<MainMenuBar>(this)] {
            if (bar) {
                bar->RefreshEditCommands();
            }
        });
    }
    RefreshEditCommands();
}

}  // namespace orvel
