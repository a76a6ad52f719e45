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

}  // namespace

MainMenuBar& MainMenuBar::Instance() {
    if (sharedBar == nullptr) {
        sharedBar = new MainMenuBar();
        qAddPostRoutine(DeleteSharedBar);
    }
    return *sharedBar;
}

MainMenuBar::MainMenuBar() {
    setObjectName("MainMenuBar");
    FileMenu();
    EditMenu();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { FollowFocus(now); });
    RefreshEditCommands();
}

void MainMenuBar::AppendToBar(MenuItem* menu) {
    menu->setParent(this);
    menu->setMenu(new QMenu(menu->text(), this));
    addAction(menu);
}

void MainMenuBar::FileMenu() {
    MenuItem* file = MakeEntry("FileMenu", "&File");
    file->SetKeyboardShortcut("");
    AppendToBar(file);

    MenuItem* quit = MakeEntry("FileQuit", "E&xit");
    quit->SetKeyboardShortcut("");
    quit->setMenuRole(QAction::QuitRole);
    connect(quit, &QAction::triggered, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    Entry("FileMenu")->Append(quit);
}

void MainMenuBar::EditMenu() {
    MenuItem* edit = MakeEntry("EditMenu", "&Edit");
    edit->SetKeyboardShortcut("");
    AppendToBar(edit);
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
