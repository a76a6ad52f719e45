// SPDX-License-Identifier: GPL-3.0-or-later
// GoogleTest main for tests that need Qt widgets: runs them on the offscreen
// platform, so that no display is needed, with one application object for
// the whole run.

#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
