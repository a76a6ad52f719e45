// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "TestWindow.h"
#include "platform/PopupMenu.h"

namespace orvel {
namespace {

using testing_support::At;
using testing_support::With;
using P = PropertyName;

TEST(PopupMenu, ItemsFromCrLfTextAndInitialSelectionRunsNoHandler) {
    Window window;
    PopupMenu& popup = window.CreateControl<PopupMenu>(
        Control::kNoIndex,
        With(At("pm", 0, 0), {{P::InitialValue, QString("A\r\nA# / Bb\r\nB\r\nC")},
                              {P::ListIndex, std::int64_t{3}}}));
    int changes = 0;
    popup.Change = [&](PopupMenu& raised) {
        EXPECT_EQ(&raised, &popup);
        ++changes;
    };
    EXPECT_EQ(popup.ItemCount(), 4);
    EXPECT_EQ(popup.Item(1), "A# / Bb");
    EXPECT_EQ(popup.ListIndex(), 3);
    EXPECT_EQ(popup.currentText(), "C");
    EXPECT_EQ(changes, 0);

    popup.SetListIndex(0);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(popup.ListIndex(), 0);
    popup.SetListIndex(0);
    EXPECT_EQ(changes, 1) << "choosing the same item again is no change";
}

}  // namespace
}  // namespace orvel
