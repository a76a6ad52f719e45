// SPDX-License-Identifier: GPL-3.0-or-later
// Catalogues that people's editors, spreadsheets and scripts can produce, as
// the window meets them. How such bytes load is the parser's tests' subject;
// these check what the window does with the result.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <functional>
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

// What the program's own loading meets on disk, as the window shows it.
struct OnDisk {
    const char* name;
    std::function<void(const std::filesystem::path&)> make;  // puts it at the catalogue's place
    std::size_t scales;
    bool message;
    friend void PrintTo(const OnDisk& row, std::ostream* out) { *out << row.name; }
};

void Write(const std::filesystem::path& place, const std::string& bytes) {
    std::ofstream(place, std::ios::binary) << bytes;
}

const std::string kHeader = "Title\nBank,Scale,1,b2,2,b3,3,4,b5,5,b6,6,b7,7\n";

std::vector<OnDisk> OnDiskCases() {
    const std::string triad = CatalogueLine("B", "Triad", {0, 4, 7});
    return {
        {"Missing", [](const auto&) {}, 0, false},
        {"AFolder", [](const auto& place) { std::filesystem::create_directory(place); }, 0, true},
        {"APipeWithNoWriter", [](const auto& place) { mkfifo(place.c_str(), 0600); }, 0, true},
        {"ALinkToDevZero",
         [](const auto& place) { std::filesystem::create_symlink("/dev/zero", place); }, 0, true},
        {"AMillionBlankLines",
         [triad](const auto& place) {
             Write(place, kHeader + std::string(1'000'000, '\n') + triad);
         },
         1, false},
        {"TenMegabyteLine",
         [triad](const auto& place) {
             Write(place, kHeader + "B," + std::string(10'000'000, 'n') + triad + "\n" + triad);
         },
         1, false},
    };
}

class HostileCatalogueOnDisk : public MainWindowFixture,
                               public testing::WithParamInterface<OnDisk> {};

TEST_P(HostileCatalogueOnDisk, WindowOpensWithTheGoodScalesAndAMessageOnlyForAFault) {
    TempFolder folder;
    const auto place = folder.Path() / kCatalogueFileName;
    GetParam().make(place);
    MakeWindowLoading([place] { return LoadScales(place, std::cerr); });
    window->Open();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->Scale.size(), GetParam().scales);
    EXPECT_EQ(window->cbScale(11)->Caption(), "B");
    if (GetParam().message) {
        EXPECT_EQ(messages, std::vector<std::string>{"Error accessing file."});
        ASSERT_EQ(causes.size(), 1u);
        EXPECT_TRUE(causes[0].starts_with(place.string() + ": ")) << causes[0];
    } else {
        EXPECT_TRUE(messages.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Files, HostileCatalogueOnDisk, testing::ValuesIn(OnDiskCases()),
                         [](const testing::TestParamInfo<OnDisk>& info) {
                             return info.param.name;
                         });

}  // namespace
}  // namespace orvel
