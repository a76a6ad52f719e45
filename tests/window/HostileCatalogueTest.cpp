// Catalogues that people's editors, spreadsheets and scripts can produce, read
// through the real disk reader by the real window: whatever the file holds,
// the window opens, keeps every good line in order, and shows the message only
// for input/output failures.

#include <gtest/gtest.h>

#include "DiskTextFileReader.h"
#include "MainWindowFixture.h"

namespace orvel {
namespace {

using testing_support::CatalogueLine;
using testing_support::MainWindowFixture;

const std::string kHeader = "Title\nBank,Scale,1,b2,2,b3,3,4,b5,5,b6,6,b7,7\n";
const std::string kFields12 =
    ",TRUE,FALSE,FALSE,FALSE,TRUE,FALSE,FALSE,TRUE,FALSE,FALSE,FALSE,FALSE";

struct Hostile {
    const char* name;
    std::string bytes;
    std::vector<std::string> scales;  // the names loaded, in order
};

std::vector<Hostile> Cases() {
    const std::string major = CatalogueLine("B", "Major", {0, 2, 4, 5, 7, 9, 11});
    const std::string triad = CatalogueLine("B", "Triad", {0, 4, 7});
    std::string fiveHundred = "B,Wide" + kFields12;
    for (int i = 14; i < 500; ++i) {
        fiveHundred += ",x";
    }
    return {
        {"TenMegabyteLine",
         kHeader + "B," + std::string(10'000'000, 'n') + kFields12 + "\n" + triad,
         {}},
        {"TenMegabytesWithoutCommas",
         kHeader + std::string(10'000'000, 'z') + "\n" + triad,
         {"Triad"}},
        {"NulBytes",
         kHeader + std::string("B,Nul\0Name", 10) + kFields12 + "\n" + triad,
         {std::string("Nul\0Name", 8), "Triad"}},
        {"InvalidUtf8",
         kHeader + "B,\xff\xfe\xc3(" + kFields12 + "\n" + triad,
         {"\xff\xfe\xc3(", "Triad"}},
        {"ByteOrderMark", "\xEF\xBB\xBF" + kHeader + triad, {"Triad"}},
        {"CrOnly", "T\rH\r" + major + "\r" + triad + "\r", {"Major", "Triad"}},
        {"CrLf", "T\r\nH\r\n" + major + "\r\n" + triad + "\r\n", {"Major", "Triad"}},
        {"MixedLineEnds",
         "T\nH\r\n" + major + "\r" + triad + "\n" + major,
         {"Major", "Triad", "Major"}},
        {"OnlyCommas", ",,,,\n,,,,,\n,,,,,,,,,,,,,\n,,,,,,,,,,,,\n", {""}},
        {"ThirteenFourteenFiveHundredFields",
         kHeader + "B,Thirteen" + kFields12.substr(0, kFields12.rfind(',')) + "\nB,Fourteen" +
             kFields12 + "\n" + fiveHundred + "\n",
         {"Fourteen", "Wide"}},
        {"EmptyLinesBetween",
         kHeader + "\n" + major + "\n\n\n" + triad + "\n\n",
         {"Major", "Triad"}},
    };
}

class HostileCatalogue : public MainWindowFixture, public testing::WithParamInterface<Hostile> {};

TEST_P(HostileCatalogue, WindowOpensWithEveryGoodLine) {
    folder.Write("Orvel Scales.csv", GetParam().bytes);
    MakeWindowWithoutCatalogue();
    window->Open();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(window->cbScale(0)->Caption(), "C");
    std::vector<std::string> names;
    for (const TScale& entry : window->Scale) {
        names.push_back(entry.Scale);
    }
    if (std::string(GetParam().name) == "TenMegabyteLine") {
        ASSERT_EQ(window->Scale.size(), 2u);
        EXPECT_EQ(window->Scale[0].Scale.size(), 10'000'000u);
        EXPECT_EQ(window->Scale[1].Scale, "Triad");
    } else {
        EXPECT_EQ(names, GetParam().scales);
    }
    // Every loaded scale can be listed and read back.
    Click(*window->cbOther());
    EXPECT_EQ(window->lbContaining()->RowCount() + window->lbExact()->RowCount(),
              12 * window->Scale.size());
    for (std::size_t row = 0; row < window->lbContaining()->RowCount(); ++row) {
        window->lbContaining()->Cell(row, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, HostileCatalogue, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<Hostile>& info) {
                             return info.param.name;
                         });

class HostileCatalogueFile : public MainWindowFixture {};

TEST_F(HostileCatalogueFile, AMillionLines) {
    std::string text = kHeader;
    for (int i = 0; i < 1'000'000; ++i) {
        text += "Bank,Scale " + std::to_string(i) + kFields12 + "\n";
    }
    folder.Write("Orvel Scales.csv", text);
    MakeWindowWithoutCatalogue();
    window->Open();
    ASSERT_EQ(window->Scale.size(), 1'000'000u);
    EXPECT_EQ(window->Scale.back().Scale, "Scale 999999");
    EXPECT_TRUE(messages.empty());
}

TEST_F(HostileCatalogueFile, FolderInItsPlace) {
    std::filesystem::create_directory(folder.Path() / "Orvel Scales.csv");
    MakeWindowWithoutCatalogue();
    window->Open();
    EXPECT_EQ(messages, std::vector<std::string>{"Error accessing file."});
    EXPECT_TRUE(window->isVisible());
}

// The file is there when the loader looks for it and gone when it opens it.
class VanishingReader final : public TextFileReader {
  public:
    bool Exists(const std::filesystem::path& path) const override {
        const bool exists = disk_.Exists(path);
        std::filesystem::remove(path);
        return exists;
    }
    void Open(const std::filesystem::path& path) override { disk_.Open(path); }
    std::string_view ReadLine() override { return disk_.ReadLine(); }
    bool AtEnd() override { return disk_.AtEnd(); }
    void Close() override { disk_.Close(); }

  private:
    mutable DiskTextFileReader disk_;
};

TEST_F(HostileCatalogueFile, VanishesBetweenTheCheckAndTheOpen) {
    folder.Write("Orvel Scales.csv", kHeader + CatalogueLine("B", "Triad", {0, 4, 7}));
    MakeWindowWithoutCatalogue(std::make_shared<VanishingReader>());
    window->Open();
    EXPECT_EQ(messages, std::vector<std::string>{"Error accessing file."});
    EXPECT_TRUE(window->Scale.empty());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->cbScale(11)->Caption(), "B");
}

}  // namespace
}  // namespace orvel
