#pragma once

// A main window over a catalogue written for the test, driven with real
// mouse clicks and key presses on Qt's offscreen platform. Messages the
// window would show are recorded instead.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "wdwMain.h"

namespace orvel::testing_support {

// A catalogue line holding exactly the given positions.
std::string CatalogueLine(const std::string& bank, const std::string& name,
                          std::initializer_list<int> positions);

class MainWindowFixture : public testing::Test {
  protected:
    // Writes the catalogue (two header lines first) and makes the window,
    // opened unless told otherwise.
    void MakeWindow(const std::vector<std::string>& dataLines, bool open = true);
    void MakeWindowWithoutCatalogue(std::shared_ptr<TextFileReader> reader = nullptr);

    void Click(CheckBox& box);
    void ClickRow(ListBox& list, int row);
    void ChooseRoot(int index);

    // Indexes of the visible stars.
    std::vector<int> Stars() const;
    // The cells of every row of a list.
    std::vector<std::vector<QString>> RowsOf(const ListBox& list) const;

    TempFolder folder;
    std::vector<std::string> messages;
    std::unique_ptr<wdwMain> window;
};

}  // namespace orvel::testing_support
