#include "MainMenuBar.h"

#include <QApplication>
#include <QMenu>
#include <array>

#include "ListBox.h"

namespace orvel {

namespace {

MainMenuBar* sharedBar = nullptr;

void DeleteSharedBar() {
    delete sharedBar;
    sharedBar = nullptr;
}

struct EditEntry {
    const char* name;
    const char* text;
    const char* shortcut;  // nullptr: a separator, no shortcut set
    EditCommand command;
};

constexpr std::array<EditEntry, 8> kEditEntries = {{
    {"EditUndo", "&Undo", "Ctrl+Z", EditCommand::Undo},
    {"EditSeparator1", "-", nullptr, EditCommand::Undo},
    {"EditCut", "Cu&t", "Ctrl+X", EditCommand::Cut},
    {"EditCopy", "&Copy", "Ctrl+C", EditCommand::Copy},
    {"EditPaste", "&Paste", "Ctrl+V", EditCommand::Paste},
    {"EditClear", "&Delete", "", EditCommand::Clear},
    {"EditSeparator2", "-", nullptr, EditCommand::Undo},
    {"EditSelectAll", "Select &All", "Ctrl+A", EditCommand::SelectAll},
}};

// Name, AutoEnable, text and visibility, in that order.
MenuItem* MakeEntry(const char* name, const char* text) {
    auto* entry = new MenuItem(name);
    entry->SetAutoEnable(true);
    entry->setText(text);
    entry->setVisible(true);
    entry->setSeparator(QString(text) == "-");
    return entry;
}

EditTarget* FocusedEditTarget() {
    return dynamic_cast<EditTarget*>(QApplication::focusWidget());
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
        if (description.shortcut != nullptr) {
            entry->SetKeyboardShortcut(description.shortcut);
            const EditCommand command = description.command;
            connect(entry, &QAction::triggered, this, [command] {
                if (EditTarget* target = FocusedEditTarget();
                    target != nullptr && target->CanEdit(command)) {
                    target->Edit(command);
                }
            });
            entry->setData(static_cast<int>(command));
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

void MainMenuBar::RefreshEditCommands() {
    EditTarget* target = FocusedEditTarget();
    for (const EditEntry& description : kEditEntries) {
        MenuItem* entry = Entry(description.name);
        if (description.shortcut == nullptr || !entry->AutoEnable()) {
            continue;
        }
        entry->setEnabled(target != nullptr && target->CanEdit(description.command));
    }
}

void MainMenuBar::FollowFocus(QWidget* focused) {
    if (watchedTarget_) {
        disconnect(watchedTarget_, nullptr, this, nullptr);
    }
    watchedTarget_ = nullptr;
    if (auto* list = qobject_cast<ListBox*>(focused)) {
        watchedTarget_ = list;
        connect(list, &ListBox::EditStateChanged, this, &MainMenuBar::RefreshEditCommands);
    }
    RefreshEditCommands();
}

}  // namespace orvel
