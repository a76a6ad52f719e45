// SPDX-License-Identifier: GPL-3.0-or-later
#include "musicfiles/Mxl.h"

#include <zip.h>

#include <QByteArray>
#include <QXmlStreamReader>
#include <memory>
#include <optional>
#include <vector>

#include "musicfiles/MusicFileError.h"

namespace orvel {

namespace {

constexpr std::size_t kMostContainerBytes = 1u << 20;

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;

struct FileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

bool ClimbsOut(std::string_view path) {
    if (!path.empty() && (path.front() == '/' || path.front() == '\\')) {
        return true;
    }
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find_first_of("/\\", start), path.size());
        if (path.substr(start, end - start) == "..") {
            return true;
        }
        start = end + 1;
    }
    return false;
}

Archive Open(std::span<const std::uint8_t> bytes) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (!source) {
        zip_error_fini(&error);
        throw MusicFileError("it could not be opened as a compressed MusicXML file");
    }
    zip_t* archive = zip_open_from_source(source, ZIP_RDONLY, &error);
    if (!archive) {
        zip_source_free(source);
        const std::string why = zip_error_strerror(&error);
        zip_error_fini(&error);
        throw MusicFileError("it is not a compressed MusicXML file (" + why + ")");
    }
    zip_error_fini(&error);
    return Archive(archive);
}

// The entry's bytes, never more than `most`.
std::string Unpack(zip_t* archive, zip_uint64_t index, std::size_t most) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, index, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE)) {
        throw MusicFileError("its score cannot be found in the archive");
    }
    const std::string name = stat.name ? stat.name : "its score";
    if (stat.size > most) {
        throw MusicFileError(name + " unpacks to more than " + std::to_string(most >> 20) + " MB");
    }
    if ((stat.valid & ZIP_STAT_COMP_SIZE) &&
        stat.size > kMostUnpackRatio * std::max<zip_uint64_t>(stat.comp_size, 1)) {
        throw MusicFileError(name + " unpacks to more than " + std::to_string(kMostUnpackRatio) +
                             " times its packed size, as a zip bomb does");
    }
    const std::unique_ptr<zip_file_t, FileCloser> file(zip_fopen_index(archive, index, 0));
    if (!file) {
        throw MusicFileError(name + " cannot be unpacked (" + std::string(zip_strerror(archive)) +
                             ")");
    }
    std::string bytes(stat.size, '\0');
    std::size_t read = 0;
    // One byte more than it says, so that a size that lies is caught.
    std::vector<char> rest(1);
    while (read < bytes.size()) {
        const zip_int64_t got = zip_fread(file.get(), bytes.data() + read, bytes.size() - read);
        if (got <= 0) {
            break;
        }
        read += static_cast<std::size_t>(got);
    }
    if (read != bytes.size() || zip_fread(file.get(), rest.data(), 1) != 0) {
        throw MusicFileError(name + " is damaged: it does not unpack to the size it gives");
    }
    return bytes;
}

// The score's path as META-INF/container.xml gives it.
std::optional<std::string> RootFile(zip_t* archive) {
    const zip_int64_t index = zip_name_locate(archive, "META-INF/container.xml", 0);
    if (index < 0) {
        return std::nullopt;
    }
    const std::string container =
        Unpack(archive, static_cast<zip_uint64_t>(index), kMostContainerBytes);
    QXmlStreamReader xml(QByteArray::fromStdString(container));
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"rootfile") {
            const auto type = xml.attributes().value("media-type");
            if (type.isEmpty() || type == u"application/vnd.recordare.musicxml+xml" ||
                type == u"application/vnd.recordare.musicxml") {
                return xml.attributes().value("full-path").toString().toStdString();
            }
        }
    }
    return std::nullopt;
}

bool IsScoreName(std::string_view name) {
    const auto endsWith = [&](std::string_view end) {
        return name.size() >= end.size() && name.substr(name.size() - end.size()) == end;
    };
    return name.rfind("META-INF/", 0) != 0 && (endsWith(".musicxml") || endsWith(".xml"));
}

}  // namespace

std::string UnpackMxl(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) {
        throw MusicFileError("the file is empty");
    }
    const Archive archive = Open(bytes);
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    std::optional<zip_uint64_t> firstScore;
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name = zip_get_name(archive.get(), static_cast<zip_uint64_t>(i), 0);
        if (!name) {
            continue;
        }
        if (ClimbsOut(name)) {
            throw MusicFileError(
                std::string("it holds a file whose path climbs out of its folder (") + name + ")");
        }
        if (!firstScore && IsScoreName(name)) {
            firstScore = static_cast<zip_uint64_t>(i);
        }
    }
    if (const std::optional<std::string> root = RootFile(archive.get())) {
        if (ClimbsOut(*root)) {
            throw MusicFileError("its score's path climbs out of its folder (" + *root + ")");
        }
        const zip_int64_t index = zip_name_locate(archive.get(), root->c_str(), 0);
        if (index < 0) {
            throw MusicFileError("the score it names, " + *root + ", is not in it");
        }
        return Unpack(archive.get(), static_cast<zip_uint64_t>(index), kMostUnpackedBytes);
    }
    if (!firstScore) {
        throw MusicFileError("it holds no MusicXML score");
    }
    return Unpack(archive.get(), *firstScore, kMostUnpackedBytes);
}

}  // namespace orvel
