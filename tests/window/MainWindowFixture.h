// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A main window over a catalogue made for the test, driven with real mouse
// clicks and key presses on Qt's offscreen platform. Messages the window
// would show are recorded instead, and its sound goes to fake players.

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/FakeMidiInput.h"
#include "support/FakePlayer.h"
#include "support/Notes.h"
#include "window/ToolWindows.h"
#include "window/wdwMain.h"

namespace orvel::testing_support {

// A catalogue line holding exactly the given positions.
std::string CatalogueLine(const std::string& bank, const std::string& name,
                          std::initializer_list<int> positions);

class MainWindowFixture : public testing::Test {
  protected:
    ~MainWindowFixture() override { sound->Release(); }

    // Makes the window over a catalogue of these data lines (two header
    // lines first), opened unless told otherwise.
    void MakeWindow(const std::vector<std::string>& dataLines, bool open = true);
    // Makes the window, not yet opened, loading its catalogue with `load`.
    void MakeWindowLoading(std::function<ScaleLoad()> load);

    void Click(CheckBox& box);
    void ClickRow(ListBox& list, int row);
    void ChooseRoot(int index);
    // Drops the file on a window as a file manager does; whether it took it.
    static bool DropOn(QWidget& target, const std::filesystem::path& file);

    // Indexes of the visible stars.
    std::vector<int> Stars() const;
    // The cells of every row of a list.
    std::vector<std::vector<QString>> RowsOf(const ListBox& list) const;

    std::vector<std::string> messages;
    std::vector<std::string> causes;     // what each message's failure said
    std::vector<QWidget*> messagesOver;  // the window each was shown over
    std::shared_ptr<FakeSound> sound = std::make_shared<FakeSound>();
    // What the window's playback plays through; set before making the window.
    SoundThread::MakePlayer players = FakePlayers(sound);
    std::unique_ptr<Playback> playback;  // handed to the window, as start-up does
    std::chrono::milliseconds now{0};    // the playback's clock, which the test moves
    std::unique_ptr<MidiKeyboard> midi;  // the same; not started unless a test starts it
    FakeMidiInput* midiInput = nullptr;  // behind it, once started
    std::unique_ptr<wdwMain> window;
    ToolWindows* tools = nullptr;  // the window's, as start-up makes them
};

}  // namespace orvel::testing_support
