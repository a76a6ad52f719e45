// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// MusicXML scores and .mxl archives written in tests: a partwise score
// from its parts' measures, notes as elements, and an archive through
// libzip from named files.

#include <zip.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "support/MidiFileWriter.h"
#include "support/TempFolder.h"

namespace orvel::testing_support {

struct XmlPart {
    std::string name;
    std::vector<std::string> measures;  // each the content of a <measure>
};

// `<note>` of `step` (C to B) with `alter` and `octave`, lasting `duration`
// divisions; `extra` is added inside (<chord/>, <tie type="start"/>, ...).
inline std::string NoteXml(char step, int alter, int octave, int duration,
                           const std::string& extra = "") {
    std::string alterXml = alter != 0 ? "<alter>" + std::to_string(alter) + "</alter>" : "";
    return "<note>" + extra + "<pitch><step>" + std::string(1, step) + "</step>" + alterXml +
           "<octave>" + std::to_string(octave) + "</octave></pitch><duration>" +
           std::to_string(duration) + "</duration></note>";
}

inline std::string RestXml(int duration) {
    return "<note><rest/><duration>" + std::to_string(duration) + "</duration></note>";
}

// Attributes for a first measure: divisions a beat, key and time.
inline std::string AttributesXml(int divisions, int fifths = 0, const std::string& mode = "",
                                 int beats = 4, int beatType = 4) {
    const std::string modeXml = mode.empty() ? "" : "<mode>" + mode + "</mode>";
    return "<attributes><divisions>" + std::to_string(divisions) + "</divisions><key><fifths>" +
           std::to_string(fifths) + "</fifths>" + modeXml + "</key><time><beats>" +
           std::to_string(beats) + "</beats><beat-type>" + std::to_string(beatType) +
           "</beat-type></time></attributes>";
}

inline std::string ScoreXml(const std::vector<XmlPart>& parts,
                            const std::string& doctype =
                                "<!DOCTYPE score-partwise PUBLIC \"-//Recordare//DTD "
                                "MusicXML 4.0 Partwise//EN\" "
                                "\"http://www.musicxml.org/dtds/partwise.dtd\">") {
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + doctype +
                      "\n<score-partwise version=\"4.0\">";
    xml += "<part-list>";
    for (std::size_t p = 0; p < parts.size(); ++p) {
        xml += "<score-part id=\"P" + std::to_string(p + 1) + "\"><part-name>" + parts[p].name +
               "</part-name></score-part>";
    }
    xml += "</part-list>";
    for (std::size_t p = 0; p < parts.size(); ++p) {
        xml += "<part id=\"P" + std::to_string(p + 1) + "\">";
        for (std::size_t m = 0; m < parts[p].measures.size(); ++m) {
            xml += "<measure number=\"" + std::to_string(m + 1) + "\">" + parts[p].measures[m] +
                   "</measure>";
        }
        xml += "</part>";
    }
    return xml + "</score-partwise>\n";
}

// The archive's bytes, each file deflated, or stored where `store` says.
inline Bytes MxlArchive(const std::vector<std::pair<std::string, std::string>>& files,
                        bool store = false) {
    const TempFolder folder;
    const std::filesystem::path path = folder.Path() / "score.mxl";
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive) {
        throw std::runtime_error("cannot write a test archive");
    }
    for (const auto& [name, content] : files) {
        zip_source_t* source = zip_source_buffer(archive, content.data(), content.size(), 0);
        const zip_int64_t index = zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8);
        zip_set_file_compression(archive, static_cast<zip_uint64_t>(index),
                                 store ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 9);
    }
    if (zip_close(archive) != 0) {
        throw std::runtime_error("cannot close a test archive");
    }
    std::ifstream in(path, std::ios::binary);
    return Bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace orvel::testing_support
