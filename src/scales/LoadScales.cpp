#include "scales/LoadScales.h"

#include <cerrno>
#include <cstring>
#include <exception>
#include <fstream>
#include <istream>
#include <ostream>
#include <string_view>
#include <system_error>

#include "scales/SplitFields.h"

namespace orvel {

namespace {

constexpr long kHeaderLines = 2;

// The lines of a text, whichever of LF, CR LF or a lone CR ends them.
// std::getline splits at LF only; the CRs inside what it returns split it
// further, and a CR that ends it was the CR of a CR LF or the text's last byte.
// A read fault is thrown as it came, after the lines that ended before it.
class Lines {
  public:
    explicit Lines(std::istream& text) : text_(text), exceptions_(text.exceptions()) {
        // A stream reports a read fault only as a state bit; as an exception
        // it keeps its cause (the system's reason for a file).
        text_.exceptions(std::ios::badbit);
    }
    ~Lines() {
        try {
            text_.exceptions(exceptions_);
        } catch (const std::ios_base::failure&) {
            // The caller's own setting asks for an exception on the state the
            // reading ended in; the setting is back and the state says why.
        }
    }
    Lines(const Lines&) = delete;
    Lines& operator=(const Lines&) = delete;

    // The next line, valid until the next call; false at the end of the text.
    bool Next(std::string_view& line) {
        if (chunkDone_ && !ReadChunk()) {
            return false;
        }
        const std::size_t cr = chunk_.find('\r', position_);
        if (cr == std::string::npos) {
            line = std::string_view(chunk_).substr(position_);
            chunkDone_ = true;
            return true;
        }
        line = std::string_view(chunk_).substr(position_, cr - position_);
        position_ = cr + 1;
        chunkDone_ = position_ == chunk_.size();
        return true;
    }

  private:
    bool ReadChunk() {
        if (fault_) {
            std::rethrow_exception(fault_);
        }
        chunk_.clear();
        try {
            if (!std::getline(text_, chunk_)) {
                return false;
            }
        } catch (...) {
            // The fault came partway through a line; the lines that lone CRs
            // ended before it were read in full.
            const std::size_t lastCr = chunk_.rfind('\r');
            if (lastCr == std::string::npos) {
                throw;
            }
            fault_ = std::current_exception();
            chunk_.resize(lastCr + 1);
        }
        position_ = 0;
        chunkDone_ = false;
        return true;
    }

    std::istream& text_;
    const std::ios::iostate exceptions_;
    std::string chunk_;         // what std::getline gave last
    std::size_t position_ = 0;  // first byte of the chunk not yet handed out
    bool chunkDone_ = true;     // every line of the chunk was handed out
    std::exception_ptr fault_;  // a read fault to throw once the chunk is done
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
    try {
        Lines lines(text);
        std::string_view line;
        for (long lineNumber = 1; lines.Next(line); ++lineNumber) {
            if (lineNumber <= kHeaderLines) {
                continue;
            }
            SplitFields(line, ',', fields);
            if (fields.size() < TScale::kFieldCount) {
                warnings << source << ":" << lineNumber << ": skipped: " << fields.size()
                         << " fields, a scale needs " << TScale::kFieldCount << "\n";
                continue;
            }
            load.scales.emplace_back(fields);
        }
    } catch (const std::exception& failure) {
        load.failure = TIOError(source, ReasonOf(failure));
    }
    return load;
}

ScaleLoad LoadScales(const std::filesystem::path& file, std::ostream& warnings) {
    std::ifstream text(file, std::ios::binary);
    if (!text.is_open()) {
        const int error = errno;
        return {{},
                TIOError(file.string(), std::strerror(error),
                         error == ENOENT ? TIOError::Kind::Missing : TIOError::Kind::Unreadable)};
    }
    return ParseCatalogue(text, file.string(), warnings);
}

}  // namespace orvel
