#include "scales/LoadScales.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <fstream>
#include <istream>
#include <ostream>
#include <string_view>
#include <system_error>
#include <vector>

#include "scales/SplitFields.h"

namespace orvel {

namespace {

constexpr long kHeaderLines = 2;
// Skipped lines named one by one; the rest are counted.
constexpr long kWarnedLines = 20;

// The lines of a text, whichever of LF, CR LF or a lone CR ends them, each
// cut at kMaxLineBytes. The text is taken from the stream's buffer only as far
// as the buffer already holds it, and more is asked for only once that is
// used up: a read fault then never takes bytes already read with it, and the
// lines ended before it are all handed out before it is thrown.
class Lines {
  public:
    explicit Lines(std::istream& text) : bytes_(*text.rdbuf()), block_(kBlockBytes) {}

    // The next line, valid until the next call; false at the end of the text.
    // `cut` says whether the line went on past kMaxLineBytes.
    bool Next(std::string_view& line, bool& cut) {
        line_.clear();
        cut = false;
        bool started = false;
        for (;;) {
            if (position_ == length_ && !Refill()) {
                line = line_;
                return started;
            }
            if (skipLf_) {
                skipLf_ = false;
                if (block_[position_] == '\n') {
                    ++position_;
                    continue;
                }
            }
            started = true;
            const char* begin = block_.data() + position_;
            const std::size_t available = length_ - position_;
            const auto* lf = static_cast<const char*>(std::memchr(begin, '\n', available));
            const auto* cr = static_cast<const char*>(
                std::memchr(begin, '\r', lf != nullptr ? lf - begin : available));
            const char* end = cr != nullptr ? cr : lf;
            const std::size_t taken = end != nullptr ? end - begin : available;
            const std::size_t room = kMaxLineBytes - line_.size();
            line_.append(begin, std::min(taken, room));
            cut = cut || taken > room;
            position_ += taken;
            if (end != nullptr) {
                ++position_;
                skipLf_ = *end == '\r';
                line = line_;
                return true;
            }
        }
    }

  private:
    static constexpr std::size_t kBlockBytes = 1 << 16;

    // Takes what the stream's buffer holds, asking it for more first when it
    // is empty; false at the end of the text.
    bool Refill() {
        if (bytes_.sgetc() == std::char_traits<char>::eof()) {
            return false;
        }
        const std::streamsize held = std::min<std::streamsize>(
            bytes_.in_avail(), static_cast<std::streamsize>(block_.size()));
        length_ = static_cast<std::size_t>(bytes_.sgetn(block_.data(), held));
        position_ = 0;
        return length_ > 0;
    }

    std::streambuf& bytes_;
    std::vector<char> block_;
    std::size_t position_ = 0;  // first byte of block_ not yet handed out
    std::size_t length_ = 0;    // bytes of block_ that hold text
    bool skipLf_ = false;       // the last line ended in a CR: an LF after it is part of that end
    std::string line_;
};

std::string ReasonOf(const std::exception& failure) {
    if (const auto* system = dynamic_cast<const std::system_error*>(&failure)) {
        return system->code().message();
    }
    return failure.what();
}

}  // namespace

ScaleLoad ParseCatalogue(std::istream& text, const std::string& source, std::ostream& warnings) {
    ScaleLoad load;
    std::vector<std::string_view> fields;
    long skipped = 0;
    const auto skip = [&](long lineNumber, const std::string& why) {
        if (++skipped <= kWarnedLines) {
            warnings << source << ":" << lineNumber << ": skipped: " << why << "\n";
        }
    };
    try {
        Lines lines(text);
        std::string_view line;
        bool cut = false;
        for (long lineNumber = 1; lines.Next(line, cut); ++lineNumber) {
            if (lineNumber <= kHeaderLines) {
                continue;
            }
            if (cut) {
                skip(lineNumber, "longer than " + std::to_string(kMaxLineBytes) + " bytes");
                continue;
            }
            SplitFields(line, ',', fields, TScale::kFieldCount);
            if (fields.size() < TScale::kFieldCount) {
                skip(lineNumber, std::to_string(fields.size()) + " fields, a scale needs " +
                                     std::to_string(TScale::kFieldCount));
                continue;
            }
            load.scales.emplace_back(fields);
        }
    } catch (const std::exception& failure) {
        load.failure = TIOError(source, ReasonOf(failure));
    }
    if (skipped > kWarnedLines) {
        warnings << source << ": " << skipped - kWarnedLines << " more lines skipped\n";
    }
    return load;
}

ScaleLoad LoadScales(const std::filesystem::path& file, std::ostream& warnings) {
    // A pipe would block the reading, a device never end it: only a regular
    // file is a catalogue.
    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return {{}, TIOError(file.string(), error.message(), TIOError::Kind::Missing)};
    }
    if (error) {
        return {{}, TIOError(file.string(), error.message())};
    }
    if (std::filesystem::is_directory(status)) {
        return {{}, TIOError(file.string(), std::strerror(EISDIR))};
    }
    if (!std::filesystem::is_regular_file(status)) {
        return {{}, TIOError(file.string(), "not a regular file")};
    }
    std::ifstream text(file, std::ios::binary);
    if (!text.is_open()) {
        return {{}, TIOError(file.string(), std::strerror(errno))};
    }
    return ParseCatalogue(text, file.string(), warnings);
}

}  // namespace orvel
