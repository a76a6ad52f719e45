// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as laid out: every control's place, size, text, help tag,
// visibility, font and colour, the creation order and the initial nesting,
// checked against the values written out here independently of the layout
// table the window is built from.

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>

#include "MainWindowFixture.h"
#include "platform/Contrast.h"
#include "platform/MainMenuBar.h"

namespace orvel {
namespace {

using testing_support::MainWindowFixture;
constexpr std::int64_t kNone = Control::kNoIndex;

struct Expected {
    const char* name;
    std::int64_t index;
    int left, top, width, height;
    std::int64_t tab;
    bool visible;
    const char* text;
};

// In creation order.
const Expected kControls[] = {
    {"lbContaining", kNone, 208, 210, 387, 249, 0, true, ""},
    {"cbScale", 0, 30, 188, 100, 25, 1, true, "C"},
    {"cbScale", 1, 30, 218, 100, 25, 2, true, "C# / Db"},
    {"cbScale", 2, 30, 248, 100, 25, 3, true, "D"},
    {"cbScale", 4, 30, 308, 100, 25, 0, true, "E"},
    {"cbScale", 6, 30, 368, 100, 25, 0, true, "F# / Gb"},
    {"cbScale", 8, 30, 428, 100, 25, 0, true, "G# / Ab"},
    {"cbScale", 10, 30, 488, 100, 25, 0, true, "A# / Bb"},
    {"lbStar", 9, 15, 458, 15, 20, 1, false, "*"},
    {"cbScale", 3, 30, 279, 100, 25, 4, true, "D# / Eb"},
    {"cbScale", 5, 30, 339, 100, 25, 0, true, "F"},
    {"cbScale", 7, 30, 399, 100, 25, 0, true, "G"},
    {"cbScale", 9, 30, 459, 100, 25, 0, true, "A"},
    {"cbScale", 11, 30, 518, 100, 25, 5, true, "B"},
    {"lbValue", kNone, 30, 563, 121, 20, 7, false, " "},
    {"lbExact", kNone, 208, 52, 387, 95, 8, true, ""},
    {"Label1", kNone, 30, 158, 100, 20, 9, true, "Notes in Scale"},
    {"Label2", kNone, 215, 20, 100, 20, 10, true, "Exact Match"},
    {"Label3", kNone, 215, 178, 141, 20, 11, true, "Containing All Notes"},
    {"pmRoot", kNone, 30, 50, 80, 20, 12, true, "C"},
    {"Label4", kNone, 30, 20, 100, 20, 13, true, "Root Note"},
    {"lbStar", 0, 15, 188, 15, 20, 14, false, "*"},
    {"lbStar", 1, 15, 218, 15, 20, 15, false, "*"},
    {"lbStar", 2, 15, 248, 15, 20, 16, false, "*"},
    {"lbStar", 5, 15, 338, 15, 20, 0, false, "*"},
    {"lbStar", 3, 15, 278, 15, 20, 17, false, "*"},
    {"lbStar", 6, 15, 368, 15, 20, 0, false, "*"},
    {"lbStar", 4, 15, 308, 15, 20, 18, false, "*"},
    {"lbStar", 7, 15, 398, 15, 20, 19, false, "*"},
    {"lbStar", 10, 15, 488, 15, 20, 0, false, "*"},
    {"lbStar", 8, 15, 428, 15, 20, 20, false, "*"},
    {"lbStar", 11, 15, 518, 15, 20, 21, false, "*"},
    {"lbScale", kNone, 208, 563, 100, 20, 22, false, " "},
    {"cbOther", kNone, 30, 82, 158, 20, 23, true, "Include Other Roots"},
    {"cbRinL", kNone, 30, 114, 100, 20, 24, true, "Roots in List Only"},
};

QString TextOfControl(Control& control) {
    if (auto* box = dynamic_cast<CheckBox*>(&control)) {
        return box->Caption();
    }
    if (auto* label = dynamic_cast<Label*>(&control)) {
        return label->Caption();
    }
    if (auto* popup = dynamic_cast<PopupMenu*>(&control)) {
        return popup->currentText();
    }
    return "";
}

QString HelpTagFor(const QString& name) {
    if (name == "lbContaining") {
        return "This list will show scales which contain all of the pitch classes specified and "
               "which satisfy the "
               "specified root note requirements.";
    }
    if (name == "lbExact") {
        return "This list will contain only those scales which are an exact match for the pitch "
               "classes specified "
               "and contain no other pitch classes.";
    }
    if (name == "pmRoot") {
        return "Specify the pitch class which must serve as the root of the scale.";
    }
    if (name == "cbOther") {
        return "Include all scales which contain the specified pitch classes, even those with a "
               "root note other "
               "than that specified above.";
    }
    if (name == "cbRinL") {
        return "The lists will contain only  scales where the root note is included in the pitch "
               "scales selected "
               "below.";
    }
    if (name == "cbScale" || name == "lbStar") {
        return "Select which pitch classes must appear in the scale.";
    }
    return "";
}

class wdwMainLayout : public MainWindowFixture {};

TEST_F(wdwMainLayout, EveryControlAsLaidOutInCreationOrder) {
    MakeWindow({}, false);
    const auto& controls = window->Controls();
    ASSERT_EQ(controls.size(), std::size(kControls));
    int checked = 0;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        Control& control = *controls[i];
        const Expected& expected = kControls[i];
        SCOPED_TRACE(std::string(expected.name) + " " + std::to_string(expected.index));
        EXPECT_EQ(control.Name(), expected.name);
        EXPECT_EQ(control.Index(), expected.index);
        EXPECT_EQ(control.WindowGeometry(),
                  QRect(expected.left, expected.top, expected.width, expected.height));
        EXPECT_EQ(control.TabIndex(), expected.tab);
        EXPECT_EQ(control.Visible(), expected.visible);
        EXPECT_EQ(TextOfControl(control), expected.text);
        EXPECT_EQ(control.HelpTag(), HelpTagFor(control.Name()));
        EXPECT_TRUE(control.Widget().isEnabled());
        if (control.Name() != "lbStar") {
            EXPECT_EQ(control.Widget().font(), QApplication::font())
                << "the system font at its default size";
        }
        ++checked;
    }
    EXPECT_EQ(checked, 35);
}

TEST_F(wdwMainLayout, KindsAndArrays) {
    MakeWindow({}, false);
    int checkBoxes = 0;
    int labels = 0;
    int lists = 0;
    int popups = 0;
    for (Control* control : window->Controls()) {
        checkBoxes += dynamic_cast<CheckBox*>(control) != nullptr ? 1 : 0;
        labels += dynamic_cast<Label*>(control) != nullptr ? 1 : 0;
        lists += dynamic_cast<ListBox*>(control) != nullptr ? 1 : 0;
        popups += dynamic_cast<PopupMenu*>(control) != nullptr ? 1 : 0;
    }
    EXPECT_EQ(checkBoxes, 14);
    EXPECT_EQ(labels, 18);
    EXPECT_EQ(lists, 2);
    EXPECT_EQ(popups, 1);
    for (int i = 0; i < 12; ++i) {
        ASSERT_NE(window->cbScale(i), nullptr);
        ASSERT_NE(window->lbStar(i), nullptr);
        EXPECT_EQ(window->cbScale(i)->Index(), i);
        EXPECT_FALSE(window->cbScale(i)->Value());
    }
    EXPECT_EQ(window->cbScale(12), nullptr);
    EXPECT_EQ(window->lbStar(-1), nullptr);
    EXPECT_FALSE(window->cbOther()->Value());
    EXPECT_FALSE(window->cbRinL()->Value());
}

TEST_F(wdwMainLayout, StarsAreLargeGreenAsterisks) {
    MakeWindow({}, false);
    for (int i = 0; i < 12; ++i) {
        StarLabel& star = *window->lbStar(i);
        EXPECT_EQ(star.Caption(), "*");
        EXPECT_EQ(star.font().pixelSize(), 30);
        // The layout's green, darkened the little it takes to read on this
        // light grey.
        const QColor green = star.TextColor();
        EXPECT_EQ(green.hslHue(), QColor(0, 129, 0).hslHue());
        EXPECT_NEAR(green.green(), 129, 6);
        EXPECT_GE(ContrastRatio(green, star.palette().color(QPalette::Window)), 4.5);
        EXPECT_FALSE(star.font().bold());
    }
    for (Label* label : {window->Label1(), window->Label2(), window->Label3(), window->Label4(),
                         window->lbValue(), window->lbScale()}) {
        EXPECT_EQ(label->TextColor(), QColor(0, 0, 0));
    }
    // Check boxes 3, 5, 7 and 9 sit one pixel below their stars.
    for (int i = 0; i < 12; ++i) {
        const int offset = (i == 3 || i == 5 || i == 7 || i == 9) ? 1 : 0;
        EXPECT_EQ(window->cbScale(i)->WindowGeometry().top(),
                  window->lbStar(i)->WindowGeometry().top() + offset)
            << i;
    }
}

TEST_F(wdwMainLayout, ListsAndPopup) {
    MakeWindow({}, false);
    ListBox& containing = *window->lbContaining();
    ListBox& exact = *window->lbExact();
    EXPECT_EQ(containing.ColumnCount(), 4);
    EXPECT_EQ(exact.ColumnCount(), 3);
    EXPECT_EQ(containing.ColumnShares(), (std::vector<double>{35, 50, 15, 0}));
    EXPECT_TRUE(containing.isColumnHidden(3));
    EXPECT_FALSE(exact.isColumnHidden(2));
    EXPECT_FALSE(containing.horizontalHeader()->isVisible());
    EXPECT_EQ(containing.selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(containing.RowCount(), 0u);
    EXPECT_EQ(exact.RowCount(), 0u);

    PopupMenu& popup = *window->pmRoot();
    const QStringList items = {"A",       "A# / Bb", "B", "C",       "C# / Db", "D",
                               "D# / Eb", "E",       "F", "F# / Gb", "G",       "G# / Ab"};
    ASSERT_EQ(popup.ItemCount(), 12);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(popup.Item(i), items[i]);
    }
    EXPECT_EQ(popup.ListIndex(), 3) << "C is chosen at start, although A is the first item";
}

TEST_F(wdwMainLayout, ElevenElementsStartNestedAndOpenOnTheWindow) {
    MakeWindow({}, false);
    const std::vector<std::tuple<const char*, int, const char*, int>> nesting = {
        {"cbScale", 4, "cbScale", 2},  {"cbScale", 5, "cbScale", 3}, {"cbScale", 6, "cbScale", 4},
        {"cbScale", 7, "cbScale", 5},  {"cbScale", 8, "cbScale", 6}, {"cbScale", 9, "cbScale", 7},
        {"cbScale", 10, "cbScale", 8}, {"lbStar", 5, "lbStar", 2},   {"lbStar", 6, "lbStar", 3},
        {"lbStar", 9, "cbScale", 2},   {"lbStar", 10, "lbStar", 7}};
    int nested = 0;
    for (Control* control : window->Controls()) {
        if (control->Parent() != nullptr) {
            ++nested;
        }
    }
    EXPECT_EQ(nested, 11);
    for (const auto& [name, index, parentName, parentIndex] : nesting) {
        EXPECT_EQ(window->FindControl(name, index)->Parent(),
                  window->FindControl(parentName, parentIndex))
            << name << index;
    }

    window->Open();
    for (Control* control : window->Controls()) {
        EXPECT_EQ(control->Parent(), nullptr) << control->Name().toStdString() << control->Index();
        EXPECT_EQ(control->Widget().parentWidget(), &window->ContentArea());
        EXPECT_EQ(control->Widget().pos(), control->WindowGeometry().topLeft());
    }
}

TEST_F(wdwMainLayout, WindowSettingsAndMenuBar) {
    MakeWindow({});
    EXPECT_EQ(window->windowTitle(), "Orvel Modalune");
    EXPECT_EQ(window->ContentArea().size(), QSize(615, 605));
    EXPECT_EQ(window->ContentArea().minimumSize(), QSize(64, 64));
    EXPECT_EQ(window->ContentArea().maximumSize(), QSize(32000, 32000));
    EXPECT_EQ(window->menuWidget(), &MainMenuBar::Instance());
    EXPECT_TRUE(window->menuWidget()->isVisible());
    EXPECT_EQ(window->FileQuit()->Text(), "E&xit");
    EXPECT_EQ(window->EditMenu()->Text(), "&Edit");
    EXPECT_EQ(window->EditSelectAll()->Text(), "Select &All");
    EXPECT_EQ(window->EditSeparator1()->Text(), "-");
    EXPECT_EQ(window->EditSeparator2()->Text(), "-");
    EXPECT_EQ(window->EditClear()->Text(), "&Delete");
    EXPECT_EQ(window->EditPaste()->Text(), "&Paste");
    EXPECT_EQ(window->EditCopy()->Text(), "&Copy");
    EXPECT_EQ(window->EditCut()->Text(), "Cu&t");
    EXPECT_EQ(window->EditUndo()->Text(), "&Undo");
    EXPECT_EQ(window->FileMenu()->Text(), "&File");
}

TEST_F(wdwMainLayout, ResizingLeavesEveryControlInPlace) {
    MakeWindow({});
    std::vector<QRect> before;
    for (Control* control : window->Controls()) {
        before.push_back(control->Widget().geometry());
    }
    window->resize(64, 64);
    QCoreApplication::processEvents();
    window->resize(900, 800);
    QCoreApplication::processEvents();
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(window->Controls()[i]->Widget().geometry(), before[i]);
    }
}

}  // namespace
}  // namespace orvel
