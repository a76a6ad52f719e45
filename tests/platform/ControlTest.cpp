// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <stdexcept>

#include "TestWindow.h"
#include "platform/CheckBox.h"
#include "platform/Label.h"

namespace orvel {
namespace {

using testing_support::At;
using testing_support::With;
using P = PropertyName;

class OpenRecorder : public Window {
  public:
    std::vector<QString> events;

  protected:
    void Event_Open() override { events.push_back("window"); }
};

TEST(Control, PropertiesApplyInStoredOrder) {
    Window window;
    Label& label = window.CreateControl<Label>(
        Control::kNoIndex, With(At("lbA", 10, 20), {{P::Caption, QString("first")},
                                                    {P::Left, std::int64_t{40}},
                                                    {P::Text, QString("second")}}));
    EXPECT_EQ(label.Caption(), "second");
    EXPECT_EQ(label.WindowGeometry(), QRect(40, 20, 100, 20));
    EXPECT_EQ(label.Name(), "lbA");
    EXPECT_EQ(label.Index(), Control::kNoIndex);
}

TEST(Control, InitialValuesRunNoHandler) {
    Window window;
    CheckBox& box =
        window.CreateControl<CheckBox>(Control::kNoIndex, With(At("cb", 0, 0), {{P::Value, true}}));
    int actions = 0;
    box.Action = [&](CheckBox& raised) {
        EXPECT_EQ(&raised, &box);
        ++actions;
    };
    EXPECT_TRUE(box.Value());
    EXPECT_EQ(actions, 0);
    box.SetValue(false);
    EXPECT_EQ(actions, 1);
}

TEST(Control, RefusesPropertiesItDoesNotHave) {
    Window window;
    EXPECT_THROW(window.CreateControl<Label>(
                     Control::kNoIndex, With(At("lb", 0, 0), {{P::ColumnCount, std::int64_t{3}}})),
                 std::invalid_argument);
    EXPECT_THROW(
        window.CreateControl<Label>(Control::kNoIndex, With(At("lb", 0, 0), {{P::Caption, true}})),
        std::invalid_argument);
    EXPECT_THROW(window.CreateControl<Label>(Control::kNoIndex,
                                             With(At("lb", 0, 0), {{P::LockRight, true}})),
                 std::invalid_argument);
}

TEST(Window, FindsControlsByNameAndIndex) {
    Window window;
    window.CreateControl<CheckBox>(0, At("cbArray", 0, 0));
    CheckBox& second = window.CreateControl<CheckBox>(1, At("cbArray", 0, 30));
    Label& single = window.CreateControl<Label>(Control::kNoIndex, At("lbSingle", 0, 60));
    EXPECT_EQ(window.Find<CheckBox>("cbArray", 1), &second);
    EXPECT_EQ(window.FindControl("lbSingle"), &single);
    EXPECT_EQ(window.FindControl("cbArray", 2), nullptr);
    EXPECT_EQ(window.FindControl("cbArray"), nullptr) << "an array element has an index";
    EXPECT_EQ(window.Find<Label>("cbArray", 1), nullptr) << "looked up as the wrong kind";
}

TEST(Window, NestedControlDetachesWithoutMovingOnScreen) {
    Window window;
    window.ApplySettings({{P::Width, std::int64_t{300}}, {P::Height, std::int64_t{300}}});
    CheckBox& outer = window.CreateControl<CheckBox>(2, At("cb", 30, 50, 100, 25));
    CheckBox& inner = window.CreateControl<CheckBox>(
        4, With(At("cb", 30, 60, 100, 25), {{P::InitialParent, QString("cb$2")}}));
    EXPECT_EQ(inner.Parent(), &outer);
    EXPECT_EQ(inner.Widget().parentWidget(), &outer.Widget());
    const QPoint before = inner.Widget().mapTo(&window.ContentArea(), QPoint(0, 0));
    EXPECT_EQ(before, QPoint(30, 60));

    inner.SetParent(nullptr);
    EXPECT_EQ(inner.Parent(), nullptr);
    EXPECT_EQ(inner.Widget().parentWidget(), &window.ContentArea());
    EXPECT_EQ(inner.Widget().mapTo(&window.ContentArea(), QPoint(0, 0)), before);
    EXPECT_EQ(inner.WindowGeometry(), QRect(30, 60, 100, 25));

    EXPECT_THROW(window.CreateControl<CheckBox>(
                     5, With(At("cb", 0, 0), {{P::InitialParent, QString("cb$9")}})),
                 std::invalid_argument);
}

TEST(Window, RaisesEachControlsOpenThenItsOwnOnce) {
    OpenRecorder window;
    for (int index : {0, 1, 2}) {
        Label& label = window.CreateControl<Label>(index, At("lbItem", 0, index * 20));
        label.Open = [&window](Control& raised) {
            window.events.push_back("item " + QString::number(raised.Index()));
        };
    }
    window.Open();
    window.Open();
    EXPECT_EQ(window.events, (std::vector<QString>{"item 0", "item 1", "item 2", "window"}));
    EXPECT_TRUE(window.isVisible());
}

TEST(Window, ContentAreaHasTheSizeOfItsSettings) {
    Window window;
    window.ApplySettings(
        {{P::Width, std::int64_t{615}}, {P::Height, std::int64_t{605}}, {P::Title, QString("T")}});
    window.Open();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.ContentArea().size(), QSize(615, 605));
    EXPECT_EQ(window.windowTitle(), "T");
    EXPECT_THROW(window.ApplySettings({{P::Frame, std::int64_t{3}}}), std::invalid_argument);
}

TEST(CheckBox, CaptionIsNeverCutOff) {
    Window window;
    CheckBox& box = window.CreateControl<CheckBox>(
        Control::kNoIndex, With(At("cb", 0, 0, 20, 20), {{P::Caption, QString("A long caption")}}));
    EXPECT_EQ(box.WindowGeometry().width(), 20);
    EXPECT_GE(box.Widget().width(), box.sizeHint().width());
}

TEST(Label, StarSettings) {
    Window window;
    Label& star = window.CreateControl<Label>(
        3, With(At("lbStar", 15, 188, 15, 20), {{P::Visible, false},
                                                {P::TextSize, 30.0},
                                                {P::TextColor, QColor(0, 129, 0)},
                                                {P::TextAlign, std::int64_t{1}},
                                                {P::Text, QString("*")}}));
    EXPECT_FALSE(star.Visible());
    EXPECT_EQ(star.font().pixelSize(), 30);
    EXPECT_EQ(star.TextColor(), QColor(0, 129, 0));
    EXPECT_TRUE(star.alignment() & Qt::AlignLeft);
    star.SetVisible(true);
    EXPECT_TRUE(star.Visible());
}

}  // namespace
}  // namespace orvel
