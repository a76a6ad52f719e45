// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QTimer>

#include "platform/MainMenuBar.h"

namespace orvel {
namespace {

TEST(MainMenuBar, OneSharedInstance) {
    EXPECT_EQ(&MainMenuBar::Instance(), &MainMenuBar::Instance());
}

TEST(MainMenuBar, FileEditToolsAndHelpMenusInOrder) {
    const MainMenuBar& bar = MainMenuBar::Instance();
    const QList<MenuItem*> menus = bar.Menus();
    ASSERT_EQ(menus.size(), 4);
    EXPECT_EQ(menus[2]->objectName(), "ToolsMenu");
    EXPECT_EQ(menus[2]->text(), "&Tools");
    const QList<QAction*> tools = menus[2]->menu()->actions();
    ASSERT_EQ(tools.size(), 8);
    const struct {
        const char* text;
        const char* shortcut;
    } commands[] = {{"Scales for &Chords\u2026", "Ctrl+K"},
                    {"Scales for a &Melody\u2026", "Ctrl+M"},
                    {"Lis&ten\u2026", "Ctrl+L"},
                    {"&Find Scale\u2026", "Ctrl+F"},
                    {"Fret&board", "Ctrl+B"}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(tools[i]->text(), QString(commands[i].text));
        EXPECT_EQ(tools[i]->shortcut(), QKeySequence(commands[i].shortcut)) << commands[i].text;
    }
    EXPECT_TRUE(tools[5]->isSeparator());
    EXPECT_EQ(tools[6]->text(), "MIDI &Input");
    EXPECT_NE(tools[6]->menu(), nullptr);
    EXPECT_EQ(tools[7]->text(), "&Lowest Note Sets the Root");
    EXPECT_TRUE(tools[7]->isCheckable());
    EXPECT_FALSE(tools[7]->isChecked());
    EXPECT_EQ(menus[3]->objectName(), "HelpMenu");
    EXPECT_EQ(menus[3]->text(), "&Help");
    const QList<QAction*> help = menus[3]->menu()->actions();
    ASSERT_EQ(help.size(), 1);
    EXPECT_EQ(help[0]->objectName(), "HelpAbout");
    EXPECT_EQ(help[0]->text(), "&About Orvel Modalune");
    EXPECT_EQ(menus[0]->objectName(), "FileMenu");
    EXPECT_EQ(menus[0]->text(), "&File");
    EXPECT_EQ(menus[0]->KeyboardShortcut(), QString(""));
    EXPECT_EQ(menus[1]->objectName(), "EditMenu");
    EXPECT_EQ(menus[1]->text(), "&Edit");

    const QList<QAction*> file = menus[0]->menu()->actions();
    ASSERT_EQ(file.size(), 1);
    auto* quit = dynamic_cast<MenuItem*>(file[0]);
    ASSERT_NE(quit, nullptr);
    EXPECT_EQ(quit->objectName(), "FileQuit");
    EXPECT_EQ(quit->Text(), "E&xit");
    EXPECT_EQ(quit->KeyboardShortcut(), QString("")) << "Exit carries the empty shortcut";
    EXPECT_EQ(quit->menuRole(), QAction::QuitRole);

    const std::vector<std::pair<QString, QString>> expected = {
        {"EditUndo", "&Undo"},   {"EditSeparator1", "-"},         {"EditCut", "Cu&t"},
        {"EditCopy", "&Copy"},   {"EditPaste", "&Paste"},         {"EditClear", "&Delete"},
        {"EditSeparator2", "-"}, {"EditSelectAll", "Select &All"}};
    const std::vector<std::optional<QString>> shortcuts = {
        QString("Ctrl+Z"), std::nullopt, QString("Ctrl+X"), QString("Ctrl+C"),
        QString("Ctrl+V"), QString(""),  std::nullopt,      QString("Ctrl+A")};
    const QList<QAction*> edit = menus[1]->menu()->actions();
    ASSERT_EQ(edit.size(), 8);
    for (int i = 0; i < 8; ++i) {
        auto* item = dynamic_cast<MenuItem*>(edit[i]);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->objectName(), expected[i].first);
        EXPECT_EQ(item->Text(), expected[i].second);
        EXPECT_EQ(item->text().isEmpty(), item->isSeparator()) << "a separator draws no text";
        EXPECT_EQ(item->KeyboardShortcut(), shortcuts[i]) << i;
        EXPECT_EQ(item->isSeparator(), expected[i].second == "-");
        EXPECT_TRUE(item->AutoEnable());
        EXPECT_TRUE(item->isVisible());
        EXPECT_EQ(bar.Entry(expected[i].first), item) << "found anywhere in the bar";
    }
    EXPECT_EQ(bar.Entry("EditCopy")->shortcut(), QKeySequence(QKeySequence::Copy));
    EXPECT_EQ(bar.Entry("NoSuchEntry"), nullptr);
}

TEST(MainMenuBar, ExitEndsTheEventLoop) {
    MenuItem* quit = MainMenuBar::Instance().Entry("FileQuit");
    ASSERT_NE(quit, nullptr);
    QTimer::singleShot(0, quit, &QAction::trigger);
    EXPECT_EQ(QApplication::exec(), 0);
}

}  // namespace
}  // namespace orvel
