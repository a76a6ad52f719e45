#pragma once

// The file access the catalogue loader needs, behind an interface so that
// tests can stand in a reader that fails where they choose.
//
// A line is its text without its line end. LF, CR LF and a lone CR each end a
// line, and a line end after the last line adds no line. Bytes are passed on
// as they stand (the text is UTF-8; invalid sequences are kept, never a reason
// to stop).

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace orvel {

// An input/output failure: the one kind of failure the loader handles.
class TIOError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class TextFileReader {
  public:
    virtual ~TextFileReader() = default;

    // Whether an entry of that path exists (a file, or anything else).
    virtual bool Exists(const std::filesystem::path& path) const = 0;

    // Opens the entry as a text file for reading; throws TIOError when it
    // cannot be opened as a file.
    virtual void Open(const std::filesystem::path& path) = 0;

    // The next line, valid until the next call on the reader; throws TIOError
    // on a read fault. Reading past the end gives an empty line.
    virtual std::string_view ReadLine() = 0;

    // True when no line is left.
    virtual bool AtEnd() = 0;

    // Closes the file; closing a file that is not open does nothing.
    virtual void Close() = 0;
};

}  // namespace orvel
