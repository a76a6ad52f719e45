// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a chord symbol: it is read or refused with an error,
// never anything else, and a chord that is read holds its root and spells
// every tone it sounds. The same bytes as a lead sheet: every chord played
// is one of its items and lasts a while, the count stays bounded, and the
// key found is one of its chords' roots or the key's own.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "Require.h"
#include "theory/ChordSymbol.h"
#include "theory/FindKey.h"
#include "theory/NoteWeights.h"

using orvel::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const orvel::ChordSymbol chord = orvel::ParseChordSymbol(text);
        Require(orvel::HasPosition(chord.tones, 0));
        const orvel::SpelledScale spelled = chord.Spelled();
        Require(spelled.notes.size() == orvel::PositionsOf(chord.tones).size());
        Require(spelled.root == chord.root);
        const orvel::SpelledScale sounding = chord.Sounding();
        Require(sounding.PitchClasses() == chord.Notes());
        Require(!chord.bass || sounding.notes.front() == *chord.bass);
    } catch (const orvel::ChordSymbolError&) {
    }
    const orvel::Progression sheet = orvel::ReadProgression(text, orvel::ReadAs::Chords);
    Require(sheet.items.size() <= orvel::Progression::kMaxItems + 1);
    Require(sheet.played.size() <= orvel::Progression::kMaxPlayed);
    for (const orvel::PlayedItem& played : sheet.played) {
        Require(played.item < sheet.items.size() && sheet.items[played.item].Read());
        Require(played.beats > 0 && played.beats <= orvel::Progression::kBeatsPerBar);
    }
    Require(orvel::WeighNotes(sheet).Total() >= 0);
    const std::vector<orvel::Key> keys = orvel::FindKeys(sheet);
    Require(keys.size() <= 3);
    Require(keys.empty() == sheet.Chords().empty());
    return 0;
}
