// The print panel without widgets: the check box pairs and the stored options, paging through
// the plan, the preview held back while printing, the layout; the solve screen's print question.
#include "manage/print_panel_state.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "manage/single_print.h"
#include "support/recording_canvas.h"
#include "support/sample_puzzles.h"
#include "support/scripted_messages.h"

namespace xs {
namespace {

using enum TPuzzleSize;
using enum TPrintBox;

struct PrintPanel : ::testing::Test {
    std::unique_ptr<TDataFileRecord> file = std::make_unique<TDataFileRecord>();
    TSelection selected{};
    TPrintPanelState state{file->Settings, file->Library};

    void Store(TPuzzleSize size) {
        const int slot = test::AddSamplePuzzle(file->Library, file->Settings.LastPuzzleId, size, 1);
        selected[slot - 1] = true;
    }
    std::vector<bool> Boxes() const {
        return {state.Checked(Puzzles1), state.Checked(Puzzles2), state.Checked(Answers1),
                state.Checked(Answers2)};
    }
};

TEST_F(PrintPanel, OpeningChecksTheStoredChoicesOrTheLargePuzzles) {
    struct Case {
        int Puzzles, Answers;
        std::vector<bool> Boxes;
        int StoredPuzzles;
    };
    const Case cases[] = {{0, 0, {true, false, false, false}, 1},
                          {7, -1, {true, false, false, false}, 1},
                          {2, 1, {false, true, true, false}, 2},
                          {0, 2, {false, false, false, true}, 0}};
    Store(Mini);
    for (const Case& c : cases) {
        file->Settings.PrintPuzzles = c.Puzzles;
        file->Settings.PrintAnswers = c.Answers;
        state.Open(selected);
        EXPECT_EQ(Boxes(), c.Boxes) << c.Puzzles << " " << c.Answers;
        EXPECT_EQ(file->Settings.PrintPuzzles, c.StoredPuzzles);
        EXPECT_TRUE(state.PreviewVisible());
    }
}

TEST_F(PrintPanel, BoxesOfAPairExcludeEachOtherAndAreStored) {
    Store(Mini);
    file->Settings.PrintPuzzles = 1;
    state.Open(selected);
    struct Step {
        TPrintBox Box;
        bool Checked;
        std::vector<bool> Boxes;
        int Puzzles, Answers;
    };
    const Step steps[] = {
        {Puzzles2, true, {false, true, false, false}, 2, 0},
        {Answers1, true, {false, true, true, false}, 2, 1},
        {Answers2, true, {false, true, false, true}, 2, 2},
        {Puzzles1, true, {true, false, false, true}, 1, 2},
        {Answers2, false, {true, false, false, false}, 1, 0},
        {Puzzles1, false, {false, false, false, false}, 0, 0},
    };
    for (const Step& s : steps) {
        state.BoxClick(s.Box, s.Checked);
        EXPECT_EQ(Boxes(), s.Boxes) << static_cast<int>(s.Box);
        EXPECT_EQ(file->Settings.PrintPuzzles, s.Puzzles);
        EXPECT_EQ(file->Settings.PrintAnswers, s.Answers);
    }
    EXPECT_FALSE(state.PreviewVisible());
    EXPECT_EQ(state.Plan().PageCount, 0);
    EXPECT_EQ(state.Caption(), "");
    EXPECT_FALSE(state.NextEnabled());
    EXPECT_FALSE(state.PrevEnabled());
}

TEST_F(PrintPanel, PagesStepWithinThePlanAndEveryOptionChangeGoesBackToPageOne) {
    Store(Mini);
    Store(Medium);
    file->Settings.PrintPuzzles = 2;
    file->Settings.PrintAnswers = 1;
    file->Settings.PrintColors = 9;
    state.Open(selected);
    EXPECT_EQ(state.Colors(), 2);
    ASSERT_EQ(state.Plan().PageCount, 4);
    EXPECT_FALSE(state.PrevClick());
    const bool landscape[] = {true, false, true, false};
    for (int page = 1; page <= 4; ++page) {
        EXPECT_EQ(state.Page(), page);
        EXPECT_EQ(state.Landscape(), landscape[page - 1]);
        EXPECT_EQ(state.PrevEnabled(), page > 1);
        EXPECT_EQ(state.NextEnabled(), page < 4);
        EXPECT_EQ(state.NextClick(), page < 4);
    }
    EXPECT_EQ(state.Caption(), "Print Preview : Page 4 of 4");
    EXPECT_TRUE(state.PrevClick());
    EXPECT_EQ(state.Page(), 3);

    state.ColorClick(4);
    EXPECT_EQ(state.Page(), 1);
    EXPECT_EQ(file->Settings.PrintColors, 4);
    state.ColorClick(0);
    EXPECT_EQ(file->Settings.PrintColors, 4);
    state.NextClick();
    state.BoxClick(Answers1, false);
    EXPECT_EQ(state.Page(), 1);
    EXPECT_EQ(state.Caption(), "Print Preview : Page 1 of 2");
}

TEST_F(PrintPanel, PreviewDrawsNothingWhilePrinting) {
    Store(Small);
    state.Open(selected);
    test::TRecordingCanvas canvas;
    state.Printing = true;
    state.PaintPreview(canvas, 300, 200);
    EXPECT_TRUE(canvas.Calls.empty());
    state.Printing = false;
    state.PaintPreview(canvas, 300, 200);
    EXPECT_FALSE(canvas.Texts().empty());
}

TEST(PrintPanelLayout, PreviewKeepsThePageShapeAndTheRestStandsAroundIt) {
    struct Case {
        int Width, Height;
        bool Landscape;
    };
    const TPrintPanelMetrics m;
    for (const Case c : {Case{1000, 700, true}, Case{1000, 700, false}, Case{600, 900, true},
                         Case{600, 900, false}, Case{1600, 1000, false}}) {
        SCOPED_TRACE(testing::Message() << c.Width << "x" << c.Height << " " << c.Landscape);
        const TPrintPanelLayout l = LayoutPrintPanel(c.Width, c.Height, c.Landscape, m);
        const TRect& p = l.Preview;
        const int longSide = c.Landscape ? p.Width() : p.Height();
        const int shortSide = c.Landscape ? p.Height() : p.Width();
        EXPECT_EQ(shortSide, longSide * 85 / 110);
        const int fixed = l.Instruct.Height() + m.OptionHeight + m.CaptionHeight;
        EXPECT_EQ(longSide,
                  std::min(c.Height - fixed - 20, c.Width - 2 * m.PrevWidth - m.ReturnWidth - 20));
        // Prev, preview and Next as one row, centred when that leaves Return its room; the
        // buttons at the preview's middle.
        if ((c.Width - (l.Next.Right - l.Prev.Left)) / 2 >= m.ReturnWidth + 20) {
            EXPECT_LE(std::abs(l.Prev.Left - (c.Width - l.Next.Right)), 1);
        }
        EXPECT_EQ(l.Prev.Right, p.Left);
        EXPECT_EQ(l.Next.Left, p.Right);
        EXPECT_LE(std::abs(l.Prev.Top + l.Prev.Bottom - p.Top - p.Bottom), 1);
        // The caption directly above, as wide as the preview.
        EXPECT_EQ(l.PageNum.Bottom, p.Top);
        EXPECT_EQ(l.PageNum.Left, p.Left);
        EXPECT_EQ(l.PageNum.Right, p.Right);
        // Return ends with the preview, Print right above it, both right of Next.
        EXPECT_EQ(l.Return.Bottom, p.Bottom);
        EXPECT_EQ(l.Print.Bottom, l.Return.Top);
        EXPECT_GE(l.Return.Left, l.Next.Right);
        EXPECT_LE(l.Return.Right, c.Width);
        // The free height in three equal parts.
        const int above = l.Options[0].Top - l.Instruct.Bottom;
        EXPECT_EQ(l.PageNum.Top - l.Options[0].Bottom, above);
        EXPECT_LE(std::abs(c.Height - p.Bottom - above), 2);
        // Options in one row with equal gaps.
        EXPECT_EQ(l.Options[1].Left - l.Options[0].Right, l.Options[0].Left);
        EXPECT_EQ(l.Options[2].Left - l.Options[1].Right, l.Options[0].Left);
    }
}

// Remembers what the print question offered.
class TOfferedMessages : public test::TScriptedMessages {
public:
    int ShowOptions(const std::string& text, int count, const TOptionTexts& options, bool box,
                    bool cancel) override {
        Count = count;
        CheckBox = box;
        Cancel = cancel;
        return TScriptedMessages::ShowOptions(text, count, options, box, cancel);
    }
    int Count = 0;
    bool CheckBox = false;
    bool Cancel = false;
};

TEST(SinglePrint, QuestionOffersTheEntriesOnlyWhenThereAreSome) {
    struct Case {
        bool Entry;
        int Answer;
        bool Ticked;
        bool Asked;  // a choice comes back
        TSinglePrint How;
        bool CurrentState;
    };
    const Case cases[] = {
        {false, 10, true, true, TSinglePrint::PuzzleOnly, false},
        {true, 20, true, true, TSinglePrint::PuzzleAndAnswer, true},
        {true, 30, false, true, TSinglePrint::SeparatePages, false},
        {true, kResultCancel, true, false, TSinglePrint::PuzzleOnly, false},
    };
    for (const Case& c : cases) {
        auto file = std::make_unique<TDataFileRecord>();
        const int slot =
            test::AddSamplePuzzle(file->Library, file->Settings.LastPuzzleId, Large, 2);
        auto work = std::make_unique<TWorkingCopy>();
        LoadSlot(file->Library, slot, *work);
        // The last square of a Large puzzle: an entry there counts.
        if (c.Entry) work->CurrentPuzzle.Sq[15][25].Entry = 4;
        file->Settings.PrintColors = 0;
        TOfferedMessages messages;
        messages.Answers = {c.Answer};
        messages.Print = c.Ticked;
        const auto choice = AskSinglePrint(messages, *work, file->Settings);
        EXPECT_EQ(messages.Count, 3);
        EXPECT_TRUE(messages.Cancel);
        EXPECT_EQ(messages.CheckBox, c.Entry);
        EXPECT_EQ(file->Settings.PrintColors, 2);
        ASSERT_EQ(choice.has_value(), c.Asked);
        if (choice) {
            EXPECT_EQ(choice->How, c.How);
            EXPECT_EQ(choice->CurrentState, c.CurrentState);
        }
    }
}

}  // namespace
}  // namespace xs
