// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sstream>
#include <streambuf>
#include <string>
#include <system_error>
#include <vector>

#include "scales/LoadScales.h"
#include "support/TempFolder.h"

namespace orvel {
namespace {

using testing_support::TempFolder;

const std::string kHeader = "Title\nBank,Scale,1,b2,2,b3,3,4,b5,5,b6,6,b7,7\n";
const std::string kTwelve = ",TRUE,FALSE,FALSE,FALSE,TRUE,FALSE,FALSE,TRUE,FALSE,FALSE,FALSE,FALSE";
const std::string kMajor =
    "Diatonic,Major,TRUE,FALSE,TRUE,FALSE,TRUE,TRUE,FALSE,TRUE,FALSE,TRUE,FALSE,TRUE";
const std::string kTriad = "Chords,Major Triad" + kTwelve;
constexpr PitchClassSet kMajorNotes = 2773;
constexpr PitchClassSet kTriadNotes = 2192;
constexpr const char* kSource = "test.csv";
constexpr std::u16string_view kUtf16Catalogue =
    u"T\r\nH\r\nMaq\u0101m,Hijaz \U0001D11E,TRUE,FALSE,FALSE,FALSE,TRUE,FALSE,FALSE,TRUE,FALSE,"
    u"FALSE,FALSE,FALSE\r\n";
const std::string kNoScales = std::string(kSource) + ": no scales in the catalogue\n";

struct Entry {
    std::string bank;
    std::string scale;
    PitchClassSet notes;
    friend bool operator==(const Entry&, const Entry&) = default;
    friend void PrintTo(const Entry& entry, std::ostream* out) {
        *out << entry.bank.substr(0, 40) << " : " << entry.scale.substr(0, 40) << " : "
             << entry.notes;
    }
};

const Entry kMajorEntry{"Diatonic", "Major", kMajorNotes};
const Entry kTriadEntry{"Chords", "Major Triad", kTriadNotes};

std::string Skipped(int line, int fields) {
    return std::string(kSource) + ":" + std::to_string(line) +
           ": skipped: " + std::to_string(fields) + " fields, a scale needs 14\n";
}

std::string TooLong(int line) {
    return std::string(kSource) + ":" + std::to_string(line) + ": skipped: longer than " +
           std::to_string(kMaxLineBytes) + " bytes\n";
}

struct Parsed {
    std::vector<Entry> entries;
    std::string warnings;
    std::optional<TIOError> failure;
};

Parsed Parse(std::istream& text) {
    std::ostringstream warnings;
    ScaleLoad load = ParseCatalogue(text, kSource, warnings);
    Parsed parsed{{}, warnings.str(), load.failure};
    for (const TScale& scale : load.scales) {
        parsed.entries.push_back({scale.Bank, scale.Scale, scale.Notes});
    }
    return parsed;
}

Parsed Parse(const std::string& bytes) {
    std::istringstream text(bytes);
    return Parse(text);
}

// UTF-16 bytes with their byte-order mark, as spreadsheets save "Unicode text".
std::string Utf16(std::u16string_view text, bool bigEndian) {
    std::string bytes;
    for (const char16_t unit : std::u16string(u"\uFEFF") + std::u16string(text)) {
        const auto high = static_cast<char>(unit >> 8);
        const auto low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

struct ParseCase {
    const char* name;
    std::string text;
    std::vector<Entry> entries;
    std::string warnings;
    friend void PrintTo(const ParseCase& row, std::ostream* out) { *out << row.name; }
};

std::vector<ParseCase> ParseCases() {
    const std::string thirteen = kMajor.substr(0, kMajor.rfind(','));
    std::string fiveHundred = "B,Wide" + kTwelve;
    for (int i = 14; i < 500; ++i) {
        fiveHundred += ",x";
    }
    const std::string longest(kMaxLineBytes - 2 - kTwelve.size(), 'n');
    std::string twenty;
    for (int line = 3; line < 23; ++line) {
        twenty += Skipped(line, 1);
    }
    return {
        {"EmptySaysSo", "", {}, kNoScales},
        {"OnlyATitle", "only one line", {}, kNoScales},
        {"AScaleOnLineTwoIsAHeader", "Title\n" + kMajor + "\n", {}, kNoScales},
        {"TwoHeaderLinesWhateverTheyHold",
         kMajor + "\n" + kMajor + "\n" + kTriad,
         {kTriadEntry},
         ""},
        {"NoFinalLineEnd", kHeader + kMajor, {kMajorEntry}, ""},
        {"FinalLineEndAddsNoLine", kHeader + kMajor + "\n", {kMajorEntry}, ""},
        {"FileOrderAndDuplicates",
         kHeader + kTriad + "\n" + kMajor + "\n" + kMajor + "\n",
         {kTriadEntry, kMajorEntry, kMajorEntry},
         ""},
        {"CrLf", "T\r\nH\r\n" + kMajor + "\r\n" + kTriad + "\r\n", {kMajorEntry, kTriadEntry}, ""},
        {"LoneCr", "T\rH\r" + kMajor + "\r" + kTriad + "\r", {kMajorEntry, kTriadEntry}, ""},
        {"MixedLineEnds",
         "T\nH\r\n" + kMajor + "\r" + kTriad + "\n" + kMajor,
         {kMajorEntry, kTriadEntry, kMajorEntry},
         ""},
        {"CrLfThenLfIsAnEmptyLine",
         kHeader + kMajor + "\r\n\n" + kTriad,
         {kMajorEntry, kTriadEntry},
         Skipped(4, 1)},
        {"LfThenCrIsAnEmptyLine",
         kHeader + kMajor + "\n\r" + kTriad,
         {kMajorEntry, kTriadEntry},
         Skipped(4, 1)},
        {"CrCrLfIsAnEmptyLine", kHeader + kMajor + "\r\r\n", {kMajorEntry}, Skipped(4, 1)},
        {"NulBytesKept",
         kHeader + std::string("B,Nul\0Name", 10) + kTwelve + "\n" + kTriad,
         {{"B", std::string("Nul\0Name", 8), kTriadNotes}, kTriadEntry},
         ""},
        {"InvalidUtf8Kept",
         kHeader + "B,\xff\xfe\xc3(" + kTwelve + "\n" + kTriad,
         {{"B", "\xff\xfe\xc3(", kTriadNotes}, kTriadEntry},
         ""},
        {"ByteOrderMarkIsPartOfTheTitle", "\xEF\xBB\xBF" + kHeader + kTriad, {kTriadEntry}, ""},
        {"Utf16LittleEndian",
         Utf16(kUtf16Catalogue, false),
         {{"Maq\xC4\x81m", "Hijaz \xF0\x9D\x84\x9E", kTriadNotes}},
         ""},
        {"Utf16BigEndian",
         Utf16(kUtf16Catalogue, true),
         {{"Maq\xC4\x81m", "Hijaz \xF0\x9D\x84\x9E", kTriadNotes}},
         ""},
        {"QuotedCommaShiftsTheFields",
         kHeader + "\"Bank, quoted\",Name,TRUE,FALSE,FALSE,FALSE,FALSE,FALSE,FALSE,FALSE,FALSE,"
                   "FALSE,FALSE,TRUE",
         // "Name" stands where the root was, and the last TRUE falls off the end.
         {{"\"Bank", " quoted\"", 1024}},
         ""},
        {"ShortLinesSkippedWithAWarning",
         kHeader + kTriad + "\n\n" + thirteen + "\n" + kMajor + "\n\n",
         {kTriadEntry, kMajorEntry},
         Skipped(4, 1) + Skipped(5, 13) + Skipped(7, 1)},
        {"LongerLinesLoadLikeTheirFirstFourteenFields",
         kHeader + kMajor + ",TRUE,anything,,\n" + fiveHundred + "\n",
         {kMajorEntry, {"B", "Wide", kTriadNotes}},
         ""},
        {"OnlyCommas", ",,,,\n,,,,,\n,,,,,,,,,,,,,\n,,,,,,,,,,,,\n", {{"", "", 0}}, Skipped(4, 13)},
        {"TenMegabyteName",
         kHeader + "B," + std::string(10'000'000, 'n') + kTwelve + "\n" + kTriad,
         {kTriadEntry},
         TooLong(3)},
        {"TenMegabytesWithoutCommas",
         kHeader + std::string(10'000'000, 'z') + "\r\n" + kTriad,
         {kTriadEntry},
         TooLong(3)},
        {"LongestLineKeptOneByteMoreSkipped",
         kHeader + "B," + longest + kTwelve + "\n" + "B," + longest + "n" + kTwelve,
         {{"B", longest, kTriadNotes}},
         TooLong(4)},
        {"TwentySkippedLinesNamedTheRestCounted",
         kHeader + std::string(25, '\n') + kTriad,
         {kTriadEntry},
         twenty + kSource + ": 5 more lines skipped\n"},
    };
}

class ParseCatalogueText : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseCatalogueText, GivesTheEntriesAndWarnings) {
    const Parsed parsed = Parse(GetParam().text);
    EXPECT_EQ(parsed.entries, GetParam().entries);
    EXPECT_EQ(parsed.warnings, GetParam().warnings);
    EXPECT_FALSE(parsed.failure.has_value());
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseCatalogueText, testing::ValuesIn(ParseCases()),
                         [](const testing::TestParamInfo<ParseCase>& info) {
                             return info.param.name;
                         });

TEST(ParseCatalogue, AMillionLines) {
    std::string text = kHeader;
    for (int i = 0; i < 1'000'000; ++i) {
        text += "Bank,Scale " + std::to_string(i) + kTwelve + "\n";
    }
    std::istringstream stream(text);
    std::ostringstream warnings;
    const ScaleLoad load = ParseCatalogue(stream, kSource, warnings);
    ASSERT_EQ(load.scales.size(), 1'000'000u);
    EXPECT_EQ(load.scales.back().Scale, "Scale 999999");
    EXPECT_EQ(warnings.str(), "");
}

// Serves bytes a few at a time, as a file is read, and fails with an
// input/output error once `failAt` bytes have been served.
class FaultingBuffer final : public std::streambuf {
  public:
    FaultingBuffer(std::string bytes, std::size_t failAt, std::size_t chunk)
        : bytes_(std::move(bytes)), failAt_(failAt), chunk_(chunk) {}

  protected:
    int_type underflow() override {
        if (served_ >= failAt_) {
            throw std::ios_base::failure("injected fault",
                                         std::error_code(EIO, std::system_category()));
        }
        if (served_ >= bytes_.size()) {
            return traits_type::eof();
        }
        const std::size_t from = served_;
        served_ = std::min({from + chunk_, failAt_, bytes_.size()});
        setg(bytes_.data() + from, bytes_.data() + from, bytes_.data() + served_);
        return traits_type::to_int_type(*gptr());
    }

  private:
    std::string bytes_;
    std::size_t failAt_;
    std::size_t chunk_;
    std::size_t served_ = 0;
};

// What a fault at `offset` must leave: the lines whose line end had been read.
Parsed ReadBefore(const std::string& text, std::size_t offset) {
    const std::size_t lastEnd = text.find_last_of("\r\n", offset == 0 ? 0 : offset - 1);
    Parsed read = Parse(lastEnd == std::string::npos || offset == 0 ? std::string()
                                                                    : text.substr(0, lastEnd + 1));
    // A load that a fault stops does not also say it found no scales.
    if (read.warnings.ends_with(kNoScales)) {
        read.warnings.resize(read.warnings.size() - kNoScales.size());
    }
    return read;
}

TEST(ParseCatalogue, AReadFaultAtAnyByteKeepsExactlyTheLinesReadBeforeIt) {
    const std::string text =
        "T\r\nH\n" + kMajor + "\r\n" + kTriad + "\r" + kMajor + "\n\n" + kTriad + "\r\r\n" + kMajor;
    int faults = 0;
    for (std::size_t offset = 0; offset < text.size(); ++offset) {
        for (const std::size_t chunk : {1u, 7u, 4096u}) {
            FaultingBuffer buffer(text, offset, chunk);
            std::istream stream(&buffer);
            const Parsed parsed = Parse(stream);
            const Parsed expected = ReadBefore(text, offset);
            ASSERT_EQ(parsed.entries, expected.entries) << "fault at byte " << offset;
            ASSERT_EQ(parsed.warnings, expected.warnings) << "fault at byte " << offset;
            ASSERT_TRUE(parsed.failure.has_value()) << "fault at byte " << offset;
            EXPECT_EQ(parsed.failure->Path(), kSource);
            EXPECT_EQ(parsed.failure->Reason(), std::strerror(EIO));
            EXPECT_FALSE(parsed.failure->FileMissing());
            ++faults;
        }
    }
    EXPECT_EQ(faults, static_cast<int>(3 * text.size()));
}

TEST(ParseCatalogue, AReadFaultDeepInALargeTextKeepsEveryLineBeforeIt) {
    std::string text = kHeader;
    while (text.size() < 3'000'000) {
        text += kMajor + "\n" + kTriad + "\r\n";
    }
    const std::size_t offset = 2'000'003;  // inside a line, between two reads
    FaultingBuffer buffer(text, offset, 1 << 16);
    std::istream stream(&buffer);
    const Parsed parsed = Parse(stream);
    const Parsed expected = ReadBefore(text, offset);
    EXPECT_GT(expected.entries.size(), 20'000u);
    EXPECT_EQ(parsed.entries.size(), expected.entries.size());
    EXPECT_TRUE(parsed.failure.has_value());
}

TEST(ParseCatalogue, LeavesTheStreamsExceptionSettingsAsTheyWere) {
    std::istringstream text(kHeader + kTriad);
    text.exceptions(std::ios::failbit);
    std::ostringstream warnings;
    EXPECT_EQ(ParseCatalogue(text, kSource, warnings).scales.size(), 1u);
    EXPECT_EQ(text.exceptions(), std::ios::failbit);
}

TEST(LoadScales, ReadsTheFileAsTheParserReadsItsBytes) {
    TempFolder folder;
    const std::string bytes = "T\r\nH\r\n" + kMajor + "\r\n\r\n" + kTriad + "\r";
    const auto file = folder.Write(kCatalogueFileName, bytes);
    std::ostringstream warnings;
    const ScaleLoad load = LoadScales(file, warnings);
    EXPECT_FALSE(load.failure.has_value());
    std::vector<Entry> entries;
    for (const TScale& scale : load.scales) {
        entries.push_back({scale.Bank, scale.Scale, scale.Notes});
    }
    EXPECT_EQ(entries, Parse(bytes).entries);
    EXPECT_EQ(warnings.str(), file.string() + ":4: skipped: 1 fields, a scale needs 14\n");
}

TEST(LoadScales, FilesThatCannotBeReadComeBackAsFailures) {
    TempFolder folder;
    std::ostringstream warnings;

    const ScaleLoad missing = LoadScales(folder.Path() / "absent.csv", warnings);
    EXPECT_TRUE(missing.scales.empty());
    ASSERT_TRUE(missing.failure.has_value());
    EXPECT_TRUE(missing.failure->FileMissing());
    EXPECT_EQ(missing.failure->Path(), (folder.Path() / "absent.csv").string());

    std::filesystem::create_directory(folder.Path() / "a folder");
    const ScaleLoad directory = LoadScales(folder.Path() / "a folder", warnings);
    EXPECT_TRUE(directory.scales.empty());
    ASSERT_TRUE(directory.failure.has_value());
    EXPECT_FALSE(directory.failure->FileMissing());
    EXPECT_EQ(directory.failure->Reason(), std::strerror(EISDIR));

    // A path through a file, not a folder: no such file, and the reason says why.
    const auto file = folder.Write("plain.csv", kHeader + kTriad);
    const ScaleLoad notAFolder = LoadScales(file / "inner.csv", warnings);
    ASSERT_TRUE(notAFolder.failure.has_value());
    EXPECT_TRUE(notAFolder.failure->FileMissing());
    EXPECT_EQ(notAFolder.failure->Reason(), std::strerror(ENOTDIR));

    // Only a regular file is read: a pipe with no writer, a device that never
    // ends. Links are followed.
    const auto fifo = folder.Path() / "pipe.csv";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::filesystem::path& special :
         std::vector<std::filesystem::path>{fifo, "/dev/zero"}) {
        const auto link = folder.Path() / ("link to " + special.filename().string());
        std::filesystem::create_symlink(special, link);
        for (const auto& path : std::vector<std::filesystem::path>{special, link}) {
            const ScaleLoad load = LoadScales(path, warnings);
            ASSERT_TRUE(load.failure.has_value()) << path;
            EXPECT_EQ(load.failure->Reason(), "not a regular file") << path;
        }
    }
    std::filesystem::create_symlink(file, folder.Path() / "link.csv");
    EXPECT_EQ(LoadScales(folder.Path() / "link.csv", warnings).scales.size(), 1u);
    EXPECT_EQ(warnings.str(), "");
}

}  // namespace
}  // namespace orvel
