// SPDX-License-Identifier: GPL-3.0-or-later
#include "scales/LoadScales.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <fstream>
#include <istream>
#include <new>
#include <optional>
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

void AppendUtf8(char32_t c, std::string& utf8) {
    const auto byte = [&](char32_t bits) { utf8 += static_cast<char>(bits); };
    if (c < 0x80) {
        byte(c);
    } else if (c < 0x800) {
        byte(0xC0 | c >> 6);
        byte(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        byte(0xE0 | c >> 12);
        byte(0x80 | (c >> 6 & 0x3F));
        byte(0x80 | (c & 0x3F));
    } else {
        byte(0xF0 | c >> 18);
        byte(0x80 | (c >> 12 & 0x3F));
        byte(0x80 | (c >> 6 & 0x3F));
        byte(0x80 | (c & 0x3F));
    }
}

// UTF-16 text, as spreadsheets write "Unicode text", turned into UTF-8 piece
// by piece: a code unit may be split between two pieces, a surrogate pair
// between two units. A surrogate without its partner becomes U+FFFD.
class Utf16Decoder {
  public:
    explicit Utf16Decoder(bool bigEndian) : bigEndian_(bigEndian) {}

    void Decode(std::string_view bytes, std::string& utf8) {
        for (const char c : bytes) {
            const auto byte = static_cast<unsigned char>(c);
            if (!firstByte_) {
                firstByte_ = byte;
                continue;
            }
            const char32_t unit =
                bigEndian_ ? (*firstByte_ << 8 | byte) : (byte << 8 | *firstByte_);
            firstByte_.reset();
            Take(unit, utf8);
        }
    }

  private:
    static constexpr char32_t kReplacement = 0xFFFD;

    void Take(char32_t unit, std::string& utf8) {
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
        if (highSurrogate_ != 0) {
            if (low) {
                AppendUtf8(0x10000 + ((highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00), utf8);
                highSurrogate_ = 0;
                return;
            }
            AppendUtf8(kReplacement, utf8);
            highSurrogate_ = 0;
        }
        if (high) {
            highSurrogate_ = unit;
        } else {
            AppendUtf8(low ? kReplacement : unit, utf8);
        }
    }

    bool bigEndian_;
    std::optional<unsigned char> firstByte_;  // of a unit whose second byte is still to come
    char32_t highSurrogate_ = 0;              // waiting for its low surrogate
};

// The lines of a text, whichever of LF, CR LF or a lone CR ends them, each
// cut at kMaxLineBytes. The text is UTF-8, or UTF-16 when it opens with a
// UTF-16 byte-order mark. It is taken from the stream's buffer only as far as
// the buffer already holds it, and more is asked for only once that is used
// up: a read fault then never takes bytes already read with it, and the
// lines ended before it are all handed out before it is thrown.
class Lines {
  public:
    explicit Lines(std::istream& text) : bytes_(*text.rdbuf()) {}

    // The next line, valid until the next call; false at the end of the text.
    // `cut` says whether the line went on past kMaxLineBytes.
    bool Next(std::string_view& line, bool& cut) {
        line_.clear();
        cut = false;
        bool started = false;
        for (;;) {
            if (position_ == text_.size() && !Refill()) {
                line = line_;
                return started;
            }
            if (skipLf_) {
                skipLf_ = false;
                if (text_[position_] == '\n') {
                    ++position_;
                    continue;
                }
            }
            started = true;
            const char* begin = text_.data() + position_;
            const std::size_t available = text_.size() - position_;
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
    static constexpr std::streamsize kBlockBytes = 1 << 16;

    // Puts the next piece of the text, as UTF-8, in text_; false at the end.
    bool Refill() {
        while (ReadHeld(raw_)) {
            if (atStart_) {
                atStart_ = false;
                TakeByteOrderMark();
            }
            if (utf16_) {
                text_.clear();
                utf16_->Decode(raw_, text_);
            } else {
                text_.swap(raw_);
            }
            position_ = 0;
            if (!text_.empty()) {
                return true;
            }
        }
        return false;
    }

    // Takes what the stream's buffer holds, asking it for more first when it
    // is empty; false at the end of the text.
    bool ReadHeld(std::string& into) {
        if (bytes_.sgetc() == std::char_traits<char>::eof()) {
            return false;
        }
        const std::streamsize held = std::min(bytes_.in_avail(), kBlockBytes);
        into.resize(static_cast<std::size_t>(held));
        into.resize(static_cast<std::size_t>(bytes_.sgetn(into.data(), held)));
        return !into.empty();
    }

    // A UTF-16 mark switches to decoding; its two bytes may come in two reads.
    void TakeByteOrderMark() {
        if (raw_.size() == 1 && (raw_[0] == '\xFF' || raw_[0] == '\xFE')) {
            std::string more;
            if (ReadHeld(more)) {
                raw_ += more;
            }
        }
        if (raw_.starts_with("\xFF\xFE") || raw_.starts_with("\xFE\xFF")) {
            utf16_.emplace(raw_[0] == '\xFE');
            raw_.erase(0, 2);
        }
    }

    std::streambuf& bytes_;
    std::string raw_;           // the bytes read last
    std::string text_;          // the text read last, as UTF-8
    std::size_t position_ = 0;  // first byte of text_ not yet handed out
    bool atStart_ = true;       // nothing read yet
    bool skipLf_ = false;       // the last line ended in a CR: an LF after it is part of that end
    std::optional<Utf16Decoder> utf16_;
    std::string line_;
};

std::string ReasonOf(const std::exception& failure) {
    if (dynamic_cast<const std::bad_alloc*>(&failure) != nullptr) {
        return "not enough memory";
    }
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
    if (load.scales.empty() && !load.failure) {
        warnings << source << ": no scales in the catalogue\n";
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
