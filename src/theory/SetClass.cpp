// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/SetClass.h"

#include <algorithm>
#include <map>

namespace orvel {

namespace {

using Form = std::vector<int>;

// Forte's list, sizes 3 to 6, each class by its prime form (Forte's rule);
// "Z" where the class shares its interval vector with another. The classes
// of 7 to 9 notes take the number of their complement.
struct Named {
    const char* name;
    Form form;
};

const std::vector<Named>& ForteList() {
    static const std::vector<Named> kList = {
        {"3-1", {0, 1, 2}},
        {"3-2", {0, 1, 3}},
        {"3-3", {0, 1, 4}},
        {"3-4", {0, 1, 5}},
        {"3-5", {0, 1, 6}},
        {"3-6", {0, 2, 4}},
        {"3-7", {0, 2, 5}},
        {"3-8", {0, 2, 6}},
        {"3-9", {0, 2, 7}},
        {"3-10", {0, 3, 6}},
        {"3-11", {0, 3, 7}},
        {"3-12", {0, 4, 8}},
        {"4-1", {0, 1, 2, 3}},
        {"4-2", {0, 1, 2, 4}},
        {"4-3", {0, 1, 3, 4}},
        {"4-4", {0, 1, 2, 5}},
        {"4-5", {0, 1, 2, 6}},
        {"4-6", {0, 1, 2, 7}},
        {"4-7", {0, 1, 4, 5}},
        {"4-8", {0, 1, 5, 6}},
        {"4-9", {0, 1, 6, 7}},
        {"4-10", {0, 2, 3, 5}},
        {"4-11", {0, 1, 3, 5}},
        {"4-12", {0, 2, 3, 6}},
        {"4-13", {0, 1, 3, 6}},
        {"4-14", {0, 2, 3, 7}},
        {"4-Z15", {0, 1, 4, 6}},
        {"4-16", {0, 1, 5, 7}},
        {"4-17", {0, 3, 4, 7}},
        {"4-18", {0, 1, 4, 7}},
        {"4-19", {0, 1, 4, 8}},
        {"4-20", {0, 1, 5, 8}},
        {"4-21", {0, 2, 4, 6}},
        {"4-22", {0, 2, 4, 7}},
        {"4-23", {0, 2, 5, 7}},
        {"4-24", {0, 2, 4, 8}},
        {"4-25", {0, 2, 6, 8}},
        {"4-26", {0, 3, 5, 8}},
        {"4-27", {0, 2, 5, 8}},
        {"4-28", {0, 3, 6, 9}},
        {"4-Z29", {0, 1, 3, 7}},
        {"5-1", {0, 1, 2, 3, 4}},
        {"5-2", {0, 1, 2, 3, 5}},
        {"5-3", {0, 1, 2, 4, 5}},
        {"5-4", {0, 1, 2, 3, 6}},
        {"5-5", {0, 1, 2, 3, 7}},
        {"5-6", {0, 1, 2, 5, 6}},
        {"5-7", {0, 1, 2, 6, 7}},
        {"5-8", {0, 2, 3, 4, 6}},
        {"5-9", {0, 1, 2, 4, 6}},
        {"5-10", {0, 1, 3, 4, 6}},
        {"5-11", {0, 2, 3, 4, 7}},
        {"5-Z12", {0, 1, 3, 5, 6}},
        {"5-13", {0, 1, 2, 4, 8}},
        {"5-14", {0, 1, 2, 5, 7}},
        {"5-15", {0, 1, 2, 6, 8}},
        {"5-16", {0, 1, 3, 4, 7}},
        {"5-Z17", {0, 1, 3, 4, 8}},
        {"5-Z18", {0, 1, 4, 5, 7}},
        {"5-19", {0, 1, 3, 6, 7}},
        {"5-20", {0, 1, 5, 6, 8}},
        {"5-21", {0, 1, 4, 5, 8}},
        {"5-22", {0, 1, 4, 7, 8}},
        {"5-23", {0, 2, 3, 5, 7}},
        {"5-24", {0, 1, 3, 5, 7}},
        {"5-25", {0, 2, 3, 5, 8}},
        {"5-26", {0, 2, 4, 5, 8}},
        {"5-27", {0, 1, 3, 5, 8}},
        {"5-28", {0, 2, 3, 6, 8}},
        {"5-29", {0, 1, 3, 6, 8}},
        {"5-30", {0, 1, 4, 6, 8}},
        {"5-31", {0, 1, 3, 6, 9}},
        {"5-32", {0, 1, 4, 6, 9}},
        {"5-33", {0, 2, 4, 6, 8}},
        {"5-34", {0, 2, 4, 6, 9}},
        {"5-35", {0, 2, 4, 7, 9}},
        {"5-Z36", {0, 1, 2, 4, 7}},
        {"5-Z37", {0, 3, 4, 5, 8}},
        {"5-Z38", {0, 1, 2, 5, 8}},
        {"6-1", {0, 1, 2, 3, 4, 5}},
        {"6-2", {0, 1, 2, 3, 4, 6}},
        {"6-Z3", {0, 1, 2, 3, 5, 6}},
        {"6-Z4", {0, 1, 2, 4, 5, 6}},
        {"6-5", {0, 1, 2, 3, 6, 7}},
        {"6-Z6", {0, 1, 2, 5, 6, 7}},
        {"6-7", {0, 1, 2, 6, 7, 8}},
        {"6-8", {0, 2, 3, 4, 5, 7}},
        {"6-9", {0, 1, 2, 3, 5, 7}},
        {"6-Z10", {0, 1, 3, 4, 5, 7}},
        {"6-Z11", {0, 1, 2, 4, 5, 7}},
        {"6-Z12", {0, 1, 2, 4, 6, 7}},
        {"6-Z13", {0, 1, 3, 4, 6, 7}},
        {"6-14", {0, 1, 3, 4, 5, 8}},
        {"6-15", {0, 1, 2, 4, 5, 8}},
        {"6-16", {0, 1, 4, 5, 6, 8}},
        {"6-Z17", {0, 1, 2, 4, 7, 8}},
        {"6-18", {0, 1, 2, 5, 7, 8}},
        {"6-Z19", {0, 1, 3, 4, 7, 8}},
        {"6-20", {0, 1, 4, 5, 8, 9}},
        {"6-21", {0, 2, 3, 4, 6, 8}},
        {"6-22", {0, 1, 2, 4, 6, 8}},
        {"6-Z23", {0, 2, 3, 5, 6, 8}},
        {"6-Z24", {0, 1, 3, 4, 6, 8}},
        {"6-Z25", {0, 1, 3, 5, 6, 8}},
        {"6-Z26", {0, 1, 3, 5, 7, 8}},
        {"6-27", {0, 1, 3, 4, 6, 9}},
        {"6-Z28", {0, 1, 3, 5, 6, 9}},
        {"6-Z29", {0, 2, 3, 6, 7, 9}},
        {"6-30", {0, 1, 3, 6, 7, 9}},
        {"6-31", {0, 1, 4, 5, 7, 9}},
        {"6-32", {0, 2, 4, 5, 7, 9}},
        {"6-33", {0, 2, 3, 5, 7, 9}},
        {"6-34", {0, 1, 3, 5, 7, 9}},
        {"6-35", {0, 2, 4, 6, 8, 10}},
        {"6-Z36", {0, 1, 2, 3, 4, 7}},
        {"6-Z37", {0, 1, 2, 3, 4, 8}},
        {"6-Z38", {0, 1, 2, 3, 7, 8}},
        {"6-Z39", {0, 2, 3, 4, 5, 8}},
        {"6-Z40", {0, 1, 2, 3, 5, 8}},
        {"6-Z41", {0, 1, 2, 3, 6, 8}},
        {"6-Z42", {0, 1, 2, 3, 6, 9}},
        {"6-Z43", {0, 1, 2, 5, 6, 8}},
        {"6-Z44", {0, 1, 2, 5, 6, 9}},
        {"6-Z45", {0, 2, 3, 4, 6, 9}},
        {"6-Z46", {0, 1, 2, 4, 6, 9}},
        {"6-Z47", {0, 1, 2, 4, 7, 9}},
        {"6-Z48", {0, 1, 2, 5, 7, 9}},
        {"6-Z49", {0, 1, 3, 4, 7, 9}},
        {"6-Z50", {0, 1, 4, 6, 7, 9}},
    };
    return kList;
}

Form Members(PitchClassesAboveC notes) {
    Form members;
    for (const PitchClass note : notes.Members()) {
        members.push_back(note.SemitonesAboveC());
    }
    return members;
}

Form Inverted(const Form& members) {
    Form inverted;
    for (const int note : members) {
        inverted.push_back((12 - note) % 12);
    }
    std::sort(inverted.begin(), inverted.end());
    return inverted;
}

// Each rotation of the rising members, transposed to start on 0.
std::vector<Form> Rotations(const Form& members) {
    std::vector<Form> rotations;
    for (std::size_t start = 0; start < members.size(); ++start) {
        Form form;
        for (std::size_t i = 0; i < members.size(); ++i) {
            form.push_back((members[(start + i) % members.size()] - members[start] + 12) % 12);
        }
        rotations.push_back(form);
    }
    return rotations;
}

// Forte: the smaller span, then the smaller distance from the first note
// to the next-to-last, to the one before, and so on.
bool ForteBefore(const Form& a, const Form& b) {
    return std::lexicographical_compare(a.rbegin(), a.rend(), b.rbegin(), b.rend());
}

// Rahn: the smaller span, then packed to the left: the smaller second
// note, third, and so on.
bool RahnBefore(const Form& a, const Form& b) {
    if (a.back() != b.back()) {
        return a.back() < b.back();
    }
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end());
}

template <typename Before>
Form PrimeForm(const Form& members, Before before) {
    if (members.empty()) {
        return {};
    }
    Form best;
    for (const Form& candidates : {members, Inverted(members)}) {
        for (const Form& form : Rotations(candidates)) {
            if (best.empty() || before(form, best)) {
                best = form;
            }
        }
    }
    return best;
}

PitchClassesAboveC Complement(PitchClassesAboveC notes) {
    return PitchClassesAboveC::FromBits(~notes.Bits());
}

PitchClassesAboveC SetOfForm(const Form& form) {
    PitchClassesAboveC notes;
    for (const int note : form) {
        notes.Add(PitchClass(note));
    }
    return notes;
}

std::string ForteName(const Form& prime) {
    const int size = static_cast<int>(prime.size());
    if (size <= 1 || size >= 11) {
        return std::to_string(size) + "-1";
    }
    if (size == 2 || size == 10) {
        // By interval class: the dyad's, or its complement's.
        const Form dyad =
            size == 2 ? prime : PrimeForm(Members(Complement(SetOfForm(prime))), ForteBefore);
        return std::to_string(size) + "-" + std::to_string(dyad[1]);
    }
    const Form looked =
        size <= 6 ? prime : PrimeForm(Members(Complement(SetOfForm(prime))), ForteBefore);
    for (const Named& named : ForteList()) {
        if (named.form == looked) {
            const std::string number = std::string(named.name).substr(named.name[1] == '-' ? 2 : 3);
            return std::to_string(size) + "-" + number;
        }
    }
    return std::to_string(size) + "-?";
}

}  // namespace

std::string SetClass::Text(const std::vector<int>& form) {
    std::string text = "(";
    for (const int note : form) {
        text += (text.size() > 1 ? "," : "") + (note == 10   ? std::string("T")
                                                : note == 11 ? std::string("E")
                                                             : std::to_string(note));
    }
    return text + ")";
}

SetClass SetClassOf(PitchClassesAboveC notes) {
    SetClass facts;
    const Form members = Members(notes);
    for (std::size_t i = 0; i < members.size(); ++i) {
        for (std::size_t j = i + 1; j < members.size(); ++j) {
            const int apart = members[j] - members[i];
            ++facts.intervalVector[static_cast<std::size_t>(std::min(apart, 12 - apart) - 1)];
        }
    }
    facts.primeForm = PrimeForm(members, ForteBefore);
    facts.rahnPrimeForm = PrimeForm(members, RahnBefore);
    facts.forteName = ForteName(facts.primeForm);
    for (int shift = 1; shift <= 12; ++shift) {
        if (notes.Transposed(shift % 12) == notes) {
            facts.transpositions = shift;
            break;
        }
    }
    const PitchClassesAboveC inverted = SetOfForm(Inverted(members));
    for (int shift = 0; shift < 12; ++shift) {
        facts.ownInversion = facts.ownInversion || inverted.Transposed(shift) == notes;
    }
    return facts;
}

}  // namespace orvel
