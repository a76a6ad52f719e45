// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/wdwMain.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QScreen>
#include <QSignalBlocker>
#include <stdexcept>

#include "audio/Performance.h"
#include "matching/MatchScales.h"
#include "matching/NoteNameTable.h"
#include "matching/Rotate12.h"
#include "platform/MainMenuBar.h"
#include "platform/MessageBox.h"
#include "platform/TextConversions.h"
#include "version/Version.h"
#include "window/MainWindowLayout.h"
#include "window/MatchListRows.h"

namespace orvel {

wdwMain::wdwMain(Services services) : services_(std::move(services)) {
    setObjectName("wdwMain");
    Layout();
    CreateControls();
    for (ListBox* list : {lbExact(), lbContaining()}) {
        list->AddContextEntry("Show Details", [this](ListBox& from) { ShowDetails(from); });
        list->AddContextEntry("Copy", [](ListBox& from) { from.Edit(EditCommand::Copy); });
        list->AddContextEntry("Copy Notes", [this](ListBox& from) { CopyNotes(from); });
        list->AddContextEntry(
            "Play",
            [this](ListBox& from) {
                if (const auto row = SelectedRow(from)) {
                    Playback& playback = *services_.playback;
                    playback.PlayOrStop(ScaleRunOf(*row, playback.Tempo()));
                }
            },
            QKeySequence(Qt::Key_Space));
    }
    connect(Bar().help.about, &QAction::triggered, this, &wdwMain::HelpAbout_Action);
    // The exact list has no handler of its own; only the other windows follow it.
    lbExact()->Change = [this](ListBox& list) {
        lastSelected_ = &list;
        AnnounceSelectedRow();
    };
    connect(services_.midi, &MidiKeyboard::notesPlayed, this,
            [this](PitchClassesAboveC notes, PitchClass lowest) {
                TickNotes(notes, Bar().tools.lowestNoteRoot->isChecked() ? std::optional(lowest)
                                                                         : std::nullopt);
            });
    connect(Bar().tools.midiInput->menu(), &QMenu::aboutToShow, this, &wdwMain::FillMidiMenu);
    // Screen readers name the lists and the popup by the captions above
    // them: as names, and as the label relation (a popup's name on Linux is
    // its current item).
    for (auto [caption, control] : {std::pair<Label*, QWidget*>{Label2(), lbExact()},
                                    {Label3(), lbContaining()},
                                    {Label4(), pmRoot()}}) {
        caption->setBuddy(control);
        control->setAccessibleName(caption->Caption());
    }
}

void wdwMain::Layout() {
    InstallMenuBar(&MainMenuBar::Instance());
    ApplySettings(MainWindowSettings());
}

void wdwMain::CreateControls() {
    for (const ControlRow& row : MainWindowControls()) {
        const PropertyList properties = PropertiesOf(row);
        Control& control = [&]() -> Control& {
            switch (row.kind) {
                case ControlKind::ListBox:
                    return CreateControl<ListBox>(row.index, properties);
                case ControlKind::CheckBox:
                    return CreateControl<CheckBox>(row.index, properties);
                case ControlKind::Label:
                    return CreateControl<Label>(row.index, properties);
                case ControlKind::PopupMenu:
                    return CreateControl<PopupMenu>(row.index, properties);
                case ControlKind::ScaleCheckBox:
                    return CreateControl<ScaleCheckBox>(row.index, properties);
                case ControlKind::StarLabel:
                    return CreateControl<StarLabel>(row.index, properties);
            }
            throw std::invalid_argument("unknown control kind");
        }();
        for (const Handler handler : row.handlers) {
            Bind(control, handler);
        }
    }
}

namespace {

// The control as the kind its handler takes; the layout table pairs them.
template <typename Kind>
Kind& As(Control& control) {
    if (auto* kind = dynamic_cast<Kind*>(&control)) {
        return *kind;
    }
    throw std::invalid_argument("control " + control.Name().toStdString() +
                                " cannot raise that handler");
}

}  // namespace

void wdwMain::Bind(Control& control, Handler handler) {
    switch (handler) {
        case Handler::lbContaining_Change:
            As<ListBox>(control).Change = [this](ListBox& list) { lbContaining_Change(list); };
            return;
        case Handler::cbScale_Action:
            As<ScaleCheckBox>(control).Action = [this](CheckBox& box) {
                cbScale_Action(As<ScaleCheckBox>(box));
            };
            return;
        case Handler::cbScale_Open:
            As<ScaleCheckBox>(control).Open = [this](Control& box) {
                cbScale_Open(As<ScaleCheckBox>(box));
            };
            return;
        case Handler::lbStar_Open:
            As<StarLabel>(control).Open = [this](Control& star) {
                lbStar_Open(As<StarLabel>(star));
            };
            return;
        case Handler::lbContaining_Activate:
            As<ListBox>(control).Activate = [this](ListBox& list) { lbContaining_Activate(list); };
            return;
        case Handler::lbExact_Activate:
            As<ListBox>(control).Activate = [this](ListBox& list) { lbExact_Activate(list); };
            return;
        case Handler::pmRoot_Change:
            As<PopupMenu>(control).Change = [this](PopupMenu& popup) { pmRoot_Change(popup); };
            return;
        case Handler::cbOther_Action:
            As<CheckBox>(control).Action = [this](CheckBox& box) { cbOther_Action(box); };
            return;
        case Handler::cbRinL_Action:
            As<CheckBox>(control).Action = [this](CheckBox& box) { cbRinL_Action(box); };
            return;
    }
}

// Accessors: a lookup on every call, nothing cached.

ListBox* wdwMain::lbContaining() const {
    return Find<ListBox>("lbContaining");
}
ScaleCheckBox* wdwMain::cbScale(std::int64_t index) const {
    return Find<ScaleCheckBox>("cbScale", index);
}
StarLabel* wdwMain::lbStar(std::int64_t index) const {
    return Find<StarLabel>("lbStar", index);
}
Label* wdwMain::lbValue() const {
    return Find<Label>("lbValue");
}
ListBox* wdwMain::lbExact() const {
    return Find<ListBox>("lbExact");
}
Label* wdwMain::Label1() const {
    return Find<Label>("Label1");
}
Label* wdwMain::Label2() const {
    return Find<Label>("Label2");
}
Label* wdwMain::Label3() const {
    return Find<Label>("Label3");
}
PopupMenu* wdwMain::pmRoot() const {
    return Find<PopupMenu>("pmRoot");
}
Label* wdwMain::Label4() const {
    return Find<Label>("Label4");
}
Label* wdwMain::lbScale() const {
    return Find<Label>("lbScale");
}
CheckBox* wdwMain::cbOther() const {
    return Find<CheckBox>("cbOther");
}
CheckBox* wdwMain::cbRinL() const {
    return Find<CheckBox>("cbRinL");
}

MenuItem* wdwMain::MenuEntry(const char* name) const {
    return Bar().Entry(name);
}

const MainMenuBar& wdwMain::Bar() const {
    return dynamic_cast<const MainMenuBar&>(*menuWidget());
}

MenuItem* wdwMain::EditMenu() const {
    return MenuEntry("EditMenu");
}
MenuItem* wdwMain::EditSelectAll() const {
    return MenuEntry("EditSelectAll");
}
MenuItem* wdwMain::EditSeparator2() const {
    return MenuEntry("EditSeparator2");
}
MenuItem* wdwMain::EditClear() const {
    return MenuEntry("EditClear");
}
MenuItem* wdwMain::EditPaste() const {
    return MenuEntry("EditPaste");
}
MenuItem* wdwMain::EditCopy() const {
    return MenuEntry("EditCopy");
}
MenuItem* wdwMain::EditCut() const {
    return MenuEntry("EditCut");
}
MenuItem* wdwMain::EditSeparator1() const {
    return MenuEntry("EditSeparator1");
}
MenuItem* wdwMain::EditUndo() const {
    return MenuEntry("EditUndo");
}
MenuItem* wdwMain::FileMenu() const {
    return MenuEntry("FileMenu");
}
MenuItem* wdwMain::FileQuit() const {
    return MenuEntry("FileQuit");
}
void wdwMain::Event_Open() {
    ScaleLoad load = services_.loadCatalogue();
    Scale = std::move(load.scales);
    // A missing catalogue is no fault: the window opens with empty lists,
    // and the list the stars belong to says why.
    if (load.failure && !load.failure->FileMissing()) {
        services_.showMessage(this, kFileErrorMessage,
                              QString::fromStdString(load.failure->what()));
    }
    if (Scale.empty()) {
        const QString file = QString::fromStdString(
            load.failure ? load.failure->Path() : services_.catalogueFile.string());
        noScales_ =
            "No scales: " + file +
            (!load.failure                 ? " holds no scale lines"
             : load.failure->FileMissing() ? " not found"
                                           : ": " + QString::fromStdString(load.failure->Reason()));
        lbContaining()->SetEmptyText(noScales_);
    }
    for (const std::string_view name : kNoteNameTable) {
        Labels.emplace_back(name);
    }
    CaptionCheckBoxes();
    NormaliseCBs();
}

void wdwMain::CaptionCheckBoxes() {
    const NoteTableIndex root = ChosenRoot();
    for (int i = 0; i < kPositionCount; ++i) {
        cbScale(i)->SetCaption(QString::fromStdString(
            Labels.at(static_cast<std::size_t>(NoteTableIndex(root.Value() + i).Value()))));
    }
}

void wdwMain::cbScale_Action(ScaleCheckBox&) {
    CompareScales();
    NormaliseCBs();
}

void wdwMain::pmRoot_Change(PopupMenu&) {
    CaptionCheckBoxes();
    CompareScales();
}

void wdwMain::cbOther_Action(CheckBox&) {
    CompareScales();
}

void wdwMain::cbRinL_Action(CheckBox&) {
    CompareScales();
}

void wdwMain::lbContaining_Change(ListBox& list) {
    NormaliseCBs();
    lastSelected_ = &list;
    AnnounceSelectedRow();
    if (list.ListIndex() < 0) {
        return;
    }
    const std::int64_t notes = Val(list.Cell(static_cast<std::size_t>(list.ListIndex()), 3));
    lbScale()->SetCaption(Bin(notes));
    for (const int position : PositionsOf(notes)) {
        ShowStar(position, true);
    }
}

void wdwMain::cbScale_Open(ScaleCheckBox& element) {
    element.SetParent(nullptr);
}

void wdwMain::lbStar_Open(StarLabel& element) {
    element.SetParent(nullptr);
}

void wdwMain::CompareScales() {
    TScaleQuery match;
    match.QueryNotes = SetOfPositions([this](int position) { return cbScale(position)->Value(); });
    match.RootIndex = ChosenRoot();
    match.RootCaption = cbScale(0)->Caption().toStdString();
    for (std::size_t k = 0; k < match.Labels.size(); ++k) {
        match.Labels[k] = Labels.at(k);
    }
    match.IncludeOtherRoots = cbOther()->Value();
    match.RootsInListOnly = cbRinL()->Value();

    result_ = std::make_shared<const TMatchResult>(MatchScales(match, Scale));
    query_ = match;
    lbValue()->SetCaption(QString::fromStdString(result_->ValueText));
    lbExact()->SetRows(std::make_shared<MatchListRows>(result_, MatchListRows::Which::Exact));
    lbContaining()->SetRows(
        std::make_shared<MatchListRows>(result_, MatchListRows::Which::Containing));
    emit ticksChanged(CurrentTicks());
    AnnounceSelectedRow();
}

Ticks wdwMain::CurrentTicks() const {
    // The popup's root: before the first match the query has none.
    const PitchClass root = ChosenRoot().Note();
    return {.notes = NotesOn(query_.QueryNotes, root), .chosenRoot = root};
}

NoteTableIndex wdwMain::ChosenRoot() const {
    return NoteTableIndex(static_cast<int>(pmRoot()->ListIndex()));
}

QRect wdwMain::ListsArea() const {
    QRect area;
    for (const ListBox* list : {lbExact(), lbContaining()}) {
        area |= QRect(list->mapToGlobal(QPoint(0, 0)), list->size());
    }
    return area;
}

void wdwMain::TickNotes(PitchClassesAboveC notes, std::optional<PitchClass> root) {
    if (root) {
        const QSignalBlocker quiet(pmRoot());
        pmRoot()->SetListIndex(NoteTableIndex::Of(*root).Value());
        CaptionCheckBoxes();
    }
    const PitchClassSet positions = PositionsAbove(ChosenRoot().Note(), notes);
    for (int position = 0; position < kPositionCount; ++position) {
        ScaleCheckBox& box = *cbScale(position);
        const QSignalBlocker quiet(&box);
        box.SetValue(HasPosition(positions, position));
    }
    CompareScales();
    NormaliseCBs();
}

void wdwMain::lbContaining_Activate(ListBox& list) {
    ShowDetails(list);
}

void wdwMain::lbExact_Activate(ListBox& list) {
    ShowDetails(list);
}

std::optional<ScaleRow> wdwMain::SelectedRow(const ListBox& list) const {
    if (!result_ || list.ListIndex() < 0) {
        return std::nullopt;
    }
    const TMatchRows& rows = &list == lbExact() ? result_->ExactRows : result_->ContainingRows;
    const auto index = static_cast<std::size_t>(list.ListIndex());
    if (index >= rows.size()) {
        return std::nullopt;  // the list still shows the last result's rows, being refilled
    }
    const TMatchRow row = rows[index];
    return ScaleRow{.entry = result_->Entry(row),
                    .root = result_->RootPitchClass(row),
                    .ticks = CurrentTicks()};
}

void wdwMain::ShowDetails(const ListBox& list) {
    if (const auto row = SelectedRow(list)) {
        emit detailsAsked(*row);
    }
}

void wdwMain::AnnounceSelectedRow() {
    std::optional<ScaleRow> selected;
    for (const ListBox* list : {lastSelected_, static_cast<const ListBox*>(lbContaining()),
                                static_cast<const ListBox*>(lbExact())}) {
        if (list != nullptr && !selected) {
            selected = SelectedRow(*list);
        }
    }
    emit rowSelected(selected);
}

void wdwMain::FillMidiMenu() {
    QMenu& menu = *Bar().tools.midiInput->menu();
    menu.clear();
    MidiKeyboard& midi = *services_.midi;
    switch (midi.State()) {
        case MidiInput::State::NoSystem:
            menu.addAction("No MIDI system found")->setEnabled(false);
            return;
        case MidiInput::State::Lost:
            menu.addAction(QString("MIDI input lost: the %1 system went away")
                               .arg(QString::fromStdString(midi.SystemName())))
                ->setEnabled(false);
            return;
        case MidiInput::State::Listening:
            break;
    }
    auto* choices = new QActionGroup(&menu);
    const auto add = [&](const QString& text, const MidiInput::Choice& choice) {
        QAction* entry = menu.addAction(text);
        entry->setCheckable(true);
        entry->setChecked(midi.Choice() == choice);
        choices->addAction(entry);
        connect(entry, &QAction::triggered, this,
                [this, choice] { services_.midi->Listen(choice); });
    };
    add("All Inputs", {});
    for (const std::string& source : midi.Sources()) {
        add(QString::fromStdString(source), {MidiInput::Choice::Kind::OneInput, source});
    }
    add("Off", {MidiInput::Choice::Kind::Off, {}});
}

void wdwMain::HelpAbout_Action() {
    ShowMessageBox(this, AboutText());
}

QString wdwMain::AboutText() const {
    return QString(
               "Orvel Modalune %1\n"
               "A scale finder for musicians.\n\n"
               "Catalogue: %2\n%3\n\n"
               "Copyright 2026 the Orvel Modalune developers.\n"
               "Licence: GNU General Public License, version 3 or later "
               "(GPL-3.0-or-later). This program comes with absolutely no warranty; "
               "you may share and change it under the terms of that licence.")
        .arg(version::kShort, QString::fromStdString(services_.catalogueFile.string()),
             Scale.empty() ? noScales_ : QString("%1 scales").arg(Scale.size()));
}

void wdwMain::CopyNotes(const ListBox& list) {
    if (const auto row = SelectedRow(list)) {
        QApplication::clipboard()->setText(
            QString::fromStdString(SpellEntry(row->entry, row->root, spelling_).AsciiNotes()));
    }
}

void wdwMain::NormaliseCBs() {
    for (int i = 0; i < kPositionCount; ++i) {
        ShowStar(i, false);
    }
}

void wdwMain::ShowStar(int position, bool shown) {
    lbStar(position)->SetVisible(shown);
    // A screen reader cannot see the star; its check box says it.
    cbScale(position)->setAccessibleDescription(shown ? "in the selected scale" : "");
}

PitchClassSet wdwMain::Rotate12(PitchClassSet value, std::int64_t n) {
    return orvel::Rotate12(value, n);
}

}  // namespace orvel
