#include "DiskTextFileReader.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace orvel {

namespace {

constexpr std::size_t kBlockSize = 1 << 20;

std::string Describe(const std::filesystem::path& path, int error) {
    return path.string() + ": " + std::strerror(error);
}

}  // namespace

DiskTextFileReader::~DiskTextFileReader() {
    Close();
}

bool DiskTextFileReader::Exists(const std::filesystem::path& path) const {
    std::error_code ignored;
    return std::filesystem::exists(path, ignored);
}

void DiskTextFileReader::Open(const std::filesystem::path& path) {
    Close();
    file_ = std::fopen(path.c_str(), "rb");
    if (file_ == nullptr) {
        throw TIOError(Describe(path, errno));
    }
    // fopen succeeds on a folder; reading it would fail later with EISDIR, so
    // refuse anything that is not a regular file or a pipe-like stream here.
    struct stat info {};
    if (fstat(fileno(file_), &info) != 0 || S_ISDIR(info.st_mode)) {
        const int error = S_ISDIR(info.st_mode) ? EISDIR : errno;
        Close();
        throw TIOError(Describe(path, error));
    }
    buffer_.resize(kBlockSize);
    position_ = 0;
    length_ = 0;
    exhausted_ = false;
}

bool DiskTextFileReader::FillBuffer() {
    if (position_ < length_) {
        return true;
    }
    if (exhausted_ || file_ == nullptr) {
        return false;
    }
    length_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    position_ = 0;
    if (length_ < buffer_.size()) {
        if (std::ferror(file_) != 0) {
            throw TIOError(std::string("read failed: ") + std::strerror(errno));
        }
        exhausted_ = true;
    }
    return length_ > 0;
}

std::string_view DiskTextFileReader::ReadLine() {
    // A line that lies within the buffered block is handed out in place; one
    // that crosses into the next block is gathered in spanningLine_.
    bool spanning = false;
    spanningLine_.clear();
    while (FillBuffer()) {
        const char* start = buffer_.data() + position_;
        const std::size_t available = length_ - position_;
        const void* lf = std::memchr(start, '\n', available);
        const void* cr = std::memchr(
            start, '\r', lf != nullptr ? static_cast<const char*>(lf) - start : available);
        const char* end = static_cast<const char*>(cr != nullptr ? cr : lf);
        if (end == nullptr) {
            spanningLine_.append(start, available);
            spanning = true;
            position_ = length_;
            continue;
        }
        std::string_view line(start, static_cast<std::size_t>(end - start));
        position_ += line.size() + 1;
        const bool endsWithCr = *end == '\r';
        const bool crEndsBlock = endsWithCr && position_ == length_;
        if (endsWithCr && !crEndsBlock && buffer_[position_] == '\n') {
            ++position_;
        }
        if (crEndsBlock) {
            // The LF of a CR LF may open the next block, and refilling
            // overwrites this one: keep the line before looking.
            spanningLine_.append(line);
            SkipLfAfterCr();
            return spanningLine_;
        }
        if (!spanning) {
            return line;
        }
        spanningLine_.append(line);
        return spanningLine_;
    }
    return spanningLine_;
}

void DiskTextFileReader::SkipLfAfterCr() {
    if (FillBuffer() && buffer_[position_] == '\n') {
        ++position_;
    }
}

bool DiskTextFileReader::AtEnd() {
    return !FillBuffer();
}

void DiskTextFileReader::Close() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    position_ = 0;
    length_ = 0;
    exhausted_ = true;
}

}  // namespace orvel
