// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window does when it opens and when the user ticks notes,
// chooses a root, changes an option or selects a row, driven with real
// mouse clicks and key presses.

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <optional>

#include "MainWindowFixture.h"

namespace orvel {
namespace {

using testing_support::CatalogueLine;
using testing_support::MainWindowFixture;
using Table = std::vector<std::vector<QString>>;

// Positions 0, 4, 7 are a major triad; 0, 5, 9 is the same triad seen from
// its fifth; 0, 4, 8 is symmetric under rotation by 4.
const std::vector<std::string> kCatalogue = {
    CatalogueLine("Diatonic", "Major", {0, 2, 4, 5, 7, 9, 11}),
    CatalogueLine("Chords", "Major Triad", {0, 4, 7}),
    CatalogueLine("Chords", "Triad from its fifth", {0, 5, 9}),
    CatalogueLine("Symmetric", "Augmented", {0, 4, 8}),
    CatalogueLine("Chromatic", "Chromatic", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}),
    CatalogueLine("Empty", "Nothing", {}),
    CatalogueLine("Root", "Root only", {0}),
    "Bank,Short line,TRUE",
};

class wdwMainBehaviour : public MainWindowFixture {
  protected:
    void SetUp() override { MakeWindow(kCatalogue); }

    void Tick(std::initializer_list<int> positions) {
        for (int p : positions) {
            Click(*window->cbScale(p));
        }
    }

    int RowOf(const ListBox& list, const QString& name, const QString& root) const {
        const Table rows = RowsOf(list);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i][1] == name && rows[i][2] == root) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

    QStringList Captions() const {
        QStringList captions;
        for (int i = 0; i < 12; ++i) {
            captions << window->cbScale(i)->Caption();
        }
        return captions;
    }
};

TEST_F(wdwMainBehaviour, OpeningLoadsNamesAndShowsNoMatchYet) {
    EXPECT_EQ(window->Scale.size(), 7u) << "the short line is skipped";
    EXPECT_EQ(window->Labels,
              (std::vector<std::string>{"A", "A# / Bb", "B", "C", "C# / Db", "D", "D# / Eb", "E",
                                        "F", "F# / Gb", "G", "G# / Ab"}));
    EXPECT_EQ(Captions(), (QStringList{"C", "C# / Db", "D", "D# / Eb", "E", "F", "F# / Gb", "G",
                                       "G# / Ab", "A", "A# / Bb", "B"}));
    EXPECT_TRUE(Stars().empty());
    EXPECT_EQ(window->lbExact()->RowCount(), 0u);
    EXPECT_EQ(window->lbContaining()->RowCount(), 0u);
    EXPECT_EQ(window->lbValue()->Caption(), " ");
    EXPECT_TRUE(messages.empty());
}

TEST_F(wdwMainBehaviour, TickingNotesListsExactAndContainingScales) {
    Tick({0, 4, 7});
    EXPECT_TRUE(window->cbScale(4)->Value());
    EXPECT_EQ(RowsOf(*window->lbExact()), (Table{{"Chords", "Major Triad", "C"}}));
    EXPECT_EQ(RowsOf(*window->lbContaining()),
              (Table{{"Diatonic", "Major", "C", "2773"}, {"Chromatic", "Chromatic", "C", "4095"}}));
    EXPECT_EQ(window->lbValue()->Caption(), "100010010000");
    EXPECT_FALSE(window->lbValue()->Visible()) << "the readout stays hidden";

    Click(*window->cbScale(7));
    EXPECT_FALSE(window->cbScale(7)->Value());
    EXPECT_EQ(RowsOf(*window->lbExact()), Table{});
    EXPECT_EQ(window->lbContaining()->RowCount(), 4u)
        << "Major, Major Triad, Augmented, Chromatic hold C and E";
}

TEST_F(wdwMainBehaviour, ChoosingARootRenamesTheBoxesAndKeepsTheTicks) {
    Tick({0, 4, 7});
    ChooseRoot(5);  // D
    EXPECT_EQ(Captions(), (QStringList{"D", "D# / Eb", "E", "F", "F# / Gb", "G", "G# / Ab", "A",
                                       "A# / Bb", "B", "C", "C# / Db"}));
    EXPECT_TRUE(window->cbScale(0)->Value() && window->cbScale(4)->Value() &&
                window->cbScale(7)->Value());
    EXPECT_EQ(window->cbScale(4)->Caption(), "F# / Gb");
    EXPECT_EQ(RowsOf(*window->lbExact()), (Table{{"Chords", "Major Triad", "D"}}));
    EXPECT_EQ(RowsOf(*window->lbContaining()),
              (Table{{"Diatonic", "Major", "D", "2773"}, {"Chromatic", "Chromatic", "D", "4095"}}));

    ChooseRoot(11);
    EXPECT_EQ(Captions().mid(0, 3), (QStringList{"G# / Ab", "A", "A# / Bb"}));
    EXPECT_EQ(Captions()[11], "G");
    ChooseRoot(0);
    EXPECT_EQ(Captions(), (QStringList{"A", "A# / Bb", "B", "C", "C# / Db", "D", "D# / Eb", "E",
                                       "F", "F# / Gb", "G", "G# / Ab"}));
}

TEST_F(wdwMainBehaviour, ChoosingARootWithNothingTickedListsEveryNonEmptyScale) {
    ChooseRoot(4);
    EXPECT_EQ(window->lbContaining()->RowCount(), 6u);
    EXPECT_EQ(RowsOf(*window->lbExact()), (Table{{"Empty", "Nothing", "C# / Db"}}));
    EXPECT_EQ(window->lbValue()->Caption(), "0");
}

TEST_F(wdwMainBehaviour, OtherRootsFindTheTriadUnderItsFifth) {
    Tick({0, 4, 7});
    Click(*window->cbOther());
    EXPECT_EQ(RowsOf(*window->lbExact()),
              (Table{{"Chords", "Major Triad", "C"}, {"Chords", "Triad from its fifth", "G"}}));
    const std::size_t allRoots = window->lbContaining()->RowCount();

    Click(*window->cbRinL());
    EXPECT_EQ(RowsOf(*window->lbExact()),
              (Table{{"Chords", "Major Triad", "C"}, {"Chords", "Triad from its fifth", "G"}}));
    EXPECT_LT(window->lbContaining()->RowCount(), allRoots) << "only E and G are tried as roots";
    for (const auto& row : RowsOf(*window->lbContaining())) {
        EXPECT_TRUE(row[2] == "C" || row[2] == "E" || row[2] == "G") << row[2].toStdString();
    }
}

TEST_F(wdwMainBehaviour, RootsInListOnlyAloneChangesNothing) {
    Tick({0, 4});
    const Table exact = RowsOf(*window->lbExact());
    const Table containing = RowsOf(*window->lbContaining());
    Click(*window->cbRinL());
    EXPECT_EQ(RowsOf(*window->lbExact()), exact);
    EXPECT_EQ(RowsOf(*window->lbContaining()), containing);
}

TEST_F(wdwMainBehaviour, SelectingAContainingRowShowsItsStars) {
    Tick({0});
    ClickRow(*window->lbContaining(), RowOf(*window->lbContaining(), "Major Triad", "C"));
    EXPECT_EQ(Stars(), (std::vector<int>{0, 4, 7}));
    EXPECT_EQ(window->lbScale()->Caption(), "100010010000");
    EXPECT_FALSE(window->lbScale()->Visible());

    ClickRow(*window->lbContaining(), RowOf(*window->lbContaining(), "Chromatic", "C"));
    EXPECT_EQ(Stars(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    ClickRow(*window->lbContaining(), RowOf(*window->lbContaining(), "Major", "C"));
    EXPECT_EQ(Stars(), (std::vector<int>{0, 2, 4, 5, 7, 9, 11}));
}

TEST_F(wdwMainBehaviour, RootOnlyScaleShowsOneStar) {
    ChooseRoot(4);
    ChooseRoot(3);
    ClickRow(*window->lbContaining(), RowOf(*window->lbContaining(), "Root only", "C"));
    EXPECT_EQ(Stars(), std::vector<int>{0});
    EXPECT_EQ(window->lbScale()->Caption(), "100000000000");
}

TEST_F(wdwMainBehaviour, RowFromAnotherRootShowsTheScalesOwnShape) {
    Tick({0, 4});
    Click(*window->cbOther());
    // F major holds C and E.
    const int underF = RowOf(*window->lbContaining(), "Major", "F");
    ASSERT_GE(underF, 0);
    ClickRow(*window->lbContaining(), underF);
    EXPECT_EQ(Stars(), (std::vector<int>{0, 2, 4, 5, 7, 9, 11})) << "not shifted to F";
}

TEST_F(wdwMainBehaviour, TickingAfterASelectionClearsItAndHidesStars) {
    Tick({0});
    ClickRow(*window->lbContaining(), 0);
    ASSERT_FALSE(Stars().empty());
    Click(*window->cbScale(4));
    EXPECT_EQ(window->lbContaining()->ListIndex(), -1);
    EXPECT_TRUE(Stars().empty());
}

TEST_F(wdwMainBehaviour, RootAndOptionChangesTakeTheSelectionAndItsStarsAway) {
    Tick({0});
    ClickRow(*window->lbContaining(), 0);
    ASSERT_FALSE(Stars().empty());
    ChooseRoot(6);
    EXPECT_EQ(window->lbContaining()->ListIndex(), -1);
    EXPECT_TRUE(Stars().empty());

    ClickRow(*window->lbContaining(), 0);
    ASSERT_FALSE(Stars().empty());
    Click(*window->cbOther());
    EXPECT_TRUE(Stars().empty());
}

TEST_F(wdwMainBehaviour, SelectingAnExactRowLeavesTheStarsAlone) {
    Tick({0, 4, 7});
    ClickRow(*window->lbContaining(), 0);
    const std::vector<int> stars = Stars();
    ASSERT_FALSE(stars.empty());
    ClickRow(*window->lbExact(), 0);
    EXPECT_EQ(window->lbExact()->ListIndex(), 0);
    EXPECT_EQ(Stars(), stars);
}

TEST_F(wdwMainBehaviour, NotesFromOutsideTickExactlyTheirBoxesAndMatchOnce) {
    // Pitch classes above C.
    const auto notes = NotesOf;
    const struct {
        const char* what;
        int rootBefore;                 // the popup's index
        std::vector<int> tickedBefore;  // by hand
        PitchClassesAboveC notes;       // what comes in
        std::optional<PitchClass> root;
        std::vector<int> ticked;  // the boxes afterwards
        QString rootCaption;      // of cbScale(0) afterwards
        Table exact;              // bank, scale, root
    } calls[] = {
        // clang-format off
        {"C E G under C", 3, {0}, notes({0, 4, 7}), {}, {0, 4, 7}, "C",
         {{"Chords", "Major Triad", "C"}}},
        {"D F# A with its root", 3, {0}, notes({2, 6, 9}), PitchClass(2), {0, 4, 7}, "D",
         {{"Chords", "Major Triad", "D"}}},
        {"C E G with the root G", 3, {0}, notes({0, 4, 7}), PitchClass(7), {0, 5, 9}, "G",
         {{"Chords", "Triad from its fifth", "G"}}},
        {"the hand's ticks replaced", 3, {1, 3, 11}, notes({0, 5, 9}), {}, {0, 5, 9}, "C",
         {{"Chords", "Triad from its fifth", "C"}}},
        {"under another root", 10, {0}, notes({7, 11, 2}), {}, {0, 4, 7}, "G",
         {{"Chords", "Major Triad", "G"}}},
        {"nothing", 3, {0, 4}, notes({}), {}, {}, "C",
         {{"Empty", "Nothing", "C"}}},
        // clang-format on
    };
    for (const auto& call : calls) {
        SCOPED_TRACE(call.what);
        MakeWindow(kCatalogue);
        ChooseRoot(call.rootBefore);
        for (const int position : call.tickedBefore) {
            Click(*window->cbScale(position));
        }
        ClickRow(*window->lbContaining(), 0);
        ASSERT_FALSE(Stars().empty());
        QSignalSpy exactRefills(window->lbExact()->model(), &QAbstractItemModel::modelReset);
        QSignalSpy containingRefills(window->lbContaining()->model(),
                                     &QAbstractItemModel::modelReset);

        window->TickNotes(call.notes, call.root);

        std::vector<int> ticked;
        for (int i = 0; i < 12; ++i) {
            if (window->cbScale(i)->Value()) {
                ticked.push_back(i);
            }
        }
        EXPECT_EQ(ticked, call.ticked);
        EXPECT_EQ(window->cbScale(0)->Caption(), call.rootCaption);
        EXPECT_EQ(RowsOf(*window->lbExact()), call.exact);
        EXPECT_EQ(exactRefills.count(), 1);
        EXPECT_EQ(containingRefills.count(), 1);
        EXPECT_TRUE(Stars().empty());
    }
    // Ticking by hand goes on from there as ever.
    Click(*window->cbScale(0));
    EXPECT_EQ(RowsOf(*window->lbExact()), (Table{{"Root", "Root only", "C"}}));
}

TEST_F(wdwMainBehaviour, RotateIsTheMatchingsRotation) {
    EXPECT_EQ(wdwMain::Rotate12(2192, 4), 2312);
    EXPECT_EQ(wdwMain::Rotate12(2048, 1), 1);
}

class wdwMainStartUp : public MainWindowFixture {};

TEST_F(wdwMainStartUp, NoCatalogueOpensQuietlyWithEmptyLists) {
    MakeWindowLoading([] {
        return ScaleLoad{{}, TIOError("Orvel Scales.csv", "gone", TIOError::Kind::Missing)};
    });
    window->Open();
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(window->Scale.empty());
    EXPECT_EQ(window->cbScale(0)->Caption(), "C");
    Click(*window->cbScale(0));
    EXPECT_EQ(window->lbExact()->RowCount() + window->lbContaining()->RowCount(), 0u);
}

TEST_F(wdwMainStartUp, WithoutScalesTheContainingListSaysWhyInItsViewport) {
    const struct {
        const char* what;
        ScaleLoad load;
        QString line;
    } cases[] = {
        {"missing",
         {{}, TIOError("/opt/Orvel Scales.csv", "gone", TIOError::Kind::Missing)},
         "No scales: /opt/Orvel Scales.csv not found"},
        {"empty", {{}, std::nullopt}, "No scales: test catalogue holds no scale lines"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        MakeWindowLoading([load = row.load] { return load; });
        window->Open();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        ListBox& list = *window->lbContaining();
        EXPECT_EQ(list.EmptyText(), row.line);
        EXPECT_TRUE(window->AboutText().contains(row.line)) << window->AboutText().toStdString();
        // Painted, in grey: the viewport holds ink, none of it near black
        // (the placeholder colour is the text's, half see-through); the exact
        // list, which says nothing, none.
        const auto ink = [](ListBox& box) {
            const QImage image = box.viewport()->grab().toImage();
            const QColor base = box.palette().color(QPalette::Base);
            int pixels = 0;
            int darkest = 255;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QColor pixel = image.pixelColor(x, y);
                    if (pixel != base) {
                        ++pixels;
                        darkest = std::min(darkest, pixel.lightness());
                    }
                }
            }
            return std::pair(pixels, darkest);
        };
        const auto [pixels, darkest] = ink(list);
        EXPECT_GT(pixels, 20);
        EXPECT_GT(darkest, 60);
        EXPECT_EQ(ink(*window->lbExact()).first, 0);
        EXPECT_TRUE(messages.empty());
    }
    // With scales, nothing is said.
    MakeWindow(kCatalogue);
    EXPECT_EQ(window->lbContaining()->EmptyText(), "");
}

TEST_F(wdwMainStartUp, ReadFaultShowsOneMessageKeepsTheScalesReadAndTheWindowStillOpens) {
    MakeWindowLoading([] {
        std::vector<TScale> read(2);
        read[1].Scale = "Second";
        return ScaleLoad{std::move(read), TIOError("Orvel Scales.csv", "Input/output error")};
    });
    window->Open();
    EXPECT_EQ(messages, std::vector<std::string>{"Error accessing file."});
    ASSERT_EQ(window->Scale.size(), 2u);
    EXPECT_EQ(window->Scale[1].Scale, "Second");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->Labels.size(), 12u);
    EXPECT_EQ(window->cbScale(11)->Caption(), "B");
}

}  // namespace
}  // namespace orvel
