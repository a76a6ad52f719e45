#pragma once

// Reads text files from disk in large blocks, line by line, with the line-end
// rules of TextFileReader. Owns its file handle; the destructor closes it.

#include <cstdio>
#include <vector>

#include "TextFileReader.h"

namespace orvel {

class DiskTextFileReader final : public TextFileReader {
  public:
    DiskTextFileReader() = default;
    ~DiskTextFileReader() override;
    DiskTextFileReader(const DiskTextFileReader&) = delete;
    DiskTextFileReader& operator=(const DiskTextFileReader&) = delete;

    bool Exists(const std::filesystem::path& path) const override;
    void Open(const std::filesystem::path& path) override;
    std::string_view ReadLine() override;
    bool AtEnd() override;
    void Close() override;

  private:
    // Makes sure at least one unread byte is buffered, unless the file is
    // exhausted; returns whether one is.
    bool FillBuffer();

    // After a CR that ended the buffered block: passes over the LF that may
    // open the next block, so that CR LF stays one line end.
    void SkipLfAfterCr();

    std::FILE* file_ = nullptr;
    std::vector<char> buffer_;
    std::size_t position_ = 0;  // first unread byte in buffer_
    std::size_t length_ = 0;    // bytes of buffer_ that hold file data
    bool exhausted_ = false;    // the file has no more bytes to give
    std::string spanningLine_;  // a line that crosses a block boundary
};

}  // namespace orvel
