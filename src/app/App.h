// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The application object: Qt's application with the program's version data
// and the shared menu bar. It lives from start-up to the end of the process.

#include <QApplication>
#include <QString>

#include "version/Version.h"

namespace orvel {

class MainMenuBar;

class App : public QApplication {
  public:
    App(int& argc, char** argv);

    static constexpr int MajorVersion = version::kMajor;
    static constexpr int MinorVersion = version::kMinor;
    static constexpr int BugVersion = version::kPatch;
    static constexpr int NonReleaseVersion = version::kTweak;
    static constexpr int StageCode = 0;  // development
    static constexpr const char* ShortVersion = version::kShort;
    static constexpr const char* LongVersion = "";
    static constexpr const char* PackageInfo = "";

    MainMenuBar& MenuBar() const { return *menuBar_; }

  private:
    MainMenuBar* menuBar_;
};

}  // namespace orvel
