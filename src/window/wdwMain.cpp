#include "wdwMain.h"

#include <iostream>

#include "DiskTextFileReader.h"
#include "MainMenuBar.h"
#include "MainWindowLayout.h"
#include "MatchListRows.h"
#include "MatchScales.h"
#include "MessageBox.h"
#include "NoteNameTable.h"
#include "ProgramFolder.h"
#include "Rotate12.h"
#include "TextConversions.h"

namespace orvel {

wdwMain::Services wdwMain::DefaultServices() {
    return {ProgramFolder(),
            [](const std::string& message, const std::string&) {
                ShowMessageBox(nullptr, QString::fromStdString(message));
            },
            nullptr};
}

wdwMain::wdwMain(Services services) : services_(std::move(services)) {
    setObjectName("wdwMain");
    Layout();
    CreateControls();
}

void wdwMain::Layout() {
    InstallMenuBar(&MainMenuBar::Instance());
    ApplySettings(MainWindowSettings());
}

void wdwMain::CreateControls() {
    for (const ControlRow& row : MainWindowControls()) {
        const PropertyList properties = PropertiesOf(row);
        switch (row.kind) {
            case ControlKind::ListBox: {
                ListBox& list = CreateControl<ListBox>(row.index, properties);
                if (list.Name() == "lbContaining") {
                    list.Change = [this](ListBox& raised) { lbContaining_Change(raised); };
                }
                break;
            }
            case ControlKind::CheckBox: {
                CheckBox& box = CreateControl<CheckBox>(row.index, properties);
                if (box.Name() == "cbOther") {
                    box.Action = [this](CheckBox& raised) { cbOther_Action(raised); };
                } else {
                    box.Action = [this](CheckBox& raised) { cbRinL_Action(raised); };
                }
                break;
            }
            case ControlKind::Label:
                CreateControl<Label>(row.index, properties);
                break;
            case ControlKind::PopupMenu: {
                PopupMenu& popup = CreateControl<PopupMenu>(row.index, properties);
                popup.Change = [this](PopupMenu& raised) { pmRoot_Change(raised); };
                break;
            }
            case ControlKind::ScaleCheckBox: {
                ScaleCheckBox& element = CreateControl<ScaleCheckBox>(row.index, properties);
                element.Action = [this](CheckBox& raised) {
                    cbScale_Action(static_cast<ScaleCheckBox&>(raised));
                };
                element.Open = [this](Control& raised) {
                    cbScale_Open(static_cast<ScaleCheckBox&>(raised));
                };
                break;
            }
            case ControlKind::StarLabel: {
                StarLabel& element = CreateControl<StarLabel>(row.index, properties);
                element.Open = [this](Control& raised) {
                    lbStar_Open(static_cast<StarLabel&>(raised));
                };
                break;
            }
        }
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
    auto* bar = dynamic_cast<MainMenuBar*>(menuWidget());
    return bar != nullptr ? bar->Entry(name) : nullptr;
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
    DiskTextFileReader disk;
    TextFileReader& reader = services_.reader ? *services_.reader : disk;
    LoadScales(services_.programFolder, Scale, {reader, services_.report, std::cerr});
    for (const std::string_view name : kNoteNameTable) {
        Labels.emplace_back(name);
    }
    CaptionCheckBoxes();
    NormaliseCBs();
}

void wdwMain::CaptionCheckBoxes() {
    const int root = pmRoot()->ListIndex();
    for (int i = 0; i < kPositionCount; ++i) {
        cbScale(i)->SetCaption(QString::fromStdString(
            Labels.at(static_cast<std::size_t>((root + i) % kPositionCount))));
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
    if (list.ListIndex() < 0) {
        return;
    }
    const std::int64_t notes = Val(list.Cell(static_cast<std::size_t>(list.ListIndex()), 3));
    lbScale()->SetCaption(Bin(notes));
    std::int64_t mask = 1;
    for (int n = kPositionCount - 1; n >= 0; --n, mask *= 2) {
        if ((notes & mask) > 0) {
            lbStar(n)->SetVisible(true);
        }
    }
}

void wdwMain::cbScale_Open(ScaleCheckBox& element) {
    element.SetParent(nullptr);
}

void wdwMain::lbStar_Open(StarLabel& element) {
    element.SetParent(nullptr);
}

void wdwMain::CompareScales() {
    PitchClassSet query = 0;
    for (int j = 0; j < kPositionCount; ++j) {
        query = query * 2 + (cbScale(j)->Value() ? 1 : 0);
    }
    TScaleQuery match;
    match.QueryNotes = query;
    match.RootIndex = pmRoot()->ListIndex();
    match.RootCaption = cbScale(0)->Caption().toStdString();
    for (std::size_t k = 0; k < match.Labels.size(); ++k) {
        match.Labels[k] = Labels.at(k);
    }
    match.IncludeOtherRoots = cbOther()->Value();
    match.RootsInListOnly = cbRinL()->Value();

    const auto result = std::make_shared<const TMatchResult>(MatchScales(match, Scale));
    lbValue()->SetCaption(QString::fromStdString(result->ValueText));
    lbExact()->DeleteAllRows();
    lbContaining()->DeleteAllRows();
    lbExact()->AppendRows(std::make_shared<MatchListRows>(result, MatchListRows::Which::Exact));
    lbContaining()->AppendRows(
        std::make_shared<MatchListRows>(result, MatchListRows::Which::Containing));
}

void wdwMain::NormaliseCBs() {
    for (int i = 0; i < kPositionCount; ++i) {
        lbStar(i)->SetVisible(false);
    }
}

PitchClassSet wdwMain::Rotate12(PitchClassSet value, std::int64_t n) {
    return orvel::Rotate12(value, n);
}

}  // namespace orvel
