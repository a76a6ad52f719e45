// SPDX-License-Identifier: GPL-3.0-or-later
// Ten thousand random user actions on the main window: ticking and unticking,
// choosing roots, toggling both options, selecting and deselecting rows in
// both lists. After every action the window must show exactly what the
// matching gives for the controls' state. Reproducible: the seed is printed,
// and ORVEL_RANDOM_SEED=<seed> runs the same sequence again.

#include <gtest/gtest.h>

#include <QTest>
#include <cstdlib>
#include <iostream>
#include <random>

#include "MainWindowFixture.h"
#include "matching/MatchScales.h"
#include "matching/NoteNameTable.h"
#include "scales/IntegerText.h"

namespace orvel {
namespace {

using testing_support::CatalogueLine;
using testing_support::MainWindowFixture;

std::uint64_t Seed() {
    if (const char* given = std::getenv("ORVEL_RANDOM_SEED")) {
        return std::strtoull(given, nullptr, 10);
    }
    return std::random_device{}();
}

class RandomUse : public MainWindowFixture {
  protected:
    void SetUp() override {
        MakeWindow({
            CatalogueLine("Diatonic", "Major", {0, 2, 4, 5, 7, 9, 11}),
            CatalogueLine("Diatonic", "Major", {0, 2, 4, 5, 7, 9, 11}),  // a duplicate line
            CatalogueLine("Diatonic", "Dorian", {0, 2, 3, 5, 7, 9, 10}),
            CatalogueLine("Chords", "Major Triad", {0, 4, 7}),
            CatalogueLine("Chords", "Sus from G", {0, 5, 9}),
            CatalogueLine("Symmetric", "Augmented", {0, 4, 8}),
            CatalogueLine("Symmetric", "Diminished 7th", {0, 3, 6, 9}),
            CatalogueLine("", "", {0, 7}),  // no bank, no name
            CatalogueLine("Quotes \"and\" tabs\t", "Ünïcödé ☃", {0, 1}),
            CatalogueLine("Back\\slash", std::string(300, 'L'), {0, 11}),
            CatalogueLine("Empty", "Nothing", {}),
            CatalogueLine("Chromatic", "All", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}),
            CatalogueLine("Unrooted", "No root", {2, 6}),
        });
    }

    TScaleQuery QueryFromControls() const {
        TScaleQuery query;
        for (int i = 0; i < 12; ++i) {
            query.QueryNotes = query.QueryNotes * 2 + (window->cbScale(i)->Value() ? 1 : 0);
        }
        query.RootIndex = NoteTableIndex(static_cast<int>(window->pmRoot()->ListIndex()));
        query.Labels = StandardNoteNames();
        query.RootCaption = TableName(query.RootIndex);
        query.IncludeOtherRoots = window->cbOther()->Value();
        query.RootsInListOnly = window->cbRinL()->Value();
        return query;
    }

    // Compares the lists with the matching; returns the set of the selected
    // containing row, or -1 when none is selected.
    PitchClassSet CheckLists(const TMatchResult& expected) {
        const auto compare = [&](const ListBox& list, const TMatchRows& rows, int cells) {
            EXPECT_EQ(list.RowCount(), rows.size());
            for (std::size_t r = 0; r < std::min(list.RowCount(), rows.size()); ++r) {
                for (int c = 0; c < cells; ++c) {
                    ASSERT_EQ(list.Cell(r, c).toStdString(), expected.Cell(rows[r], c))
                        << "row " << r << " cell " << c;
                }
            }
        };
        compare(*window->lbExact(), expected.ExactRows, 3);
        compare(*window->lbContaining(), expected.ContainingRows, 4);
        const std::int64_t selected = window->lbContaining()->ListIndex();
        return selected < 0 ? -1
                            : expected.EntryNotes(
                                  expected.ContainingRows.at(static_cast<std::size_t>(selected)));
    }

    void ClickAnyRow(ListBox& list, std::mt19937_64& random) {
        if (list.RowCount() == 0) {
            return;
        }
        const int row = static_cast<int>(random() % list.RowCount());
        const bool deselect = list.ListIndex() == row || random() % 4 == 0;
        if (deselect && list.ListIndex() >= 0) {
            const int selected = static_cast<int>(list.ListIndex());
            list.scrollTo(list.model()->index(selected, 0));
            QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier,
                              list.visualRect(list.model()->index(selected, 0)).center());
        } else {
            ClickRow(list, row);
        }
    }
};

TEST_F(RandomUse, TenThousandActionsKeepTheWindowConsistent) {
    const std::uint64_t seed = Seed();
    std::cout << "random-use seed: " << seed << " (ORVEL_RANDOM_SEED=" << seed << " repeats it)\n";
    RecordProperty("seed", std::to_string(seed));
    std::mt19937_64 random(seed);

    bool matched = false;
    QString lastSelectedBinary = " ";
    int selections = 0;
    for (int action = 0; action < 10'000; ++action) {
        const int kind = static_cast<int>(random() % 10);
        if (kind <= 3) {
            Click(*window->cbScale(static_cast<int>(random() % 12)));
            matched = true;
        } else if (kind == 4) {
            const int root = static_cast<int>(random() % 12);
            matched = matched || root != window->pmRoot()->ListIndex();
            window->pmRoot()->SetListIndex(root);
        } else if (kind == 5) {
            Click(*window->cbOther());
            matched = true;
        } else if (kind == 6) {
            Click(*window->cbRinL());
            matched = true;
        } else if (kind <= 8) {
            ClickAnyRow(*window->lbContaining(), random);
        } else {
            ClickAnyRow(*window->lbExact(), random);
        }

        SCOPED_TRACE("seed " + std::to_string(seed) + ", action " + std::to_string(action));
        const TScaleQuery query = QueryFromControls();
        const TMatchResult expected = MatchScales(query, window->Scale);
        if (!matched) {
            ASSERT_EQ(window->lbContaining()->RowCount() + window->lbExact()->RowCount(), 0u);
            continue;
        }
        const PitchClassSet selected = CheckLists(expected);
        ASSERT_FALSE(HasFailure());
        for (int i = 0; i < 12; ++i) {
            ASSERT_EQ(window->cbScale(i)->Caption().toStdString(),
                      TableName(NoteTableIndex(query.RootIndex.Value() + i)));
            ASSERT_EQ(window->lbStar(i)->Visible(), selected >= 0 && HasPosition(selected, i))
                << "star " << i;
        }
        ASSERT_EQ(window->lbValue()->Caption().toStdString(), expected.ValueText);
        if (selected >= 0) {
            lastSelectedBinary = QString::fromStdString(BinaryText(selected));
            ++selections;
        }
        ASSERT_EQ(window->lbScale()->Caption(), lastSelectedBinary);
        ASSERT_FALSE(window->lbValue()->Visible() || window->lbScale()->Visible());
    }
    EXPECT_GT(selections, 100) << "the sequence selected rows often enough to test the stars";
}

}  // namespace
}  // namespace orvel
