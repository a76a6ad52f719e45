// Catalogues that people's editors, spreadsheets and scripts can produce, as
// the window meets them. How such bytes load is the parser's tests' subject;
// these check what the window does with the result.

#include <gtest/gtest.h>

#include <iostream>

#include "MainWindowFixture.h"
#include "support/TempFolder.h"

namespace orvel {
namespace {

using testing_support::CatalogueLine;
using testing_support::MainWindowFixture;
using testing_support::TempFolder;

class HostileCatalogue : public MainWindowFixture {};

TEST_F(HostileCatalogue, OddNamesAreListedUnderEveryRootAndReadBack) {
    MakeWindow({CatalogueLine("B", std::string("Nul\0Name", 8), {0, 4, 7}),
                CatalogueLine("\xff\xfe", "\xc3(", {0, 3, 7}), CatalogueLine("", "", {}),
                CatalogueLine("B", std::string(60'000, 'n'), {0, 2, 4, 5, 7, 9, 11})});
    ASSERT_EQ(window->Scale.size(), 4u);
    Click(*window->cbOther());
    EXPECT_EQ(window->lbContaining()->RowCount() + window->lbExact()->RowCount(), 12 * 4u);
    for (std::size_t row = 0; row < window->lbContaining()->RowCount(); ++row) {
        EXPECT_FALSE(window->lbContaining()->Cell(row, 2).isEmpty())
            << "a root name in row " << row;
    }
    EXPECT_EQ(window->lbExact()->Cell(0, 0), "") << "the empty scale matches nothing ticked";
    EXPECT_TRUE(messages.empty());
}

// The one case that needs the disk: what the program's own loading gives the
// window when a folder stands where the catalogue should be.
TEST_F(HostileCatalogue, AFolderInItsPlaceShowsTheMessage) {
    TempFolder folder;
    const auto place = folder.Path() / kCatalogueFileName;
    std::filesystem::create_directory(place);
    MakeWindowLoading([place] { return LoadScales(place, std::cerr); });
    window->Open();
    EXPECT_EQ(messages, std::vector<std::string>{"Error accessing file."});
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->Scale.empty());
    EXPECT_EQ(window->cbScale(11)->Caption(), "B");
}

}  // namespace
}  // namespace orvel
