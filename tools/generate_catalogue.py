#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the scale catalogue "Orvel Scales.csv" from interval formulas.

A parent scale's modes are made by rotating the parent, so a family can never
be inconsistent; the melakarta ragas come from their numbering system.

    tools/generate_catalogue.py                 print the catalogue
    tools/generate_catalogue.py --write FILE    write it to FILE
    tools/generate_catalogue.py --check FILE    exit 1 unless FILE is exactly the output
"""

import sys

TITLE = "Orvel Modalune scale catalogue: bank, scale, then the twelve notes from the root"
COLUMNS = ["Bank", "Scale", "1", "b2", "2", "b3", "3", "4", "b5", "5", "b6", "6", "b7", "7"]


def steps_to_positions(steps):
    """Semitone steps between degrees (summing to 12) to positions from the root."""
    assert sum(steps) == 12, steps
    positions, at = [], 0
    for step in steps[:-1]:
        positions.append(at)
        at += step
    positions.append(at)
    return tuple(positions)


def mode(positions, degree):
    """The mode that starts on the given degree (0 is the parent itself)."""
    start = positions[degree]
    return tuple(sorted((p - start) % 12 for p in positions))


def family(parent_steps, names):
    """Rows for a parent scale and its modes; names[d] lists the names of the
    mode on degree d, the usual name first, then aliases."""
    parent = steps_to_positions(parent_steps)
    assert len(names) == len(parent)
    return [(name, mode(parent, degree)) for degree, aliases in enumerate(names) for name in aliases]


def distinct_rotations(positions):
    """Every distinct mode of a set, in degree order."""
    seen, result = set(), []
    for degree in range(len(positions)):
        rotated = mode(positions, degree)
        if rotated not in seen:
            seen.add(rotated)
            result.append(rotated)
    return result


MAJOR = [2, 2, 1, 2, 2, 2, 1]
MELODIC_MINOR = [2, 1, 2, 2, 2, 2, 1]
HARMONIC_MINOR = [2, 1, 2, 2, 1, 3, 1]
HARMONIC_MAJOR = [2, 2, 1, 2, 1, 3, 1]
DOUBLE_HARMONIC = [1, 3, 1, 2, 1, 3, 1]
NEAPOLITAN_MAJOR = [1, 2, 2, 2, 2, 2, 1]
NEAPOLITAN_MINOR = [1, 2, 2, 2, 1, 3, 1]
MAJOR_PENTATONIC = [2, 2, 3, 2, 3]

MODE_FAMILIES = [
    ("Major Modes", MAJOR, [
        ["Ionian", "Major"], ["Dorian"], ["Phrygian"], ["Lydian"], ["Mixolydian"],
        ["Aeolian", "Natural Minor"], ["Locrian"]]),
    ("Melodic Minor Modes", MELODIC_MINOR, [
        ["Melodic Minor", "Jazz Minor"], ["Dorian b2", "Phrygian #6"], ["Lydian Augmented"],
        ["Lydian Dominant", "Overtone", "Acoustic"], ["Mixolydian b6", "Aeolian Dominant"],
        ["Locrian #2", "Half-Diminished"], ["Altered", "Super Locrian", "Diminished Whole Tone"]]),
    ("Harmonic Minor Modes", HARMONIC_MINOR, [
        ["Harmonic Minor"], ["Locrian #6"], ["Ionian #5", "Ionian Augmented", "Major Augmented"], ["Dorian #4"],
        ["Phrygian Dominant", "Spanish Gypsy"], ["Lydian #2"], ["Super Locrian bb7", "Ultralocrian"]]),
    ("Harmonic Major Modes", HARMONIC_MAJOR, [
        ["Harmonic Major"], ["Dorian b5"], ["Phrygian b4"], ["Lydian b3"], ["Mixolydian b2"],
        ["Lydian Augmented #2"], ["Locrian bb7"]]),
    ("Double Harmonic Modes", DOUBLE_HARMONIC, [
        ["Double Harmonic Major"], ["Lydian #2 #6"], ["Ultraphrygian"],
        ["Hungarian Minor", "Double Harmonic Minor"], ["Oriental"], ["Ionian #2 #5"], ["Locrian bb3 bb7"]]),
    ("Neapolitan Major Modes", NEAPOLITAN_MAJOR, [
        ["Neapolitan Major"], ["Leading Whole Tone", "Lydian Augmented #6"], ["Lydian Augmented Dominant"],
        ["Lydian Dominant b6"], ["Major Locrian"], ["Half-Diminished b4"], ["Super Locrian bb3"]]),
    ("Neapolitan Minor Modes", NEAPOLITAN_MINOR, [
        ["Neapolitan Minor"], ["Lydian #6"], ["Mixolydian Augmented"], ["Hungarian Gypsy", "Aeolian #4"],
        ["Locrian Dominant"], ["Ionian #2"], ["Ultralocrian bb3"]]),
]

PENTATONIC = family(MAJOR_PENTATONIC, [
    ["Major Pentatonic"], ["Egyptian", "Suspended Pentatonic"], ["Man Gong", "Blues Minor Pentatonic"],
    ["Ritsusen", "Blues Major Pentatonic"], ["Minor Pentatonic"]]) + [
    ("Yo", (0, 2, 5, 7, 9)),
    ("In", (0, 1, 5, 7, 8)),
    ("Kumoijoshi", (0, 1, 5, 7, 8)),
    ("Insen", (0, 1, 5, 7, 10)),
    ("Hirajoshi", (0, 2, 3, 7, 8)),
    ("Iwato", (0, 1, 5, 6, 10)),
    ("Kumoi", (0, 2, 3, 7, 9)),
    ("Flat Three Pentatonic", (0, 2, 3, 7, 9)),
    ("Ryukyu", (0, 4, 5, 7, 11)),
    ("Ionian Pentatonic", (0, 4, 5, 7, 11)),
    ("Dominant Pentatonic", (0, 2, 4, 7, 10)),
    ("Minor Six Pentatonic", (0, 3, 5, 7, 9)),
    ("Major b6 Pentatonic", (0, 2, 4, 7, 8)),
    ("Flat Six Pentatonic", (0, 2, 4, 7, 8)),
    ("Lydian Pentatonic", (0, 4, 6, 7, 11)),
    ("Chinese", (0, 4, 6, 7, 11)),
    ("Mixolydian Pentatonic", (0, 4, 5, 7, 10)),
    ("Lydian Dominant Pentatonic", (0, 4, 6, 7, 10)),
    ("Locrian Pentatonic", (0, 3, 5, 6, 10)),
    ("Super Locrian Pentatonic", (0, 3, 4, 6, 10)),
    ("Minor #7 Pentatonic", (0, 3, 5, 7, 11)),
    ("Whole Tone Pentatonic", (0, 4, 6, 8, 10)),
    ("Pelog", (0, 1, 3, 7, 8)),
    ("Balinese", (0, 1, 3, 7, 8)),
    ("Scriabin", (0, 1, 4, 7, 9)),
]

HEXATONIC = [
    ("Whole Tone", (0, 2, 4, 6, 8, 10)),
    ("Minor Blues", (0, 3, 5, 6, 7, 10)),
    ("Major Blues", (0, 2, 3, 4, 7, 9)),
    ("Augmented", (0, 3, 4, 7, 8, 11)),
    ("Prometheus", (0, 2, 4, 6, 9, 10)),
    ("Tritone", (0, 1, 4, 6, 7, 10)),
    ("Two-Semitone Tritone", (0, 1, 2, 6, 7, 8)),
    ("Major Hexatonic", (0, 2, 4, 5, 7, 9)),
    ("Minor Hexatonic", (0, 2, 3, 5, 7, 10)),
    ("Dominant Hexatonic", (0, 2, 4, 7, 9, 10)),
    ("Istrian", (0, 1, 3, 4, 6, 7)),
    ("Piongio", (0, 2, 5, 7, 9, 10)),
    ("Prometheus Neapolitan", (0, 1, 4, 6, 9, 10)),
]

BEBOP = [
    ("Bebop Dominant", (0, 2, 4, 5, 7, 9, 10, 11)),
    ("Bebop Major", (0, 2, 4, 5, 7, 8, 9, 11)),
    # Sources give bebop minor either passing tone: each is listed by both names.
    ("Bebop Minor", (0, 2, 3, 5, 7, 9, 10, 11)),
    ("Bebop Minor (with major 7th)", (0, 2, 3, 5, 7, 9, 10, 11)),
    ("Bebop Dorian", (0, 2, 3, 4, 5, 7, 9, 10)),
    ("Bebop Minor (with major 3rd)", (0, 2, 3, 4, 5, 7, 9, 10)),
    ("Bebop Locrian", (0, 1, 3, 5, 6, 7, 8, 10)),
    ("Bebop Melodic Minor", (0, 2, 3, 5, 7, 8, 9, 11)),
    ("Bebop Harmonic Minor", (0, 2, 3, 5, 7, 8, 10, 11)),
]

# Messiaen's modes of limited transposition, each from its first rotation.
MESSIAEN = [
    (1, (0, 2, 4, 6, 8, 10)),
    (2, (0, 1, 3, 4, 6, 7, 9, 10)),
    (3, (0, 2, 3, 4, 6, 7, 8, 10, 11)),
    (4, (0, 1, 2, 5, 6, 7, 8, 11)),
    (5, (0, 1, 5, 6, 7, 11)),
    (6, (0, 2, 4, 5, 6, 8, 10, 11)),
    (7, (0, 1, 2, 3, 5, 6, 7, 8, 9, 11)),
]


def symmetric():
    rows = []
    for number, first in MESSIAEN:
        rotations = distinct_rotations(first)
        for k, rotated in enumerate(rotations, start=1):
            suffix = f" Rotation {k}" if len(rotations) > 1 else ""
            rows.append((f"Messiaen Mode {number}{suffix}", rotated))
    rows += [
        ("Octatonic Half-Whole", (0, 1, 3, 4, 6, 7, 9, 10)),
        ("Octatonic Whole-Half", (0, 2, 3, 5, 6, 8, 9, 11)),
        ("Diminished", (0, 2, 3, 5, 6, 8, 9, 11)),
        ("Dominant Diminished", (0, 1, 3, 4, 6, 7, 9, 10)),
        ("Whole Tone", (0, 2, 4, 6, 8, 10)),
        ("Augmented", (0, 3, 4, 7, 8, 11)),
        ("Augmented Inverse", (0, 1, 4, 5, 8, 9)),
        ("Tritone", (0, 1, 4, 6, 7, 10)),
        ("Chromatic", tuple(range(12))),
    ]
    return rows


MELAKARTA_NAMES = [
    "Kanakangi", "Ratnangi", "Ganamurti", "Vanaspati", "Manavati", "Tanarupi",
    "Senavati", "Hanumatodi", "Dhenuka", "Natakapriya", "Kokilapriya", "Rupavati",
    "Gayakapriya", "Vakulabharanam", "Mayamalavagowla", "Chakravakam", "Suryakantam", "Hatakambari",
    "Jhankaradhvani", "Natabhairavi", "Keeravani", "Kharaharapriya", "Gourimanohari", "Varunapriya",
    "Mararanjani", "Charukesi", "Sarasangi", "Harikambhoji", "Dheerasankarabharanam", "Naganandini",
    "Yagapriya", "Ragavardhini", "Gangeyabhushani", "Vagadheeswari", "Shulini", "Chalanata",
    "Salagam", "Jalarnavam", "Jhalavarali", "Navaneetam", "Pavani", "Raghupriya",
    "Gavambhodi", "Bhavapriya", "Shubhapantuvarali", "Shadvidamargini", "Suvarnangi", "Divyamani",
    "Dhavalambari", "Namanarayani", "Kamavardhini", "Ramapriya", "Gamanashrama", "Vishvambari",
    "Shamalangi", "Shanmukhapriya", "Simhendramadhyamam", "Hemavati", "Dharmavati", "Neetimati",
    "Kantamani", "Rishabhapriya", "Latangi", "Vachaspati", "Mechakalyani", "Chitrambari",
    "Sucharitra", "Jyotisvarupini", "Dhatuvardhani", "Nasikabhushani", "Kosalam", "Rasikapriya",
]

# Within each half of 36, six chakras fix ri and ga; within each chakra the
# six ragas take dha and ni in this order. Ma is shuddha (4th) in the first
# half and prati (augmented 4th) in the second; sa and pa are fixed.
RI_GA = [(1, 2), (1, 3), (1, 4), (2, 3), (2, 4), (3, 4)]
DHA_NI = [(8, 9), (8, 10), (8, 11), (9, 10), (9, 11), (10, 11)]


def melakarta(number):
    index = number - 1
    ma = 5 if index < 36 else 6
    ri, ga = RI_GA[(index % 36) // 6]
    dha, ni = DHA_NI[index % 6]
    return (0, ri, ga, ma, 7, dha, ni)


def melakartas():
    return [(f"{name} ({number})", melakarta(number)) for number, name in enumerate(MELAKARTA_NAMES, start=1)]


THAATS = [
    ("Bilaval", (0, 2, 4, 5, 7, 9, 11)),
    ("Kalyan", (0, 2, 4, 6, 7, 9, 11)),
    ("Khamaj", (0, 2, 4, 5, 7, 9, 10)),
    ("Kafi", (0, 2, 3, 5, 7, 9, 10)),
    ("Asavari", (0, 2, 3, 5, 7, 8, 10)),
    ("Bhairavi", (0, 1, 3, 5, 7, 8, 10)),
    ("Bhairav", (0, 1, 4, 5, 7, 8, 11)),
    ("Marwa", (0, 1, 4, 6, 7, 9, 11)),
    ("Purvi", (0, 1, 4, 6, 7, 8, 11)),
    ("Todi", (0, 1, 3, 6, 7, 8, 11)),
]

RAGAS = [
    ("Bhupali", (0, 2, 4, 7, 9)),
    ("Mohanam", (0, 2, 4, 7, 9)),
    ("Durga", (0, 2, 5, 7, 9)),
    ("Malkauns", (0, 3, 5, 8, 10)),
    ("Hindolam", (0, 3, 5, 8, 10)),
    ("Shivaranjani", (0, 2, 3, 7, 9)),
    ("Hamsadhwani", (0, 2, 4, 7, 11)),
    ("Madhyamavati", (0, 2, 5, 7, 10)),
    ("Megh", (0, 2, 5, 7, 10)),
    ("Abhogi", (0, 2, 3, 5, 9)),
    ("Revati", (0, 1, 5, 7, 10)),
    ("Vibhas", (0, 1, 4, 7, 8)),
    ("Hindol", (0, 4, 6, 9, 11)),
    ("Sunadavinodini", (0, 4, 6, 9, 11)),
    ("Kalavati", (0, 4, 7, 9, 10)),
    ("Chandrakauns", (0, 3, 5, 8, 11)),
    ("Gunakali", (0, 1, 5, 7, 8)),
    ("Marwa", (0, 1, 4, 6, 9, 11)),
    ("Sriranjani", (0, 2, 3, 5, 9, 10)),
    ("Jog", (0, 3, 4, 5, 7, 10)),
]

MAQAMAT = [
    ("Hijaz", (0, 1, 4, 5, 7, 8, 10)),
    ("Hijaz Kar", (0, 1, 4, 5, 7, 8, 11)),
    ("Hijaz Kar Kurd", (0, 1, 3, 5, 7, 8, 11)),
    ("Nahawand", (0, 2, 3, 5, 7, 8, 11)),
    ("Kurd", (0, 1, 3, 5, 7, 8, 10)),
    ("Nikriz", (0, 2, 3, 6, 7, 9, 10)),
    ("Nawa Athar", (0, 2, 3, 6, 7, 8, 11)),
    ("Athar Kurd", (0, 1, 3, 6, 7, 8, 11)),
    ("Ajam", (0, 2, 4, 5, 7, 9, 11)),
    ("Suznak", (0, 2, 4, 5, 7, 8, 11)),
    ("Zanjaran", (0, 1, 4, 5, 7, 9, 10)),
]

JEWISH_EASTERN_EUROPEAN = [
    ("Freygish", (0, 1, 4, 5, 7, 8, 10)),
    ("Ahava Rabbah", (0, 1, 4, 5, 7, 8, 10)),
    ("Mi Sheberach", (0, 2, 3, 6, 7, 9, 10)),
    ("Ukrainian Dorian", (0, 2, 3, 6, 7, 9, 10)),
    ("Adonai Malach", (0, 2, 4, 5, 7, 9, 10)),
    ("Magen Avot", (0, 2, 3, 5, 7, 8, 10)),
    ("Hungarian Minor", (0, 2, 3, 6, 7, 8, 11)),
    ("Hungarian Major", (0, 3, 4, 6, 7, 9, 10)),
    ("Hungarian Gypsy", (0, 2, 3, 6, 7, 8, 10)),
    ("Romanian Minor", (0, 2, 3, 6, 7, 9, 10)),
    ("Romanian Major", (0, 1, 4, 6, 7, 9, 10)),
]

EXOTIC = [
    ("Enigmatic", (0, 1, 4, 6, 8, 10, 11)),
    ("Persian", (0, 1, 4, 5, 6, 8, 11)),
    ("Byzantine", (0, 1, 4, 5, 7, 8, 11)),
    ("Arabian", (0, 2, 4, 5, 6, 8, 10)),
    ("Spanish Eight-Tone", (0, 1, 3, 4, 5, 6, 8, 10)),
    # Flamenco and gypsy scales are defined two ways: each definition is
    # listed under a qualified name beside the plain one.
    ("Flamenco", (0, 1, 3, 4, 5, 7, 8, 10)),
    ("Flamenco (eight-tone)", (0, 1, 3, 4, 5, 7, 8, 10)),
    ("Flamenco (Phrygian dominant)", (0, 1, 4, 5, 7, 8, 10)),
    ("Oriental", (0, 1, 4, 5, 6, 9, 10)),
    ("Leading Whole Tone", (0, 2, 4, 6, 8, 10, 11)),
    ("Hindu", (0, 2, 4, 5, 7, 8, 10)),
    ("Javanese", (0, 1, 3, 5, 7, 9, 10)),
    ("Lydian Minor", (0, 2, 4, 6, 7, 8, 10)),
    ("Algerian", (0, 2, 3, 5, 6, 7, 8, 11)),
    ("Six-Tone Symmetrical", (0, 1, 4, 5, 8, 9)),
    ("Gypsy", (0, 2, 3, 6, 7, 8, 10)),
    ("Gypsy (Hungarian)", (0, 2, 3, 6, 7, 8, 10)),
    ("Gypsy (Phrygian dominant)", (0, 1, 4, 5, 7, 8, 10)),
    ("Spanish Gypsy", (0, 1, 4, 5, 7, 8, 10)),
    ("Composite Blues", (0, 2, 3, 4, 5, 6, 7, 9, 10)),
    ("Augmented Heptatonic", (0, 3, 4, 5, 7, 8, 11)),
    ("Lydian Diminished", (0, 2, 3, 6, 7, 9, 11)),
    ("Minor Six Diminished", (0, 2, 3, 5, 7, 8, 9, 11)),
    ("Ichikosucho", (0, 2, 4, 5, 6, 7, 9, 11)),
    ("Kafi Raga", (0, 3, 4, 5, 7, 9, 10, 11)),
    ("Purvi Raga", (0, 1, 4, 5, 6, 7, 8, 11)),
]

CHORDS = [
    ("Major Triad", (0, 4, 7)),
    ("Minor Triad", (0, 3, 7)),
    ("Diminished Triad", (0, 3, 6)),
    ("Augmented Triad", (0, 4, 8)),
    ("Suspended 2nd", (0, 2, 7)),
    ("Suspended 4th", (0, 5, 7)),
    ("Power Chord (5)", (0, 7)),
    ("Major 6th", (0, 4, 7, 9)),
    ("Minor 6th", (0, 3, 7, 9)),
    ("6/9", (0, 2, 4, 7, 9)),
    ("Minor 6/9", (0, 2, 3, 7, 9)),
    ("Major 7th", (0, 4, 7, 11)),
    ("Dominant 7th", (0, 4, 7, 10)),
    ("Minor 7th", (0, 3, 7, 10)),
    ("Minor-Major 7th", (0, 3, 7, 11)),
    ("Half-Diminished 7th", (0, 3, 6, 10)),
    ("Diminished 7th", (0, 3, 6, 9)),
    ("Augmented 7th", (0, 4, 8, 10)),
    ("Augmented Major 7th", (0, 4, 8, 11)),
    ("Dominant 7th Sus4", (0, 5, 7, 10)),
    ("Dominant 7th b5", (0, 4, 6, 10)),
    ("Major 7th b5", (0, 4, 6, 11)),
    ("Add 9", (0, 2, 4, 7)),
    ("Minor Add 9", (0, 2, 3, 7)),
    ("Major 9th", (0, 2, 4, 7, 11)),
    ("Dominant 9th", (0, 2, 4, 7, 10)),
    ("Minor 9th", (0, 2, 3, 7, 10)),
    ("Minor-Major 9th", (0, 2, 3, 7, 11)),
    ("Dominant 9th Sus4", (0, 2, 5, 7, 10)),
    ("Add 11", (0, 4, 5, 7)),
    ("Dominant 11th", (0, 2, 4, 5, 7, 10)),
    ("Minor 11th", (0, 2, 3, 5, 7, 10)),
    ("Major 7th #11", (0, 4, 6, 7, 11)),
    ("Major 9th #11", (0, 2, 4, 6, 7, 11)),
    ("Dominant 7th #11", (0, 4, 6, 7, 10)),
    ("Dominant 13th", (0, 2, 4, 7, 9, 10)),
    ("Major 13th", (0, 2, 4, 7, 9, 11)),
    ("Minor 13th", (0, 2, 3, 7, 9, 10)),
    ("Dominant 7th b9", (0, 1, 4, 7, 10)),
    ("Dominant 7th #9", (0, 3, 4, 7, 10)),
    ("Dominant 7th b5 b9", (0, 1, 4, 6, 10)),
    ("Dominant 7th #5 b9", (0, 1, 4, 8, 10)),
    ("Dominant 7th #5 #9", (0, 3, 4, 8, 10)),
    ("Dominant 7th b13", (0, 4, 7, 8, 10)),
    ("Dominant 13th b9", (0, 1, 4, 7, 9, 10)),
    ("Altered Dominant 7th", (0, 1, 3, 4, 6, 8, 10)),
]


def banks():
    """(bank, scale name, positions) in catalogue order."""
    rows = []
    for bank, steps, names in MODE_FAMILIES:
        rows += [(bank, name, positions) for name, positions in family(steps, names)]
    rows += [("Pentatonic", name, positions) for name, positions in PENTATONIC]
    rows += [("Hexatonic", name, positions) for name, positions in HEXATONIC]
    rows += [("Bebop", name, positions) for name, positions in BEBOP]
    rows += [("Symmetric", name, positions) for name, positions in symmetric()]
    rows += [("Melakarta", name, positions) for name, positions in melakartas()]
    rows += [("Thaat", name, positions) for name, positions in THAATS]
    rows += [("Raga", name, positions) for name, positions in RAGAS]
    rows += [("Maqam", name, positions) for name, positions in MAQAMAT]
    rows += [("Jewish and Eastern European", name, positions) for name, positions in JEWISH_EASTERN_EUROPEAN]
    rows += [("Exotic", name, positions) for name, positions in EXOTIC]
    rows += [("Chords", name, positions) for name, positions in CHORDS]
    return rows


def catalogue_text():
    lines = [TITLE, ",".join(COLUMNS)]
    seen = set()
    for bank, name, positions in banks():
        assert "," not in bank and "," not in name, (bank, name)
        assert 0 in positions, (bank, name)
        assert (bank, name) not in seen, (bank, name)
        seen.add((bank, name))
        lines.append(",".join([bank, name] + ["TRUE" if p in positions else "FALSE" for p in range(12)]))
    return "\n".join(lines) + "\n"


def main(arguments):
    text = catalogue_text()
    if len(arguments) == 2 and arguments[0] == "--write":
        with open(arguments[1], "w", encoding="utf-8", newline="\n") as out:
            out.write(text)
        return 0
    if len(arguments) == 2 and arguments[0] == "--check":
        with open(arguments[1], encoding="utf-8", newline="") as shipped:
            if shipped.read() != text:
                print(f"{arguments[1]} differs from the generator's output; run --write", file=sys.stderr)
                return 1
        return 0
    if arguments:
        print(__doc__, file=sys.stderr)
        return 2
    sys.stdout.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
