// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/RelationsWriter.h"

#include <string>
#include <vector>

namespace orvel::cli {

namespace {

using Json = nlohmann::ordered_json;

std::vector<std::string> NamesOf(const RelatedScale& scale, std::span<const TScale> catalogue) {
    std::vector<std::string> names;
    for (const std::uint32_t entry : scale.entries) {
        names.push_back(catalogue[entry].Scale);
    }
    return names;
}

std::string Joined(const std::vector<std::string>& names) {
    std::string joined;
    for (const std::string& name : names) {
        joined += (joined.empty() ? "" : ", ") + name;
    }
    return joined.empty() ? "-" : joined;
}

std::string Ascii(const std::optional<NoteName>& note) {
    return note ? note->Ascii() : "-";
}

std::string Symbol(const std::optional<StackedChord>& chord) {
    return chord ? chord->symbol : "-";
}

}  // namespace

void WriteRelationsTabSeparated(const ScaleRelations& relations, std::span<const TScale> catalogue,
                                std::ostream& out) {
    for (const RelatedScale& mode : relations.modes) {
        out << "mode\t" << mode.root.Ascii() << '\t' << Joined(NamesOf(mode, catalogue)) << '\t'
            << mode.brightness << '\n';
    }
    for (const RelatedScale& added : relations.added) {
        out << "added\t" << Ascii(added.note) << '\t' << Joined(NamesOf(added, catalogue)) << '\n';
    }
    for (const RelatedScale& removed : relations.removed) {
        out << "removed\t" << Ascii(removed.note) << '\t' << Joined(NamesOf(removed, catalogue))
            << '\n';
    }
    for (const RelatedScale& moved : relations.moved) {
        out << "moved\t" << Ascii(moved.from) << '\t' << Ascii(moved.note) << '\t'
            << Joined(NamesOf(moved, catalogue)) << '\n';
    }
    for (const RelatedScale& parallel : relations.parallel) {
        out << "parallel\t" << Joined(NamesOf(parallel, catalogue)) << '\n';
    }
    if (relations.relative) {
        out << "relative\t" << relations.relative->root.Ascii() << '\t'
            << Joined(NamesOf(*relations.relative, catalogue)) << '\n';
    }
    for (std::size_t degree = 0; degree < relations.chords.size(); ++degree) {
        const DegreeChord& chord = relations.chords[degree];
        const std::string numeral = chord.Numeral();
        out << "chord\t" << relations.modes[degree].root.Ascii() << '\t' << Symbol(chord.triad)
            << '\t' << Symbol(chord.seventh) << '\t' << (numeral.empty() ? "-" : numeral) << '\n';
    }
    const SetClass& set = relations.setClass;
    out << "forte\t" << set.forteName << '\t' << SetClass::Text(set.primeForm) << '\t'
        << SetClass::Text(set.rahnPrimeForm) << '\n';
    out << "interval_vector";
    for (const int count : set.intervalVector) {
        out << '\t' << count;
    }
    out << "\nsymmetry\t" << set.transpositions << '\t'
        << (set.ownInversion ? "own inversion" : "chiral") << '\n';
}

Json RelationsJson(const ScaleRelations& relations, std::span<const TScale> catalogue) {
    Json json;
    json["modes"] = Json::array();
    for (const RelatedScale& mode : relations.modes) {
        json["modes"].push_back({{"root", mode.root.Ascii()},
                                 {"names", NamesOf(mode, catalogue)},
                                 {"brightness", mode.brightness}});
    }
    Json neighbours;
    for (const auto& [kind, list] :
         {std::pair{"added", &relations.added}, std::pair{"removed", &relations.removed},
          std::pair{"moved", &relations.moved}}) {
        neighbours[kind] = Json::array();
        for (const RelatedScale& scale : *list) {
            Json row;
            if (scale.from) {
                row["from"] = scale.from->Ascii();
                row["to"] = Ascii(scale.note);
            } else {
                row["note"] = Ascii(scale.note);
            }
            row["names"] = NamesOf(scale, catalogue);
            neighbours[kind].push_back(row);
        }
    }
    json["neighbours"] = neighbours;
    json["parallel"] = Json::array();
    for (const RelatedScale& parallel : relations.parallel) {
        json["parallel"].push_back(NamesOf(parallel, catalogue));
    }
    json["relative"] = relations.relative ? Json{{"root", relations.relative->root.Ascii()},
                                                 {"names", NamesOf(*relations.relative, catalogue)}}
                                          : Json(nullptr);
    json["chords"] = Json::array();
    for (std::size_t degree = 0; degree < relations.chords.size(); ++degree) {
        const DegreeChord& chord = relations.chords[degree];
        const std::string numeral = chord.Numeral();
        json["chords"].push_back(
            {{"root", relations.modes[degree].root.Ascii()},
             {"triad", chord.triad ? Json(chord.triad->symbol) : Json(nullptr)},
             {"seventh", chord.seventh ? Json(chord.seventh->symbol) : Json(nullptr)},
             {"numeral", numeral.empty() ? Json(nullptr) : Json(numeral)}});
    }
    const SetClass& set = relations.setClass;
    json["forte"] = set.forteName;
    json["prime_form"] = set.primeForm;
    json["rahn_prime_form"] = set.rahnPrimeForm;
    json["interval_vector"] = set.intervalVector;
    json["symmetry"] = {{"transpositions", set.transpositions},
                        {"own_inversion", set.ownInversion}};
    return json;
}

}  // namespace orvel::cli
