#pragma once

// The application object: Qt's application with the program's version data
// and the shared menu bar. It lives from start-up to the end of the process.

#include <QApplication>
#include <QString>

namespace orvel {

class MainMenuBar;

class App : public QApplication {
  public:
    App(int& argc, char** argv);

    static constexpr int MajorVersion = 1;
    static constexpr int MinorVersion = 1;
    static constexpr int BugVersion = 0;
    static constexpr int NonReleaseVersion = 0;
    static constexpr int StageCode = 0;  // development
    static constexpr const char* ShortVersion = "1.1";
    static constexpr const char* LongVersion = "";
    static constexpr const char* PackageInfo = "";

    MainMenuBar& MenuBar() const { return *menuBar_; }

  private:
    MainMenuBar* menuBar_;
};

}  // namespace orvel
