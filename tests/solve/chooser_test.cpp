// Tests of the puzzle chooser: list cells, slot choice, description and page layout.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <utility>

#include "font_canvas.h"
#include "model/slot_check.h"
#include "solve/chooser.h"
#include "support/recording_canvas.h"
#include "support/sample_puzzles.h"

namespace xs {
namespace {

using test::TCanvasOp;
using test::TFontSizedCanvas;
using test::TRecordingCanvas;

constexpr TColor kFace{0xF0F0F0};

// The library is large: keep it off the stack.
struct TLibraryFixture : ::testing::Test {
    std::unique_ptr<TPuzzleLibrary> Lib = std::make_unique<TPuzzleLibrary>();
    std::int32_t LastId = 0;
    int Add(TPuzzleSize size, int difficulty) {
        return test::AddSamplePuzzle(*Lib, LastId, size, difficulty);
    }
};

// Draws every cell the way the list repaints: a cell that lowers the level stops the pass and
// the whole list is drawn again. Returns the passes made.
int PaintList(TRecordingCanvas& canvas, const TPuzzleLibrary& lib, int colWidth, int rowHeight,
              int& level) {
    for (int pass = 1; pass <= 8; ++pass) {
        canvas.Calls.clear();
        bool complete = true;
        for (int slot = 1; slot <= MaxPuzzles && complete; ++slot)
            complete = DrawListCell(canvas, ListCellRect(slot, colWidth, rowHeight),
                                    ListCellFor(lib, slot, false), level, kFace);
        if (complete) return pass;
    }
    return 0;
}

using ListCell = TLibraryFixture;

TEST_F(ListCell, FontLevelSettlesOnTheLargestAtWhichEveryIdFits) {
    // Large puzzles: the box is the cell less a pixel all round. Ids reach 100, three digits:
    // 21, 15, 12 and 9 pixels wide at levels 4..1 on this canvas; lines less the pixel the fit
    // test allows are 12, 10, 10 and 9 high.
    for (int i = 0; i < MaxPuzzles; ++i) Add(TPuzzleSize::Large, 1 + i % 5);
    struct TCase {
        int ColWidth, RowHeight, Level;
    };
    const TCase cases[] = {
        {23, 20, 4}, {22, 20, 3}, {17, 20, 3}, {16, 20, 2}, {14, 20, 2},
        {13, 20, 1}, {40, 14, 4}, {40, 13, 3}, {40, 12, 3}, {40, 11, 1},
    };
    for (const TCase& tc : cases) {
        TFontSizedCanvas canvas;
        int level = kListFontTop;
        EXPECT_GT(PaintList(canvas, *Lib, tc.ColWidth, tc.RowHeight, level), 0);
        EXPECT_EQ(level, tc.Level) << tc.ColWidth << "x" << tc.RowHeight;
        EXPECT_EQ(canvas.Texts().size(), 100u) << "the last pass draws every id";
    }
    // A bigger window lays the list out again from the top level, and it stays there.
    TFontSizedCanvas canvas;
    int level = kListFontTop;
    EXPECT_EQ(PaintList(canvas, *Lib, 40, 30, level), 1);
    EXPECT_EQ(level, kListFontTop);
}

TEST(ListBox, SizeGivesTheInsetOfTheBox) {
    struct TCase {
        int Size;
        TRect Box;
    };
    const TRect cell{100, 200, 164, 232};  // 64 x 32
    const TCase cases[] = {
        {static_cast<int>(TPuzzleSize::Small), {113, 207, 151, 225}},
        {static_cast<int>(TPuzzleSize::Medium), {106, 204, 158, 228}},
        {static_cast<int>(TPuzzleSize::Large), {101, 201, 163, 231}},
        {static_cast<int>(TPuzzleSize::Mini), {116, 208, 148, 223}},
        {9, {101, 201, 163, 231}},  // damaged size code
    };
    for (const TCase& tc : cases) EXPECT_EQ(ListBox(cell, tc.Size), tc.Box) << tc.Size;
}

TEST_F(ListCell, BoxTakesTheStarColoursAndTheSelectedCellItsRedFrame) {
    const int slot = Add(TPuzzleSize::Medium, 4);
    const TRect cell = ListCellRect(slot, 60, 30);
    for (const bool selected : {false, true}) {
        TRecordingCanvas canvas;
        int level = kListFontTop;
        ASSERT_TRUE(DrawListCell(canvas, cell, ListCellFor(*Lib, slot, selected), level, kFace));
        const auto text = canvas.Of(TCanvasOp::TextRect).at(0);
        EXPECT_TRUE(text.Bold);
        int red = 0;
        for (const auto& frame : canvas.Of(TCanvasOp::FrameRect)) {
            if (frame.Pen != kRed) continue;
            EXPECT_EQ(frame.Rect, (TRect{cell.Left + red, cell.Top + red, cell.Right - red,
                                         cell.Bottom - red}));
            ++red;
        }
        EXPECT_EQ(red, selected ? 3 : 0);
    }
}

TEST_F(ListCell, EmptyAndDamagedSlots) {
    const int good = Add(TPuzzleSize::Small, 2);
    const int bad = Add(TPuzzleSize::Small, 3);
    Lib->Grid(bad).Sq[0][0].Kind = White;  // damaged: the border must be black
    Lib->Info(good + 2).Id = 77;           // beyond the stored count: not a puzzle
    struct TCase {
        int Slot;
        size_t Texts;
        TColor Fill;
    };
    for (const TCase& tc : {TCase{good, 1, TColor{0x9DCEFF}}, TCase{bad, 1, kSilver},
                            TCase{good + 2, 0, kFace}, TCase{good + 3, 0, kFace}}) {
        TRecordingCanvas canvas;
        int level = kListFontTop;
        EXPECT_TRUE(
            DrawListCell(canvas, {0, 0, 60, 30}, ListCellFor(*Lib, tc.Slot, true), level, kFace));
        EXPECT_EQ(canvas.Texts().size(), tc.Texts) << tc.Slot;
        EXPECT_EQ(canvas.Calls.back().Op == TCanvasOp::FillRect, tc.Texts == 0) << tc.Slot;
        if (tc.Texts > 0) {
            EXPECT_EQ(canvas.Of(TCanvasOp::TextRect)[0].Brush, tc.Fill);
        }
    }
}

TEST_F(ListCell, ASolvedPuzzleShowsATickInTheTopRightCornerInsideTheRedFrame) {
    const int solved = Add(TPuzzleSize::Small, 5);
    const int nearly = Add(TPuzzleSize::Small, 5);
    for (int r = 1; r <= 2; ++r) {
        for (int c = 1; c <= 2; ++c) {
            TSquare& a = Lib->Grid(solved).Sq[r][c];
            a.Entry = static_cast<std::uint8_t>(a.Answer());
            if (r + c < 4) Lib->Grid(nearly).Sq[r][c].Entry = a.Entry;
        }
    }
    for (const auto& [slot, ticks] : {std::pair{solved, 1u}, std::pair{nearly, 0u}}) {
        TRecordingCanvas canvas;
        int level = kListFontTop;
        DrawListCell(canvas, {0, 0, 60, 30}, ListCellFor(*Lib, slot, true), level, kFace);
        const auto polygons = canvas.Of(TCanvasOp::Polygon);
        ASSERT_EQ(polygons.size(), ticks) << slot;
        for (const auto& tick : polygons) {
            EXPECT_EQ(tick.Brush, TColor{0x00A000});
            for (const TPoint p : tick.Points) {
                EXPECT_TRUE(p.X >= 44 && p.X < 57 && p.Y >= 3 && p.Y < 15) << p.X << "," << p.Y;
            }
        }
    }
}

TEST(ListSlot, PointsMapToSlotsLeftToRightThenDown) {
    struct TCase {
        int X, Y, Slot;
    };
    // Cells of 40 x 20 with a grid line of 1 after each.
    const TCase cases[] = {
        {0, 0, 1},       {40, 20, 1},    {41, 0, 2},      {4 * 41, 0, 5}, {0, 21, 6},
        {204, 419, 100}, {5 * 41, 0, 0}, {0, 20 * 21, 0}, {-1, 0, 0},     {0, -1, 0},
    };
    for (const TCase& tc : cases)
        EXPECT_EQ(ListSlotAt(tc.X, tc.Y, 40, 20), tc.Slot) << tc.X << "," << tc.Y;
    for (const int slot : {1, 7, 100}) {
        const TRect r = ListCellRect(slot, 40, 20);
        EXPECT_EQ(ListSlotAt(r.Left, r.Top, 40, 20), slot);
        EXPECT_EQ(ListSlotAt(r.Right, r.Bottom, 40, 20), slot);
    }
}

using Chooser = TLibraryFixture;

TEST_F(Chooser, OpensOnTheLastChosenPuzzleWhereverItMovedElseSlotOne) {
    for (int i = 0; i < 4; ++i) Add(TPuzzleSize::Mini, 1);
    bool remove[MaxPuzzles] = {};
    remove[0] = true;  // Ids 2, 3, 4 move to slots 1..3
    CompactLibrary(*Lib, remove);
    struct TCase {
        std::int32_t Id;
        int Slot;
    };
    for (const TCase& tc : {TCase{4, 3}, TCase{2, 1}, TCase{1, 1}, TCase{0, 1}, TCase{99, 1}})
        EXPECT_EQ(ChooserStartSlot(*Lib, tc.Id), tc.Slot) << tc.Id;
}

TEST_F(Chooser, PressingPicksFilledSlotsAndNeverLoadsADamagedOne) {
    const int medium = Add(TPuzzleSize::Medium, 3);
    const int damaged = Add(TPuzzleSize::Small, 1);
    Lib->Info(damaged).Difficulty = 9;
    Lib->Info(damaged + 1) = Lib->Info(medium);  // a stray index record beyond the count
    auto work = std::make_unique<TWorkingCopy>();
    std::int32_t currentId = 0;

    EXPECT_EQ(PickSlot(*Lib, medium, *work, currentId), TChooserPick::Loaded);
    EXPECT_EQ(work->CurrentSlot, medium);
    EXPECT_EQ(currentId, Lib->Info(medium).Id);
    EXPECT_EQ(work->PuzzleDims.LastRow, 11);
    EXPECT_FALSE(IsModified(*Lib, medium, *work));

    const TPuzzleGrid before = work->CurrentPuzzle;
    for (const int empty : {damaged + 1, 0, 101}) {
        EXPECT_EQ(PickSlot(*Lib, empty, *work, currentId), TChooserPick::Ignored);
        EXPECT_EQ(work->CurrentSlot, medium);
    }
    EXPECT_EQ(PickSlot(*Lib, damaged, *work, currentId), TChooserPick::Damaged);
    EXPECT_EQ(work->CurrentSlot, damaged);
    EXPECT_EQ(currentId, Lib->Info(damaged).Id);
    EXPECT_EQ(std::memcmp(&before, &work->CurrentPuzzle, sizeof before), 0);
    EXPECT_EQ(work->PuzzleDims.LastRow, 11);
}

TEST_F(Chooser, DescriptionNamesIdSizeAndStars) {
    for (int i = 0; i < 6; ++i) Add(TPuzzleSize::Large, 1);
    const int slot = Add(TPuzzleSize::Small, 2);
    ASSERT_EQ(Lib->Info(slot).Id, 7);
    const TDescription d = DescribeSlot(*Lib, slot);
    EXPECT_EQ(d.Caption, " Puzzle Id : 7           Size : 10 x 16            Difficulty : 2 Star");
    EXPECT_EQ(d.Colours.Fill, TColor{0x9DCEFF});

    Lib->Info(slot).Size = 7;
    EXPECT_EQ(DescribeSlot(*Lib, slot).Colours.Fill, kSilver);
    EXPECT_EQ(DescribeSlot(*Lib, slot + 1).Caption, kNoPuzzlesText);
}

TEST(ChooserLayout, PageFitsAtEveryWindowSizeWithFiveEqualGaps) {
    const TChooserMetrics m;
    struct TCase {
        int W, H;
    };
    for (const TCase& tc :
         {TCase{792, 513}, TCase{1024, 700}, TCase{1260, 900}, TCase{1900, 1000}}) {
        for (const int size : {0, 1, 2, 3}) {
            TPuzzleDims dims{};
            SetPuzzleDims(dims, size);
            const TChooserLayout p = LayoutChooser(tc.W, tc.H, dims, true, m);
            const TRect page{0, 0, tc.W, tc.H};
            const TRect all[] = {p.Puzzles, p.Legend, p.Instruct, p.Preview,
                                 p.Details, p.Print,  p.Solve};
            for (const TRect& r : all)
                EXPECT_TRUE(r.Left >= 0 && r.Right <= page.Right && r.Top >= 0 &&
                            r.Bottom <= page.Bottom)
                    << tc.W << "x" << tc.H << " size " << size;
            EXPECT_EQ(p.Details.Top, p.Preview.Bottom - 2);
            EXPECT_GE(p.Preview.Left, p.Puzzles.Right);
            const int gap = p.Legend.Top;
            EXPECT_EQ(p.Instruct.Top - p.Legend.Bottom, gap);
            EXPECT_EQ(p.Preview.Top - p.Instruct.Bottom, gap);
            EXPECT_EQ(p.Print.Top - p.Details.Bottom, gap);
            EXPECT_LE(std::abs(tc.H - p.Print.Bottom - gap), 4);
        }
    }
}

}  // namespace
}  // namespace xs
