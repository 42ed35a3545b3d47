// The create screen's state: requests, batches with the stop question, selection and deletion,
// the list's font level and the screen's layout.
#include "manage/create_state.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

#include "manage/create_layout.h"
#include "support/recording_canvas.h"
#include "support/sample_puzzles.h"
#include "support/scripted_messages.h"

namespace xs {
namespace {

using test::TCanvasOp;
using test::TRecordingCanvas;
using test::TScriptedMessages;

struct CreateState : ::testing::Test {
    std::unique_ptr<TDataFileRecord> file = std::make_unique<TDataFileRecord>();
    TScriptedMessages messages;
    double now = 0.5;  // days
    std::unique_ptr<TCreateState> state;

    void SetUp() override {
        std::memset(file.get(), 0, sizeof *file);
        file->Settings.CreateSize = static_cast<int>(TPuzzleSize::Mini);
    }
    TCreateState& Make() {
        state = std::make_unique<TCreateState>(file->Settings, file->Library, messages, 42,
                                               [this] { return now; });
        return *state;
    }
    TPuzzleLibrary& Lib() { return file->Library; }
    void Store(int count, TPuzzleSize size = TPuzzleSize::Mini) {
        for (int i = 0; i < count; ++i)
            test::AddSamplePuzzle(Lib(), file->Settings.LastPuzzleId, size, i % 5 + 1);
    }
};

TEST_F(CreateState, NinetyFiveStoredAllowFiveMoreInAnyMix) {
    struct Case {
        std::vector<int> ups;
    };
    const Case cases[] = {{{1, 2, 3, 4, 5}}, {{5, 5, 5, 5, 5}}, {{2, 2, 4, 1, 1}}};
    for (const Case& c : cases) {
        SetUp();
        Store(95);
        TCreateState& s = Make();
        EXPECT_FALSE(s.CreateEnabled());
        for (int level : c.ups) EXPECT_TRUE(s.SpinUp(level)) << level;
        for (int level = 1; level <= 5; ++level) EXPECT_FALSE(s.SpinUp(level)) << level;
        EXPECT_EQ(s.CreateCounts()[0], 5);
        EXPECT_EQ(s.CreateText(0), "5");
        EXPECT_TRUE(s.CreateEnabled());
        // Taking one back makes room for one of any level again.
        EXPECT_TRUE(s.SpinDown(c.ups.front()));
        EXPECT_TRUE(s.SpinUp(3));
    }
}

TEST_F(CreateState, CreateIsEnabledExactlyWhileSomethingIsRequested) {
    TCreateState& s = Make();
    EXPECT_FALSE(s.SpinDown(2));
    EXPECT_FALSE(s.CreateEnabled());
    s.SpinUp(2);
    EXPECT_TRUE(s.CreateEnabled());
    s.SpinDown(2);
    EXPECT_FALSE(s.CreateEnabled());
    EXPECT_EQ(s.CreateText(2), "0");
}

TEST_F(CreateState, BatchMakesLowestLevelFirstWithConsecutiveIds) {
    Store(2);
    file->Settings.LastPuzzleId = 40;
    TCreateState& s = Make();
    s.SizeClick(static_cast<int>(TPuzzleSize::Small));
    s.SpinUp(3);
    s.SpinUp(3);
    s.SpinUp(1);
    std::vector<std::string> levelCaptions;
    TBatchHooks hooks;
    hooks.AfterEach = [&](const TBatchStep& step) {
        levelCaptions.push_back(s.CreateText(step.Level));
    };
    EXPECT_EQ(s.Create(hooks), TBatchResult::Done);

    const int levels[3] = {1, 3, 3};
    for (int i = 0; i < 3; ++i) {
        const TPuzzleInfo& info = Lib().Info(3 + i);
        EXPECT_EQ(info.Id, 41 + i);
        EXPECT_EQ(info.Difficulty, levels[i]);
        EXPECT_EQ(info.Size, static_cast<int>(TPuzzleSize::Small));
    }
    EXPECT_EQ(file->Settings.LastPuzzleId, 43);
    EXPECT_EQ(file->Settings.CreateSize, static_cast<int>(TPuzzleSize::Small));
    // During the batch a level's count is right-aligned in three places; the refresh after it
    // sets every request back to 0.
    EXPECT_EQ(levelCaptions, (std::vector<std::string>{"  0", "  1", "  0"}));
    EXPECT_EQ(s.CreateCounts()[0], 0);
    EXPECT_FALSE(s.CreateEnabled());
    EXPECT_EQ(s.ExistText(0), "5");
    EXPECT_EQ(s.ExistText(3), "2");
}

TEST_F(CreateState, StopDuringTheSecondOfThreeKeepsTheFirst) {
    TCreateState& s = Make();
    for (int i = 0; i < 3; ++i) s.SpinUp(2);
    // The first press is answered "Cancel" and the batch goes on; the second "O.K." stops it.
    messages.Answers = {kResultCancel, kResultOk};
    int afterEach = 0;
    int pollsAfterCancel = 0;
    std::vector<TBatchStep> steps;
    TBatchHooks hooks;
    hooks.Poll = [&] {
        if (afterEach != 1) return;
        if (messages.Shown.size() == 1 && ++pollsAfterCancel < 3) return;
        s.StopClick();
    };
    int unmadeAtStop = -1;
    hooks.AfterEach = [&](const TBatchStep& step) {
        ++afterEach;
        steps.push_back(step);
        if (step.Slot == 0) unmadeAtStop = s.CreateCounts()[0];
    };
    EXPECT_EQ(s.Create(hooks), TBatchResult::Cancelled);

    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].Slot, 1);
    EXPECT_EQ(steps[1].Slot, 0);
    EXPECT_EQ(unmadeAtStop, 2);
    EXPECT_EQ(messages.Shown, (std::vector<std::string>(2, kStopQuestionText)));
    EXPECT_EQ(Lib().Counts.Total, 1);
    EXPECT_EQ(Lib().Info(2).Id, 0);
    EXPECT_EQ(file->Settings.LastPuzzleId, 1);
    EXPECT_EQ(s.CreateCounts()[0], 0);
    // Between batches the stop button asks nothing.
    EXPECT_FALSE(s.StopClick());
    EXPECT_EQ(messages.Shown.size(), 2u);
}

// Counters from a damaged file: the screen goes by the 30 puzzles the slots hold, and when the
// Ids are spent it says which Id spent them.
TEST_F(CreateState, DamagedCountersGoByTheSlotsAndSpentIdsAreNamed) {
    constexpr std::int32_t kTop = std::numeric_limits<std::int32_t>::max();
    struct Case {
        const char* what;
        std::int32_t total;   // the stored Total
        std::int32_t lastId;  // LastPuzzleId
        int topIdSlot;        // a slot whose stored Id is the largest one, or 0
        int requested;        // asked for after the spin buttons were tried to the top
        int made;             // of them, stored
        std::vector<std::string> said;
    };
    const std::string lastSpent =
        "No new puzzle can be stored: the last puzzle Id given, 2147483647, is the largest an Id "
        "can be.";
    const Case cases[] = {
        {"sound", 30, 30, 0, 2, 2, {}},
        {"total -1", -1, 30, 0, 2, 2, {}},
        {"total INT_MIN", std::numeric_limits<std::int32_t>::min(), 30, 0, 2, 2, {}},
        {"total 100", 100, 30, 0, 2, 2, {}},
        {"total 150", 150, 30, 0, 2, 2, {}},
        {"total below the slots", 10, 30, 0, 2, 2, {}},
        {"last Id spent", 30, kTop, 0, 2, 0, {lastSpent}},
        {"last Id spent by the first puzzle", 30, kTop - 1, 0, 2, 1, {lastSpent}},
        {"stored Id spent",
         30,
         30,
         12,
         2,
         0,
         {"No new puzzle can be stored: puzzle 2147483647 in slot 12 has the largest Id there "
          "can be."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        messages.Shown.clear();
        Store(30);
        Lib().Counts.Total = c.total;
        Lib().Counts.ByDifficulty[0] = -4;
        file->Settings.LastPuzzleId = c.lastId;
        if (c.topIdSlot != 0) Lib().Info(c.topIdSlot).Id = kTop;
        TCreateState& s = Make();
        EXPECT_EQ(s.ExistText(0), "30");
        EXPECT_EQ(s.ExistText(1), "6");
        int allowed = 0;
        while (s.SpinUp(1)) ++allowed;
        EXPECT_EQ(allowed, 70);
        while (s.CreateCounts()[0] > c.requested) s.SpinDown(1);

        const TBatchResult result = s.Create({});
        EXPECT_EQ(result, c.made == c.requested ? TBatchResult::Done
                          : c.made == 0         ? TBatchResult::Refused
                                                : TBatchResult::Cancelled);
        EXPECT_EQ(messages.Shown, c.said);
        EXPECT_EQ(Lib().Counts.Total, 30 + c.made);
        EXPECT_EQ(s.ExistText(0), std::to_string(30 + c.made));
        EXPECT_EQ(Lib().Info(31).Id, c.made > 0 ? c.lastId + 1 : 0);
        EXPECT_EQ(s.CreateCounts()[0], 0);
        EXPECT_FALSE(s.Creating());
    }
}

// The counters stop at the library's 100 places; the line beside them says so.
TEST_F(CreateState, TheRoomNoteSaysWhyTheCountersStop) {
    const std::string full = "The library holds 100 puzzles: delete some to make room.";
    const std::string filled = "These fill the library: it holds 100 puzzles at most.";
    struct Case {
        int stored;
        int requested;
        std::string note;
    };
    const Case cases[] = {{0, 0, ""},      {0, 99, ""}, {0, 100, filled}, {95, 4, ""},
                          {95, 5, filled}, {99, 0, ""}, {99, 1, filled},  {100, 0, full}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.stored) + " + " + std::to_string(c.requested));
        SetUp();
        Store(c.stored);
        TCreateState& s = Make();
        for (int i = 0; i < c.requested; ++i) ASSERT_TRUE(s.SpinUp(i % 5 + 1));
        EXPECT_EQ(s.RoomText(), c.note);
        EXPECT_EQ(s.SpinUp(2), c.note.empty());
    }
    // Deleting one puzzle of a full library makes room again, and the note goes.
    TCreateState& s = Make();
    s.CellClick(100);
    messages.Answers = {kResultOk};
    ASSERT_TRUE(s.DeleteClick());
    EXPECT_EQ(s.RoomText(), "");
    EXPECT_TRUE(s.SpinUp(1));
    EXPECT_EQ(s.RoomText(), filled);
}

TEST_F(CreateState, ProgressCaptionBlinksFromTheBatchStart) {
    TCreateState& s = Make();
    s.SpinUp(1);
    const double step = 1.0 / 100000.0;  // 0.864 s in days
    struct Case {
        double steps;
        bool shown;
    };
    const Case cases[] = {{0.0, false}, {0.4, false}, {0.6, true},
                          {1.0, true},  {2.0, false}, {3.0, true}};
    std::vector<bool> shown;
    const double start = now;
    std::size_t next = 0;
    TBatchHooks hooks;
    hooks.Poll = [&] {
        if (next == std::size(cases)) return;
        now = start + cases[next++].steps * step;
        shown.push_back(std::string(s.ProgressCaption()) == kCreatingCaption);
    };
    s.Create(hooks);
    ASSERT_EQ(shown.size(), std::size(cases));
    for (std::size_t i = 0; i < shown.size(); ++i)
        EXPECT_EQ(shown[i], cases[i].shown) << cases[i].steps;
}

TEST_F(CreateState, SelectionFollowsClicksLevelsAndClear) {
    Store(5);  // levels 1..5 in slots 1..5
    TCreateState& s = Make();
    EXPECT_FALSE(s.CellClick(6));  // beyond the last puzzle
    EXPECT_FALSE(s.SelectionButtonsEnabled());
    // A damaged Id keeps its slot, and the player can still select it to delete it.
    Lib().Info(5).Id = -5;
    EXPECT_TRUE(s.CellClick(5));
    s.CellClick(5);

    s.CellClick(2);
    s.CellClick(2);
    EXPECT_FALSE(s.Selected(2));
    EXPECT_FALSE(s.SelectionButtonsEnabled());

    s.SelectLevel(1);
    s.SelectLevel(3);
    EXPECT_TRUE(s.Selected(1));
    EXPECT_TRUE(s.Selected(3));
    EXPECT_EQ(s.SelectedCount(), 2);
    EXPECT_TRUE(s.SelectionButtonsEnabled());

    // Showing the screen again keeps the selection.
    s.Refresh();
    EXPECT_EQ(s.SelectedCount(), 2);
    EXPECT_TRUE(s.Cell(3).Selected);

    s.ClearSelection();
    EXPECT_EQ(s.SelectedCount(), 0);
    EXPECT_FALSE(s.Cell(1).Selected);
    EXPECT_FALSE(s.SelectionButtonsEnabled());
}

TEST_F(CreateState, DeletingPuzzlesTwoAndFourOfFive) {
    const TPuzzleSize sizes[5] = {TPuzzleSize::Mini, TPuzzleSize::Small, TPuzzleSize::Medium,
                                  TPuzzleSize::Large, TPuzzleSize::Small};
    const int levels[5] = {2, 5, 4, 1, 2};
    for (int i = 0; i < 5; ++i) {
        TPuzzleGrid grid = test::SampleGrid(sizes[i], 1 + i, 9 - i);
        AppendPuzzle(Lib(), file->Settings.LastPuzzleId, grid, sizes[i], levels[i]);
    }
    const auto before = std::make_unique<TPuzzleLibrary>(Lib());
    TCreateState& s = Make();
    s.CellClick(2);
    s.CellClick(4);

    messages.Answers = {kResultCancel, kResultOk};
    EXPECT_FALSE(s.DeleteClick());
    EXPECT_EQ(std::memcmp(&Lib(), before.get(), sizeof Lib()), 0);
    EXPECT_EQ(s.SelectedCount(), 2);

    EXPECT_TRUE(s.DeleteClick());
    EXPECT_EQ(messages.Shown, (std::vector<std::string>(2, DeleteQuestionText(2))));
    const int kept[3] = {1, 3, 5};
    for (int i = 0; i < 3; ++i) {
        const int from = kept[i];
        EXPECT_EQ(Lib().Info(i + 1).Id, before->Info(from).Id);
        EXPECT_EQ(Lib().Info(i + 1).Size, before->Info(from).Size);
        EXPECT_EQ(Lib().Info(i + 1).Difficulty, before->Info(from).Difficulty);
        EXPECT_EQ(std::memcmp(&Lib().Grid(i + 1), &before->Grid(from), sizeof(TPuzzleGrid)), 0);
    }
    EXPECT_EQ(Lib().Info(4).Id, 0);
    EXPECT_EQ(Lib().Info(5).Id, 0);
    EXPECT_EQ(Lib().Counts.Total, 3);
    const int byLevel[5] = {0, 2, 0, 1, 0};
    for (int d = 0; d < 5; ++d) EXPECT_EQ(Lib().Counts.ByDifficulty[d], byLevel[d]) << d + 1;
    EXPECT_EQ(s.ExistText(0), "3");
    EXPECT_EQ(s.SelectedCount(), 0);
    EXPECT_FALSE(s.Selected(2));
    EXPECT_FALSE(s.SelectionButtonsEnabled());
}

// The last stored puzzle, of a short list, of a full library, and the only one.
TEST_F(CreateState, DeletingTheLastStoredPuzzleEmptiesItsSlot) {
    for (const int stored : {5, 100, 1}) {
        SetUp();
        Store(stored);
        TCreateState& s = Make();
        s.CellClick(stored);
        messages.Answers = {kResultOk};
        EXPECT_TRUE(s.DeleteClick());
        EXPECT_EQ(Lib().Counts.Total, stored - 1) << stored;
        EXPECT_EQ(Lib().Info(stored).Id, 0) << stored;
        EXPECT_EQ(s.Cell(stored).Id, 0) << stored;
        if (stored > 1) {
            EXPECT_EQ(Lib().Info(stored - 1).Id, stored - 1) << stored;
        }
        int byLevel = 0;
        for (const int n : Lib().Counts.ByDifficulty) byLevel += n;
        EXPECT_EQ(byLevel, stored - 1) << stored;
        EXPECT_EQ(s.ExistText(0), std::to_string(stored - 1));
        // The freed slot takes the next puzzle made.
        s.SpinUp(1);
        s.Create({});
        EXPECT_EQ(Lib().Info(stored).Id, stored + 1) << stored;
        EXPECT_FALSE(s.Cell(stored).Selected) << stored;
    }
}

TEST_F(CreateState, AllOnAnEmptyLibraryEnablesButtonsAndDeletesNothing) {
    TCreateState& s = Make();
    s.SelectAll();
    EXPECT_TRUE(s.SelectionButtonsEnabled());
    EXPECT_TRUE(s.DeleteClick());
    EXPECT_EQ(messages.Shown, std::vector<std::string>{DeleteQuestionText(0)});
    EXPECT_EQ(Lib().Counts.Total, 0);
    EXPECT_FALSE(s.SelectionButtonsEnabled());
    // A puzzle made afterwards is not selected.
    s.SpinUp(1);
    s.Create({});
    EXPECT_EQ(s.SelectedCount(), 0);
    EXPECT_FALSE(s.Cell(1).Selected);
}

TEST_F(CreateState, ListFontFallsUntilEveryNumberFits) {
    Store(100, TPuzzleSize::Mini);
    TCreateState& s = Make();
    struct Case {
        int colWidth;
        int rowHeight;
        int level;
    };
    // The recording canvas measures 7 pixels a digit and 13 a line; a Mini box keeps half of its
    // cell less a pixel, and "100" is 21 pixels wide.
    const Case cases[] = {{60, 40, 4}, {44, 30, 4}, {40, 30, 1}, {60, 25, 4}, {60, 24, 1}};
    for (const Case& c : cases) {
        TRecordingCanvas canvas;
        s.ResetListFont();
        s.DrawList(canvas, c.colWidth, c.rowHeight, kSilver);
        EXPECT_EQ(s.ListFontLevel(), c.level) << c.colWidth << " x " << c.rowHeight;
        const std::vector<test::TCanvasCall> texts = canvas.Of(TCanvasOp::TextRect);
        ASSERT_FALSE(texts.empty());
        // The last full pass draws every number in the final font.
        const std::vector<test::TCanvasCall> last(texts.end() - 100, texts.end());
        for (const test::TCanvasCall& t : last)
            EXPECT_EQ(t.FontPoints, ListFont(c.level).Points) << t.Text;
    }
}

TEST_F(CreateState, LayoutKeepsThePanelsBesideTheList) {
    struct Case {
        int width;
        int height;
        int rowHeight;
    };
    const Case cases[] = {{792, 513, 23}, {1000, 850, 39}, {1260, 851, 40}, {1260, 871, 40}};
    for (const Case& c : cases) {
        const TCreateLayout l = LayoutCreate(c.width, c.height, TCreateMetrics{});
        EXPECT_EQ(l.RowHeight, c.rowHeight) << c.width << " x " << c.height;
        EXPECT_LE(std::abs(l.Puzzles.Top - (c.height - l.Puzzles.Bottom)), 1);
        EXPECT_LE(l.Puzzles.Right, l.PanelCreate.Left);
        EXPECT_LE(l.PanelCreate.Bottom, l.PanelDelete.Top);
        EXPECT_LE(l.PanelDelete.Bottom, c.height);
        EXPECT_LE(l.PanelCreate.Right, c.width);
        // Controls stay inside their panels.
        for (const TRect& r : {l.CreateButton, l.SizeRadios[2], l.CreateCounts[0]}) {
            EXPECT_LE(r.Right, l.PanelCreate.Width());
            EXPECT_LE(r.Bottom, l.PanelCreate.Height());
        }
        for (const TRect& r : {l.PrintOptions, l.SelectAll, l.Stop}) {
            EXPECT_LE(r.Right, l.PanelDelete.Width());
            EXPECT_LE(r.Bottom, l.PanelDelete.Height());
        }
    }
}

}  // namespace
}  // namespace xs
