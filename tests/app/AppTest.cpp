// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QIcon>
#include <QPointer>
#include <QTimer>
#include <iostream>

#include "app/App.h"
#include "app/MainWindowInstance.h"
#include "platform/MainMenuBar.h"
#include "support/FakePlayer.h"
#include "support/TempFolder.h"

namespace orvel {
namespace {

using testing_support::TempFolder;

// The program's loading from a folder of the test's, messages counted.
wdwMain::Services QuietServices(const TempFolder& folder, int& messages) {
    static auto* const playback =
        new Playback(testing_support::FakePlayers(std::make_shared<testing_support::FakeSound>()));
    return {[file = folder.Path() / kCatalogueFileName] { return LoadScales(file, std::cerr); },
            [&messages](QWidget*, const QString&, const QString&) { ++messages; }, playback,
            new MidiKeyboard([](MidiInput::Receiver) { return nullptr; }, playback),
            folder.Path() / kCatalogueFileName};
}

TEST(App, VersionData) {
    const QString version =
        QString::number(App::MajorVersion) + "." + QString::number(App::MinorVersion) + "." +
        QString::number(App::BugVersion) + "." + QString::number(App::NonReleaseVersion);
    EXPECT_EQ(version, ORVEL_EXPECTED_VERSION);
    EXPECT_EQ(App::StageCode, 0);
    EXPECT_STREQ(App::ShortVersion, ORVEL_EXPECTED_SHORT_VERSION);
    EXPECT_STREQ(App::LongVersion, "");
    EXPECT_STREQ(App::PackageInfo, "");
    EXPECT_EQ(QApplication::applicationVersion(), ORVEL_EXPECTED_SHORT_VERSION);
    EXPECT_EQ(QApplication::applicationName(), "Orvel Modalune");
}

TEST(App, WindowsShowTheBalanceIcon) {
    const QIcon icon = QApplication::windowIcon();
    for (const int size : {16, 32, 48, 256}) {
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
    }
    EXPECT_FALSE(icon.pixmap(256).toImage().isNull());
}

TEST(App, SharesTheMenuBarWithTheMainWindow) {
    auto& app = static_cast<App&>(*QApplication::instance());
    TempFolder folder;
    int messages = 0;
    wdwMain& window = MainWindowInstance(QuietServices(folder, messages));
    EXPECT_EQ(&app.MenuBar(), &MainMenuBar::Instance());
    EXPECT_EQ(window.menuWidget(), &app.MenuBar());
    window.close();
    QCoreApplication::processEvents();
}

TEST(App, ASecondRequestReturnsTheOpenWindow) {
    TempFolder folder;
    int messages = 0;
    wdwMain& first = MainWindowInstance(QuietServices(folder, messages));
    wdwMain& second = MainWindowInstance(QuietServices(folder, messages));
    EXPECT_EQ(&first, &second);
    EXPECT_TRUE(first.isVisible());
    EXPECT_EQ(messages, 0) << "no catalogue: no message";
    first.close();
    QCoreApplication::processEvents();
}

TEST(App, ClosingTheMainWindowEndsTheEventLoop) {
    TempFolder folder;
    int messages = 0;
    wdwMain& window = MainWindowInstance(QuietServices(folder, messages));
    QTimer::singleShot(0, &window, &QWidget::close);
    EXPECT_EQ(QApplication::exec(), 0);
}

TEST(App, ExitEndsTheEventLoopWithCodeZero) {
    TempFolder folder;
    int messages = 0;
    QPointer<wdwMain> window = &MainWindowInstance(QuietServices(folder, messages));
    QTimer::singleShot(0, window->FileQuit(), &QAction::trigger);
    EXPECT_EQ(QApplication::exec(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull()) << "quitting closes the window";
}

}  // namespace
}  // namespace orvel
