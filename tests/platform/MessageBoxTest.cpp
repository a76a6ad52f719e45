// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>

#include "platform/MessageBox.h"

namespace orvel {
namespace {

TEST(MessageBox, ShowsItsTitleInFullAndTheCauseAsDetail) {
    QApplication::setApplicationDisplayName("Orvel Modalune");
    const auto box = MakeMessageBox(nullptr, "Error accessing file.",
                                    "/usr/lib/orvel-modalune/Orvel Scales.csv: Is a directory");
    box->show();
    QApplication::processEvents();
    EXPECT_EQ(box->text(), "Error accessing file.");
    EXPECT_EQ(box->detailedText(), "/usr/lib/orvel-modalune/Orvel Scales.csv: Is a directory");
    QFont bold = box->font();
    bold.setBold(true);
    EXPECT_GE(box->width(), QFontMetrics(bold).horizontalAdvance("Orvel Modalune") + 150)
        << "room for the title beside a title bar's icon and buttons";
}

}  // namespace
}  // namespace orvel
