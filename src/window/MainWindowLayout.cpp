// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/MainWindowLayout.h"

#include <QColor>

#include "matching/NoteNameTable.h"

namespace orvel {

namespace {

using P = PropertyName;
constexpr std::int64_t kNone = Control::kNoIndex;
constexpr bool kShown = true;
constexpr bool kHidden = false;

const char* const kContainingHelp =
    "This list will show scales which contain all of the pitch classes specified and which satisfy "
    "the "
    "specified root note requirements.";
const char* const kExactHelp =
    "This list will contain only those scales which are an exact match for the pitch classes "
    "specified and "
    "contain no other pitch classes.";
const char* const kRootHelp = "Specify the pitch class which must serve as the root of the scale.";
const char* const kOtherHelp =
    "Include all scales which contain the specified pitch classes, even those with a root note "
    "other than "
    "that specified above.";
// Two spaces after "only", as the window has always shown it.
const char* const kRootsInListHelp =
    "The lists will contain only  scales where the root note is included in the pitch scales "
    "selected below.";
const char* const kPitchClassHelp = "Select which pitch classes must appear in the scale.";

// The handlers each kind of row raises.
using Handlers = std::vector<Handler>;
const Handlers kNoHandlers;
const Handlers kContainingChange = {Handler::lbContaining_Change, Handler::lbContaining_Activate};
const Handlers kExactActivate = {Handler::lbExact_Activate};
const Handlers kScaleBoxActionOpen = {Handler::cbScale_Action, Handler::cbScale_Open};
const Handlers kStarOpen = {Handler::lbStar_Open};
const Handlers kRootChange = {Handler::pmRoot_Change};
const Handlers kOtherAction = {Handler::cbOther_Action};
const Handlers kRinLAction = {Handler::cbRinL_Action};

PropertyList CheckBoxOwn(const char* caption) {
    return {{P::Caption, QString(caption)}, {P::Value, false}, {P::State, std::int64_t{0}}};
}

// Black text at the platform's default alignment.
PropertyList CaptionOwn(const char* text) {
    return {{P::Text, QString(text)},
            {P::TextColor, QColor(0, 0, 0)},
            {P::TextAlign, std::int64_t{0}},
            {P::Multiline, false},
            {P::Selectable, false}};
}

// A green "*" at 30 points, left aligned.
PropertyList StarOwn() {
    return {
        {P::Text, QString("*")},         {P::TextSize, 30.0},   {P::TextColor, QColor(0, 129, 0)},
        {P::TextAlign, std::int64_t{1}}, {P::Multiline, false}, {P::Selectable, false}};
}

PropertyList ListOwn(std::int64_t columnCount) {
    return {{P::ColumnCount, columnCount},
            {P::ColumnWidths, QString("35%,50%,15%,0%")},
            {P::HasHeading, false},
            {P::SelectionType, std::int64_t{0}},
            {P::RequiresSelection, false},
            {P::InitialValue, QString()},
            {P::Border, true},
            {P::ScrollBarVertical, true},
            {P::ScrollBarHorizontal, false},
            {P::AutoHideScrollbars, true},
            {P::GridLinesHorizontal, std::int64_t{0}},
            {P::GridLinesVertical, std::int64_t{0}},
            {P::DefaultRowHeight, std::int64_t{-1}},
            {P::HeadingIndex, std::int64_t{-1}},
            {P::ColumnsResizable, false},
            {P::EnableDrag, false},
            {P::EnableDragReorder, false},
            {P::Hierarchical, false},
            {P::ShowDropIndicator, false},
            {P::UseFocusRing, true}};
}

PropertyList PopupOwn() {
    QString items;
    for (const std::string_view name : kNoteNameTable) {
        items += (items.isEmpty() ? "" : "\r\n") +
                 QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    }
    return {{P::InitialValue, items}, {P::ListIndex, std::int64_t{kDefaultRootIndex.Value()}}};
}

}  // namespace

const PropertyList& MainWindowSettings() {
    static const PropertyList settings = {
        {P::Width, std::int64_t{615}},
        {P::Height, std::int64_t{605}},
        {P::MinWidth, std::int64_t{64}},
        {P::MinHeight, std::int64_t{64}},
        {P::MaxWidth, std::int64_t{32000}},
        {P::MaxHeight, std::int64_t{32000}},
        {P::Frame, std::int64_t{0}},
        {P::Title, QString("Orvel Modalune")},
        {P::CloseButton, true},
        {P::MinimizeButton, true},
        {P::MaximizeButton, true},
        {P::Resizeable, true},
        {P::FullScreenButton, false},
        {P::FullScreen, false},
        {P::LiveResize, true},
        {P::Placement, std::int64_t{0}},
        {P::Visible, true},
        {P::HasBackColor, false},
        {P::MenuBarVisible, true},
    };
    return settings;
}

const std::array<ControlRow, kControlCount>& MainWindowControls() {
    using K = ControlKind;
    static const std::array<ControlRow, kControlCount> rows = {{
        {K::ListBox, "lbContaining", kNone, 208, 210, 387, 249, 0, kShown, kContainingHelp,
         kContainingChange, "", ListOwn(4)},
        {K::ScaleCheckBox, "cbScale", 0, 30, 188, 100, 25, 1, kShown, kPitchClassHelp,
         kScaleBoxActionOpen, "", CheckBoxOwn("C")},
        {K::ScaleCheckBox, "cbScale", 1, 30, 218, 100, 25, 2, kShown, kPitchClassHelp,
         kScaleBoxActionOpen, "", CheckBoxOwn("C# / Db")},
        {K::ScaleCheckBox, "cbScale", 2, 30, 248, 100, 25, 3, kShown, kPitchClassHelp,
         kScaleBoxActionOpen, "", CheckBoxOwn("D")},
        {K::ScaleCheckBox, "cbScale", 4, 30, 308, 100, 25, 0, kShown, kPitchClassHelp,
         kScaleBoxActionOpen, "cbScale$2", CheckBoxOwn("E")},
        {K::ScaleCheckBox, "cbScale", 6, 30, 368, 100, 25, 0, kShown, kPitchClassHelp,
         kScaleBoxActionOpen, "cbScale$4", CheckBoxOwn("F# / Gb")},
        {K::ScaleCheckBox, "cbScale", 8, 30, 428, 100, 25, 0, kShown, kPitchClassHelp,
         kScaleBoxActionOpen, "cbScale$6", CheckBoxOwn("G# / Ab")},
        {K::ScaleCheckBox, "cbScale", 10, 30, 488, 100, 25, 0, kShown, kPitchClassHelp,
         kScaleBoxActionOpen, "cbScale$8", CheckBoxOwn("A# / Bb")},
        {K::StarLabel, "lbStar", 9, 15, 458, 15, 20, 1, kHidden, kPitchClassHelp, kStarOpen,
         "cbScale$2", StarOwn()},
        {K::ScaleCheckBox, "cbScale", 3, 30, 279, 100, 25, 4, kShown, kPitchClassHelp,
         kScaleBoxActionOpen, "", CheckBoxOwn("D# / Eb")},
        {K::ScaleCheckBox, "cbScale", 5, 30, 339, 100, 25, 0, kShown, kPitchClassHelp,
         kScaleBoxActionOpen, "cbScale$3", CheckBoxOwn("F")},
        {K::ScaleCheckBox, "cbScale", 7, 30, 399, 100, 25, 0, kShown, kPitchClassHelp,
         kScaleBoxActionOpen, "cbScale$5", CheckBoxOwn("G")},
        {K::ScaleCheckBox, "cbScale", 9, 30, 459, 100, 25, 0, kShown, kPitchClassHelp,
         kScaleBoxActionOpen, "cbScale$7", CheckBoxOwn("A")},
        {K::ScaleCheckBox, "cbScale", 11, 30, 518, 100, 25, 5, kShown, kPitchClassHelp,
         kScaleBoxActionOpen, "", CheckBoxOwn("B")},
        {K::Label, "lbValue", kNone, 30, 563, 121, 20, 7, kHidden, "", kNoHandlers, "",
         CaptionOwn(" ")},
        {K::ListBox, "lbExact", kNone, 208, 52, 387, 95, 8, kShown, kExactHelp, kExactActivate, "",
         ListOwn(3)},
        {K::Label, "Label1", kNone, 30, 158, 100, 20, 9, kShown, "", kNoHandlers, "",
         CaptionOwn("Notes in Scale")},
        {K::Label, "Label2", kNone, 215, 20, 100, 20, 10, kShown, "", kNoHandlers, "",
         CaptionOwn("Exact Match")},
        {K::Label, "Label3", kNone, 215, 178, 141, 20, 11, kShown, "", kNoHandlers, "",
         CaptionOwn("Containing All Notes")},
        {K::PopupMenu, "pmRoot", kNone, 30, 50, 80, 20, 12, kShown, kRootHelp, kRootChange, "",
         PopupOwn()},
        {K::Label, "Label4", kNone, 30, 20, 100, 20, 13, kShown, "", kNoHandlers, "",
         CaptionOwn("Root Note")},
        {K::StarLabel, "lbStar", 0, 15, 188, 15, 20, 14, kHidden, kPitchClassHelp, kStarOpen, "",
         StarOwn()},
        {K::StarLabel, "lbStar", 1, 15, 218, 15, 20, 15, kHidden, kPitchClassHelp, kStarOpen, "",
         StarOwn()},
        {K::StarLabel, "lbStar", 2, 15, 248, 15, 20, 16, kHidden, kPitchClassHelp, kStarOpen, "",
         StarOwn()},
        {K::StarLabel, "lbStar", 5, 15, 338, 15, 20, 0, kHidden, kPitchClassHelp, kStarOpen,
         "lbStar$2", StarOwn()},
        {K::StarLabel, "lbStar", 3, 15, 278, 15, 20, 17, kHidden, kPitchClassHelp, kStarOpen, "",
         StarOwn()},
        {K::StarLabel, "lbStar", 6, 15, 368, 15, 20, 0, kHidden, kPitchClassHelp, kStarOpen,
         "lbStar$3", StarOwn()},
        {K::StarLabel, "lbStar", 4, 15, 308, 15, 20, 18, kHidden, kPitchClassHelp, kStarOpen, "",
         StarOwn()},
        {K::StarLabel, "lbStar", 7, 15, 398, 15, 20, 19, kHidden, kPitchClassHelp, kStarOpen, "",
         StarOwn()},
        {K::StarLabel, "lbStar", 10, 15, 488, 15, 20, 0, kHidden, kPitchClassHelp, kStarOpen,
         "lbStar$7", StarOwn()},
        {K::StarLabel, "lbStar", 8, 15, 428, 15, 20, 20, kHidden, kPitchClassHelp, kStarOpen, "",
         StarOwn()},
        {K::StarLabel, "lbStar", 11, 15, 518, 15, 20, 21, kHidden, kPitchClassHelp, kStarOpen, "",
         StarOwn()},
        {K::Label, "lbScale", kNone, 208, 563, 100, 20, 22, kHidden, "", kNoHandlers, "",
         CaptionOwn(" ")},
        {K::CheckBox, "cbOther", kNone, 30, 82, 158, 20, 23, kShown, kOtherHelp, kOtherAction, "",
         CheckBoxOwn("Include Other Roots")},
        {K::CheckBox, "cbRinL", kNone, 30, 114, 100, 20, 24, kShown, kRootsInListHelp, kRinLAction,
         "", CheckBoxOwn("Roots in List Only")},
    }};
    return rows;
}

PropertyList PropertiesOf(const ControlRow& row) {
    PropertyList properties = {
        {P::Name, QString(row.name)},
        {P::Index, row.index},
        {P::Left, std::int64_t{row.left}},
        {P::Top, std::int64_t{row.top}},
        {P::Width, std::int64_t{row.width}},
        {P::Height, std::int64_t{row.height}},
        {P::LockLeft, true},
        {P::LockTop, true},
        {P::LockRight, false},
        {P::LockBottom, false},
        {P::TabIndex, row.tabIndex},
        {P::TabPanelIndex, std::int64_t{0}},
        {P::TabStop, true},
        {P::Enabled, true},
        {P::Visible, row.visible},
        {P::HelpTag, QString(row.helpTag)},
        {P::TextFont, QString("System")},
        {P::TextSize, 0.0},
        {P::TextUnit, std::int64_t{0}},
        {P::Bold, false},
        {P::Italic, false},
        {P::Underline, false},
    };
    if (row.initialParent[0] != '\0') {
        properties.push_back({P::InitialParent, QString(row.initialParent)});
    }
    properties.insert(properties.end(), row.own.begin(), row.own.end());
    return properties;
}

}  // namespace orvel
