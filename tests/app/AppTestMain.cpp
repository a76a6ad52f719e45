// SPDX-License-Identifier: GPL-3.0-or-later
// The application tests run inside the real application object, on Qt's
// offscreen platform.

#include <gtest/gtest.h>

#include "app/App.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    testing::InitGoogleTest(&argc, argv);
    orvel::App app(argc, argv);
    return RUN_ALL_TESTS();
}
