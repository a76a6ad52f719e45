#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "DiskTextFileReader.h"
#include "LoadScales.h"
#include "TempFolder.h"

namespace orvel {
namespace {

using testing_support::TempFolder;

const std::string kHeader = "Title\nBank,Scale,1,b2,2,b3,3,4,b5,5,b6,6,b7,7\n";
const std::string kMajor =
    "Diatonic,Major,TRUE,FALSE,TRUE,FALSE,TRUE,TRUE,FALSE,TRUE,FALSE,TRUE,FALSE,TRUE";
const std::string kTriad =
    "Chords,Major Triad,TRUE,FALSE,FALSE,FALSE,TRUE,FALSE,FALSE,TRUE,FALSE,FALSE,FALSE,FALSE";
constexpr PitchClassSet kMajorNotes = 2773;
constexpr PitchClassSet kTriadNotes = 2192;

// Stands in for the disk: serves given lines and fails where a test says.
class ScriptedReader final : public TextFileReader {
  public:
    explicit ScriptedReader(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    bool exists = true;
    bool openFails = false;
    std::optional<std::size_t> failingRead;  // 0-based index of the read that faults
    int opens = 0;
    int closes = 0;
    bool open = false;

    bool Exists(const std::filesystem::path&) const override { return exists; }
    void Open(const std::filesystem::path&) override {
        ++opens;
        if (openFails) {
            throw TIOError("cannot open");
        }
        open = true;
    }
    std::string_view ReadLine() override {
        if (failingRead && reads_ == *failingRead) {
            throw TIOError("read fault");
        }
        const std::string_view line =
            reads_ < lines_.size() ? std::string_view(lines_[reads_]) : "";
        ++reads_;
        return line;
    }
    bool AtEnd() override { return reads_ >= lines_.size(); }
    void Close() override {
        ++closes;
        open = false;
    }

  private:
    std::vector<std::string> lines_;
    std::size_t reads_ = 0;
};

struct LoadOutcome {
    std::vector<TScale> scale;
    std::vector<std::string> messages;
    std::string warnings;
};

LoadOutcome Load(TextFileReader& reader, const std::filesystem::path& folder = "/nowhere") {
    LoadOutcome outcome;
    std::ostringstream warnings;
    LoadScales(folder, outcome.scale,
               {reader,
                [&](const std::string& message, const std::string&) {
                    outcome.messages.push_back(message);
                },
                warnings});
    outcome.warnings = warnings.str();
    return outcome;
}

LoadOutcome LoadFile(const std::string& bytes) {
    TempFolder folder;
    folder.Write(kCatalogueFileName, bytes);
    DiskTextFileReader reader;
    return Load(reader, folder.Path());
}

std::vector<std::string> Names(const std::vector<TScale>& scale) {
    std::vector<std::string> names;
    for (const TScale& entry : scale) {
        names.push_back(entry.Scale);
    }
    return names;
}

TEST(LoadScales, MissingFileLeavesCatalogueEmptyWithoutMessage) {
    TempFolder folder;
    DiskTextFileReader reader;
    const LoadOutcome outcome = Load(reader, folder.Path());
    EXPECT_TRUE(outcome.scale.empty());
    EXPECT_TRUE(outcome.messages.empty());

    ScriptedReader absent({"h", "h", kMajor});
    absent.exists = false;
    EXPECT_TRUE(Load(absent).scale.empty());
    EXPECT_EQ(absent.opens, 0);
}

TEST(LoadScales, SkipsExactlyTwoHeaderLines) {
    EXPECT_TRUE(LoadFile("").scale.empty());
    EXPECT_TRUE(LoadFile("only one line").scale.empty());
    EXPECT_TRUE(
        LoadFile("Title\n" + kMajor + "\n").scale.empty());  // a scale on line 2 is a header
    EXPECT_EQ(Names(LoadFile(kHeader + kMajor).scale), std::vector<std::string>{"Major"});
    EXPECT_EQ(Names(LoadFile(kHeader + kMajor + "\n").scale), std::vector<std::string>{"Major"});
    EXPECT_EQ(Names(LoadFile(kMajor + "\n" + kMajor + "\n" + kTriad).scale),
              std::vector<std::string>{"Major Triad"});
}

TEST(LoadScales, KeepsFileOrderAndDuplicates) {
    const LoadOutcome outcome = LoadFile(kHeader + kTriad + "\n" + kMajor + "\n" + kMajor + "\n");
    ASSERT_EQ(outcome.scale.size(), 3u);
    EXPECT_EQ(outcome.scale[0].Notes, kTriadNotes);
    EXPECT_EQ(outcome.scale[1].Notes, kMajorNotes);
    EXPECT_EQ(outcome.scale[2].Notes, kMajorNotes);
    EXPECT_EQ(outcome.scale[0].Bank, "Chords");
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_TRUE(outcome.warnings.empty());
}

TEST(LoadScales, CrLfAndLoneCrLinesKeepTheirLastNote) {
    for (const std::string end : {"\r\n", "\r", "\n"}) {
        const LoadOutcome outcome = LoadFile("T" + end + "H" + end + kMajor + end + kTriad + end);
        ASSERT_EQ(outcome.scale.size(), 2u) << testing::PrintToString(end);
        EXPECT_EQ(outcome.scale[0].Notes, kMajorNotes);
        EXPECT_EQ(outcome.scale[1].Notes, kTriadNotes);
    }
}

TEST(LoadScales, QuotedCommaShiftsTheFields) {
    const LoadOutcome outcome = LoadFile(
        kHeader +
        "\"Bank, "
        "quoted\",Name,TRUE,FALSE,FALSE,FALSE,FALSE,FALSE,FALSE,FALSE,FALSE,FALSE,FALSE,TRUE");
    ASSERT_EQ(outcome.scale.size(), 1u);
    EXPECT_EQ(outcome.scale[0].Bank, "\"Bank");
    EXPECT_EQ(outcome.scale[0].Scale, " quoted\"");
    // "Name" is now where the root was, and the last TRUE fell off the end.
    EXPECT_EQ(outcome.scale[0].Notes, 1024);
}

TEST(LoadScales, LongerLinesLoadLikeTheirFirstFourteenFields) {
    const LoadOutcome outcome = LoadFile(kHeader + kMajor + ",TRUE,anything,,\n" + kMajor + "\n");
    ASSERT_EQ(outcome.scale.size(), 2u);
    EXPECT_EQ(outcome.scale[0].Notes, outcome.scale[1].Notes);
    EXPECT_EQ(outcome.scale[0].Scale, outcome.scale[1].Scale);
}

TEST(LoadScales, ShortLinesAreSkippedWithAWarningAndGoodLinesKept) {
    const std::string thirteen = kMajor.substr(0, kMajor.rfind(','));
    const LoadOutcome outcome =
        LoadFile(kHeader + kTriad + "\n\n" + thirteen + "\n" + kMajor + "\n\n");
    EXPECT_EQ(Names(outcome.scale), (std::vector<std::string>{"Major Triad", "Major"}));
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_NE(outcome.warnings.find(":4: skipped: 1 fields"), std::string::npos)
        << outcome.warnings;
    EXPECT_NE(outcome.warnings.find(":5: skipped: 13 fields"), std::string::npos)
        << outcome.warnings;
    EXPECT_NE(outcome.warnings.find(":7: skipped: 1 fields"), std::string::npos)
        << outcome.warnings;
    EXPECT_EQ(std::count(outcome.warnings.begin(), outcome.warnings.end(), '\n'), 3);
}

TEST(LoadScales, ReadFaultAfterKDataLinesKeepsThoseK) {
    for (std::size_t k = 0; k <= 3; ++k) {
        ScriptedReader reader({"title", "header", kMajor, kTriad, kMajor, kTriad});
        reader.failingRead = 2 + k;
        const LoadOutcome outcome = Load(reader);
        EXPECT_EQ(outcome.scale.size(), k);
        EXPECT_EQ(outcome.messages, std::vector<std::string>{"Error accessing file."});
        EXPECT_FALSE(reader.open) << "the file is closed after a fault";
    }
}

TEST(LoadScales, FaultInAHeaderLineReportsOnce) {
    ScriptedReader reader({"title", "header", kMajor});
    reader.failingRead = 1;
    const LoadOutcome outcome = Load(reader);
    EXPECT_TRUE(outcome.scale.empty());
    EXPECT_EQ(outcome.messages.size(), 1u);
}

TEST(LoadScales, FileThatCannotBeOpenedReportsOnceAndStaysEmpty) {
    ScriptedReader reader({"title", "header", kMajor});
    reader.openFails = true;
    const LoadOutcome scripted = Load(reader);
    EXPECT_TRUE(scripted.scale.empty());
    EXPECT_EQ(scripted.messages, std::vector<std::string>{"Error accessing file."});

    TempFolder folder;
    std::filesystem::create_directory(folder.Path() / kCatalogueFileName);
    DiskTextFileReader disk;
    const LoadOutcome onDisk = Load(disk, folder.Path());
    EXPECT_TRUE(onDisk.scale.empty());
    EXPECT_EQ(onDisk.messages, std::vector<std::string>{"Error accessing file."});
}

TEST(LoadScales, SuccessfulLoadClosesTheFile) {
    ScriptedReader reader({"title", "header", kMajor, kTriad});
    EXPECT_EQ(Load(reader).scale.size(), 2u);
    EXPECT_EQ(reader.opens, 1);
    EXPECT_FALSE(reader.open);
}

}  // namespace
}  // namespace orvel
