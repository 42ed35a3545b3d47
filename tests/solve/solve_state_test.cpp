// The solving state: undo history, checks, whole-puzzle commands, modes and board input.
#include "solve/solve_state.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "support/sample_puzzles.h"
#include "support/scripted_messages.h"

namespace xs {
namespace {

constexpr int kW = 30;          // square size used by every press below
constexpr int kPitch = kW + 2;  // square plus grid line

struct TAt {
    int X, Y;
};

// A press on the pad digit d of square (r, c).
TAt Pad(int r, int c, int d) {
    return {kPitch * c + (d - 1) % 3 * 10 + 5, kPitch * r + (d - 1) / 3 * 10 + 5};
}
TAt Across(int r, int c) {
    return {kPitch * c + 20, kPitch * r + 5};
}

struct TCountingView : TSolveView {
    int Redraws = 0;
    int Repaints = 0;
    int Selections = 0;
    void RedrawSquare(int, int) override { ++Redraws; }
    void RepaintBoard() override { ++Repaints; }
    void SelectionChanged(int, int) override { ++Selections; }
};

struct SolveState : ::testing::Test {
    std::unique_ptr<TPuzzleLibrary> Lib = std::make_unique<TPuzzleLibrary>();
    std::unique_ptr<TWorkingCopy> Work = std::make_unique<TWorkingCopy>();
    test::TScriptedMessages Msgs;
    std::unique_ptr<TSolveState> State = std::make_unique<TSolveState>(*Lib, *Work, Msgs);
    TCountingView View;
    std::int32_t LastId = 0;

    // Starts solving a Mini puzzle whose 2 x 2 White block holds a b / c d.
    void Start(int a = 1, int b = 2, int c = 3, int d = 5) {
        Start(test::SampleGrid(TPuzzleSize::Mini, a, b, c, d));
    }
    void Start(const TPuzzleGrid& grid) {
        Work->CurrentSlot = AppendPuzzle(*Lib, LastId, grid, TPuzzleSize::Mini, 1);
        State->SetView(&View);
        ASSERT_TRUE(State->bnSolveClick());
    }
    void Press(TAt p, TMouseButton button = TMouseButton::Left) {
        State->dgGridMouseDown(p.X, p.Y, button, kW);
    }
    TSquare& Sq(int r, int c) { return Work->CurrentPuzzle.Sq[r][c]; }
    std::vector<int> Marks(int r, int c) {
        std::vector<int> out;
        for (int d = 1; d <= 9; ++d)
            if (Sq(r, c).IsPossible(d)) out.push_back(d);
        return out;
    }
    bool BoardIs(const TPuzzleGrid& g) const {
        return std::memcmp(&Work->CurrentPuzzle, &g, sizeof g) == 0;
    }
};

TEST_F(SolveState, UndoRingHoldsTheLast100StatesOnly) {
    Start();
    std::vector<TPuzzleGrid> states{Work->CurrentPuzzle};
    // 100 distinct changes: marks toggled on square by square, then off again.
    for (int i = 0; i < 100; ++i) {
        const int k = i % 36;
        Press(Pad(1 + k / 18, 1 + k / 9 % 2, 1 + k % 9), TMouseButton::Right);
        states.push_back(Work->CurrentPuzzle);
    }
    EXPECT_EQ(State->UndoPos(), 101);
    EXPECT_EQ(State->UndoLow(), 2);
    for (int pos = 100; pos >= 2; --pos) {
        State->bnUndoClick();
        ASSERT_TRUE(BoardIs(states[pos - 1])) << "undo to position " << pos;
    }
    EXPECT_FALSE(State->Buttons().bnUndo);
    State->bnUndoClick();  // the starting state is gone
    EXPECT_TRUE(BoardIs(states[1]));
}

TEST_F(SolveState, UndoAfterTheRingWrapsNeverReachesOverwrittenStates) {
    Start();
    std::vector<TPuzzleGrid> states{Work->CurrentPuzzle};  // states[p - 1]: position p
    const auto change = [&](int k) {
        Press(Pad(1 + k % 36 / 18, 1 + k % 36 / 9 % 2, 1 + k % 9), TMouseButton::Right);
        states.resize(State->UndoPos() - 1);
        states.push_back(Work->CurrentPuzzle);
    };
    for (int k = 0; k < 105; ++k) change(k);  // positions 1..106; 1..6 overwritten
    for (int i = 0; i < 3; ++i) State->bnUndoClick();
    change(40);  // position 104 again, with another board
    EXPECT_EQ(State->UndoLow(), 7);
    while (State->Buttons().bnUndo) {
        State->bnUndoClick();
        ASSERT_TRUE(BoardIs(states[State->UndoPos() - 1])) << State->UndoPos();
    }
    EXPECT_EQ(State->UndoPos(), 7);
}

TEST_F(SolveState, SaveThenChangesThenResetGivesBackTheSavedBoard) {
    Start();
    Press(Pad(1, 1, 1));
    Press(Pad(2, 2, 7), TMouseButton::Right);
    State->bnSaveClick(false);
    EXPECT_FALSE(State->Buttons().bnUndo);  // the history starts again at the saved board
    const TPuzzleGrid saved = Work->CurrentPuzzle;
    Press(Pad(1, 2, 9));
    Press(Pad(2, 2, 7), TMouseButton::Right);
    State->bnCheckClick();
    State->bnResetClick(false);
    EXPECT_TRUE(BoardIs(saved));
    EXPECT_FALSE(State->Buttons().bnUndo);
    EXPECT_FALSE(State->ChecksShown());
    EXPECT_EQ(State->Checks().EntryCheck[1][1], 0);
    EXPECT_FALSE(State->PuzzleModified());
}

TEST_F(SolveState, CheckColoursEntriesAndPadsApart) {
    Start();                                   // answers 1 2 / 3 5
    Press(Pad(1, 1, 1));                       // right entry
    Press(Pad(1, 2, 9));                       // wrong entry
    Press(Pad(2, 1, 3), TMouseButton::Right);  // marks hold the answer 3
    Press(Pad(2, 2, 4), TMouseButton::Right);  // marks miss the answer 5
    State->bnCheckClick();
    const auto& ck = State->Checks();
    const int expected[4][2] = {{2, 0}, {1, 0}, {0, 2}, {0, 1}};  // {EntryCheck, PossibleCheck}
    for (int i = 0; i < 4; ++i) {
        const int r = 1 + i / 2;
        const int c = 1 + i % 2;
        EXPECT_EQ(ck.EntryCheck[r][c], expected[i][0]) << r << "," << c;
        EXPECT_EQ(ck.PossibleCheck[r][c], expected[i][1]) << r << "," << c;
    }
    EXPECT_FALSE(State->Buttons().bnCheck);
    // Undo takes the colours off before it restores.
    State->bnUndoClick();
    EXPECT_FALSE(State->ChecksShown());
    EXPECT_EQ(State->Checks().EntryCheck[1][2], 0);
    EXPECT_TRUE(Marks(2, 2).empty());
    EXPECT_TRUE(State->Buttons().bnCheck);
}

TEST_F(SolveState, TheLastEntryColoursTheWholeBoard) {
    Start();  // answers 1 2 / 3 5
    Press(Pad(1, 1, 1));
    Press(Pad(1, 2, 2));
    Press(Pad(2, 1, 3));
    EXPECT_EQ(State->Checks().EntryCheck[1][1], 0);
    Press(Pad(2, 2, 6));
    EXPECT_EQ(State->Checks().EntryCheck[1][1], 2);
    EXPECT_EQ(State->Checks().EntryCheck[2][1], 2);
    EXPECT_EQ(State->Checks().EntryCheck[2][2], 1);
    // The next press on the board takes the colours off again.
    Press(Pad(2, 2, 1), TMouseButton::Middle);
    EXPECT_EQ(State->Checks().EntryCheck[1][1], 0);
    EXPECT_EQ(Sq(2, 2).Entry, 6);
}

TEST_F(SolveState, SolvedOnlyWhileEveryEntryIsRightByPressDragOrUndo) {
    struct TSolvedView : TSolveView {
        int Changes = 0;
        void SolvedChanged() override { ++Changes; }
    } view;
    Start();
    State->SetView(&view);
    Press(Pad(1, 1, 1));
    Press(Pad(1, 2, 2));
    Press(Pad(2, 1, 3));
    Press(Pad(2, 2, 6));  // wrong
    EXPECT_FALSE(State->Solved());
    Press(Pad(2, 2, 6));
    Press(Pad(2, 2, 5));
    EXPECT_TRUE(State->Solved());
    State->bnUndoClick();
    EXPECT_FALSE(State->Solved());
    State->rbModeClick(TSolveMode::Fill);
    State->dgGridMouseDown(Pad(2, 2, 1).X, Pad(2, 2, 1).Y, TMouseButton::Left, kW);
    EXPECT_TRUE(State->Solved());
    EXPECT_EQ(view.Changes, 3);

    // Saved, and opened again, it says only that it is solved.
    State->rbModeClick(TSolveMode::Solve);
    EXPECT_FALSE(State->SolvedAndSaved());
    State->bnSaveClick(false);
    EXPECT_TRUE(State->SolvedAndSaved());
    EXPECT_EQ(view.Changes, 4);
    State->bnReturnClick();
    ASSERT_TRUE(State->bnSolveClick());
    EXPECT_TRUE(State->SolvedAndSaved());
    for (const std::string_view line : SolvedLines(State->SolvedAndSaved()))
        EXPECT_EQ(line.find("Save"), std::string_view::npos) << line;
}

TEST_F(SolveState, FillAllReplacesWrongEntriesAsOneStep) {
    Start();
    Press(Pad(1, 1, 9));
    Press(Pad(2, 2, 8));
    const TPuzzleGrid before = Work->CurrentPuzzle;
    State->bnFillClick();
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Sq(1 + i / 2, 1 + i % 2).Entry, Sq(1 + i / 2, 1 + i % 2).Answer());
    EXPECT_EQ(State->Checks().EntryCheck[2][2], 2);
    const TSolveButtons& b = State->Buttons();
    EXPECT_FALSE(b.bnFill);
    EXPECT_FALSE(b.sbFiller);
    EXPECT_FALSE(b.bnCheck);
    State->bnUndoClick();
    EXPECT_TRUE(BoardIs(before));
}

// The first puzzle is left coloured and unchanged since its save, so nothing on the way out
// takes its colours off: the next puzzle must start without them.
TEST_F(SolveState, NextPuzzleOfTheSessionStartsWithoutTheColoursOfTheLast) {
    Start();
    Press(Pad(2, 2, 4), TMouseButton::Right);
    State->bnFillClick();
    State->bnSaveClick(false);
    State->bnCheckClick();
    ASSERT_EQ(State->Checks().EntryCheck[1][1], 2);
    ASSERT_EQ(State->Checks().PossibleCheck[2][2], 0);
    State->bnReturnClick();
    ASSERT_EQ(Msgs.Shown.size(), 1u);  // only Fill All asked

    Start(test::SampleGrid(TPuzzleSize::Small, 4, 1, 2, 3));
    EXPECT_FALSE(State->ChecksShown());
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 15; ++c) {
            EXPECT_EQ(State->Checks().EntryCheck[r][c], 0) << r << "," << c;
            EXPECT_EQ(State->Checks().PossibleCheck[r][c], 0) << r << "," << c;
        }
    }
    EXPECT_TRUE(State->Buttons().bnFill);
}

TEST_F(SolveState, CancelChangesNothing) {
    const std::pair<const char*, std::function<void(TSolveState&)>> cases[] = {
        {"fill", [](TSolveState& s) { s.bnFillClick(); }},
        {"erase", [](TSolveState& s) { s.bnClearClick(); }},
        {"save", [](TSolveState& s) { s.bnSaveClick(true); }},
        {"reset", [](TSolveState& s) { s.bnResetClick(true); }}};
    for (const auto& [name, command] : cases) {
        SCOPED_TRACE(name);
        Start();
        Press(Pad(1, 1, 9));
        Press(Pad(1, 2, 4), TMouseButton::Right);
        State->bnCheckClick();
        const TPuzzleGrid board = Work->CurrentPuzzle;
        const TPuzzleGrid slot = Lib->Grid(Work->CurrentSlot);
        const int pos = State->UndoPos();
        Msgs.Shown.clear();
        Msgs.Answers = {kResultCancel};
        command(*State);
        ASSERT_EQ(Msgs.Shown.size(), 1u);
        EXPECT_TRUE(BoardIs(board));
        EXPECT_EQ(std::memcmp(&slot, &Lib->Grid(Work->CurrentSlot), sizeof slot), 0);
        EXPECT_EQ(State->UndoPos(), pos);
        EXPECT_TRUE(State->ChecksShown());
        EXPECT_EQ(State->Checks().EntryCheck[1][1], 1);
    }
}

TEST_F(SolveState, PadHitTestSplitsTheSquareInThirds) {
    // w = 30: t = 10; the bands are 0..9, 10..19, 20..29.
    const struct {
        int X, Y, Digit;
    } cases[] = {{9, 2, 1},  {10, 2, 2},  {20, 2, 3}, {0, 9, 1},
                 {0, 10, 4}, {29, 20, 9}, {31, 31, 9}};
    for (const auto& tc : cases)
        EXPECT_EQ(PadDigitAt(tc.X, tc.Y, kW), tc.Digit) << tc.X << "," << tc.Y;
    Start();
    for (const auto& tc : cases) {
        State->dgGridMouseDown(kPitch + tc.X, kPitch + tc.Y, TMouseButton::Left, kW);
        EXPECT_EQ(Sq(1, 1).Entry, tc.Digit) << tc.X << "," << tc.Y;
        Press(Pad(1, 1, 5));  // any pad cell removes the entry
        EXPECT_EQ(Sq(1, 1).Entry, 0);
    }
}

TEST_F(SolveState, RightPressOnAnEntryOnlyClearsChecks) {
    Start();
    Press(Pad(1, 1, 4));
    State->bnCheckClick();
    const int pos = State->UndoPos();
    Press(Pad(1, 1, 2), TMouseButton::Right);
    EXPECT_EQ(Sq(1, 1).Entry, 4);
    EXPECT_TRUE(Marks(1, 1).empty());
    EXPECT_FALSE(State->ChecksShown());
    EXPECT_EQ(State->UndoPos(), pos);
}

TEST_F(SolveState, ClueClickNarrowsTheRunAndPlacesSingleMarks) {
    Start(3, 7, 1, 2);  // row 1: across 10 over two squares
    Press(Pad(1, 1, 3));
    Press(Across(1, 0));
    EXPECT_EQ(Marks(1, 2), std::vector<int>{7});
    const TSelectedRun& sel = State->SelectedRun();
    EXPECT_EQ(sel.RunSquares, 2);
    EXPECT_EQ(sel.RunTotal, 10);
    EXPECT_EQ(sel.Placed[3], 1);
    EXPECT_EQ(sel.IsDown, 0);
    EXPECT_EQ(sel.ClueRow, 1);
    Press(Across(1, 0));
    EXPECT_EQ(Sq(1, 2).Entry, 7);
    // A single mark hidden under an entry replaces it at the next click.
    Sq(1, 2).Entry = 7;
    std::memset(Sq(1, 2).Possible, 0, 9);
    Sq(1, 2).Possible[4] = 1;
    Press(Across(1, 0));
    EXPECT_EQ(Sq(1, 2).Entry, 5);
}

// 7 in three squares is only 1 + 2 + 4. With one of them placed, the shorter run that is left
// (6 or 5 in two squares) still allows that digit, so only the placed digit itself keeps it off
// the other squares.
TEST_F(SolveState, ClueClickNeverOffersADigitAlreadyInItsRun) {
    TPuzzleGrid g = test::SampleGrid(TPuzzleSize::Mini, 1, 2, 3, 5);
    g.Sq[1][3].Kind = White;  // row 1 runs on: 1 2 4
    g.Sq[1][3].SetAnswer(4);
    g.Sq[1][0].AcrossSquares = 3;
    g.Sq[1][0].AcrossTotal = 7;
    g.Sq[0][3].DownSquares = 1;
    g.Sq[0][3].DownTotal = 4;
    const struct {
        int Col, Digit;
        std::vector<int> Others;
    } cases[] = {{1, 1, {2, 4}}, {2, 2, {1, 4}}, {3, 4, {1, 2}}};
    for (const auto& tc : cases) {
        Start(g);
        Press(Pad(1, tc.Col, tc.Digit));
        Press(Across(1, 0));
        for (int c = 1; c <= 3; ++c) {
            if (c != tc.Col) {
                EXPECT_EQ(Marks(1, c), tc.Others) << tc.Digit << " at " << c;
            }
        }
    }
}

TEST_F(SolveState, ClueClickOnAnEmptyRunMarksOrIntersects) {
    Start(3, 7, 1, 2);  // column 1: down 4 over two squares -> digits 1 and 3
    Press(Pad(2, 1, 3), TMouseButton::Right);
    Press(Pad(2, 1, 9), TMouseButton::Right);
    const int diagonal = kPitch + 7;  // x = y picks the down clue
    State->dgGridMouseDown(diagonal, 7, TMouseButton::Left, kW);
    EXPECT_EQ(Marks(1, 1), (std::vector<int>{1, 3}));
    EXPECT_EQ(Marks(2, 1), std::vector<int>{3});
    EXPECT_EQ(State->SelectedRun().IsDown, 1);
    EXPECT_EQ(State->SelectedRun().ClueCol, 1);
}

TEST_F(SolveState, ClueOfOneSquareNarrowsButSelectsNothing) {
    TPuzzleGrid g = test::SampleGrid(TPuzzleSize::Mini, 7, 2, 3, 5);
    // (1,1) alone: (1,2) and (2,1) turn Black, so both its runs are one square long.
    for (auto [r, c] : {std::pair{1, 2}, std::pair{2, 1}}) g.Sq[r][c] = g.Sq[0][0];
    g.Sq[1][0].AcrossSquares = 1;
    g.Sq[1][0].AcrossTotal = 7;
    g.Sq[0][1].DownSquares = 1;
    g.Sq[0][1].DownTotal = 7;
    g.Sq[2][0].AcrossSquares = 0;
    g.Sq[0][2].DownSquares = 0;
    g.Sq[2][1].AcrossSquares = 1;
    g.Sq[2][1].AcrossTotal = 5;
    g.Sq[1][2].DownSquares = 1;
    g.Sq[1][2].DownTotal = 5;
    Start(g);
    Press(Across(1, 0));
    EXPECT_EQ(Marks(1, 1), std::vector<int>{7});
    EXPECT_EQ(State->SelectedRun().RunSquares, -1);
    EXPECT_EQ(View.Selections, 1);  // only the one of bnSolveClick
}

TEST_F(SolveState, DragInEraseModeIsOneUndoStep) {
    Start();
    Press(Pad(1, 1, 1));
    Press(Pad(1, 2, 4));
    Press(Pad(2, 1, 6), TMouseButton::Right);
    const TPuzzleGrid before = Work->CurrentPuzzle;
    const int pos = State->UndoPos();
    State->rbModeClick(TSolveMode::Erase);
    EXPECT_FALSE(State->Buttons().UndoEnabled());
    EXPECT_TRUE(State->dgGridMouseDown(kPitch + 3, kPitch + 3, TMouseButton::Right, kW));
    EXPECT_EQ(Sq(1, 1).Entry, 0);
    EXPECT_TRUE(State->dgGridDragOver(2 * kPitch + 3, kPitch + 3, kW));
    EXPECT_FALSE(State->dgGridDragOver(3, kPitch + 3, kW));  // clue square
    EXPECT_TRUE(State->dgGridDragOver(kPitch + 3, 2 * kPitch + 3, kW));
    State->dgGridEndDrag();
    EXPECT_EQ(State->UndoPos(), pos);
    State->rbModeClick(TSolveMode::Solve);
    EXPECT_EQ(State->UndoPos(), pos + 1);
    EXPECT_TRUE(State->Buttons().UndoEnabled());
    State->bnUndoClick();
    EXPECT_TRUE(BoardIs(before));
}

// The seen part of the board runs from 48 to 80 both ways: square (1, 1) is seen from its
// 17th pixel, square (2, 2) up to its 16th.
TEST_F(SolveState, ADragFillsOnlySquaresWhereTheBoardIsSeen) {
    struct TCase {
        int X, Y;
        bool Accepted;
        int Row, Col;
    };
    const TCase cases[] = {
        {47, 52, false, 1, 1}, {48, 52, true, 1, 1},  {52, 47, false, 1, 1},
        {79, 70, true, 2, 2},  {80, 70, false, 2, 2}, {70, 80, false, 2, 2},
    };
    for (const TCase& k : cases) {
        SCOPED_TRACE(testing::Message() << k.X << ", " << k.Y);
        Start();
        State->SetSeenArea({48, 48, 80, 80});
        State->rbModeClick(TSolveMode::Fill);
        ASSERT_TRUE(State->dgGridMouseDown(2 * kPitch + 5, kPitch + 20, TMouseButton::Left, kW));
        EXPECT_EQ(Sq(1, 2).Entry, 2);
        EXPECT_EQ(State->dgGridDragOver(k.X, k.Y, kW), k.Accepted);
        EXPECT_EQ(Sq(k.Row, k.Col).Entry != 0, k.Accepted);
        State->dgGridEndDrag();
    }
}

TEST_F(SolveState, FillModePressOnTheLastSquareColoursTheBoard) {
    Start();
    Press(Pad(1, 1, 1));
    Press(Pad(1, 2, 2));
    Press(Pad(2, 1, 9));
    State->rbModeClick(TSolveMode::Fill);
    EXPECT_TRUE(State->dgGridMouseDown(2 * kPitch + 1, 2 * kPitch + 1, TMouseButton::Left, kW));
    EXPECT_EQ(Sq(2, 2).Entry, 5);
    EXPECT_EQ(State->Checks().EntryCheck[2][1], 1);
    EXPECT_EQ(State->Checks().EntryCheck[2][2], 2);
    // A press in Fill mode clears the colours but leaves the commands off.
    State->dgGridEndDrag();
    State->dgGridMouseDown(1, 1, TMouseButton::Left, kW);
    EXPECT_FALSE(State->ChecksShown());
    EXPECT_FALSE(State->Buttons().CheckEnabled());
    EXPECT_FALSE(State->Buttons().FileEnabled());
}

TEST_F(SolveState, PressesOutsideThePuzzleDoNothing) {
    Start();
    Press(Pad(1, 1, 9));
    State->bnCheckClick();
    const TPuzzleGrid before = Work->CurrentPuzzle;
    // Mini: rows 0..8, columns 0..12.
    const TAt outside[] = {{-1, kPitch},
                           {kPitch, -1},
                           {13 * kPitch, kPitch},
                           {kPitch, 9 * kPitch},
                           {1 << 30, 1 << 30}};
    for (TAt p : outside) {
        for (TSolveMode mode : {TSolveMode::Solve, TSolveMode::Erase}) {
            State->rbModeClick(mode);
            EXPECT_FALSE(State->dgGridMouseDown(p.X, p.Y, TMouseButton::Left, kW));
            EXPECT_FALSE(State->dgGridDragOver(p.X, p.Y, kW));
        }
    }
    State->rbModeClick(TSolveMode::Solve);
    EXPECT_TRUE(BoardIs(before));
    EXPECT_TRUE(State->ChecksShown());
    // The last row and column still answer.
    Press({12 * kPitch + 20, 8 * kPitch + 5});
    EXPECT_FALSE(State->ChecksShown());
}

TEST_F(SolveState, BlankBoardOffersNeitherCheckNorErase) {
    Start();
    const TSolveButtons& b = State->Buttons();
    EXPECT_FALSE(b.bnCheck || b.bnClear || b.sbEraser);
    EXPECT_TRUE(b.bnFill && b.sbFiller);
    Press(Pad(2, 2, 1), TMouseButton::Right);
    EXPECT_TRUE(b.bnCheck && b.bnClear && b.sbEraser);
    Msgs.Answers = {kResultOk};
    State->bnClearClick();
    EXPECT_FALSE(b.bnCheck || b.bnClear || b.sbEraser);
}

TEST_F(SolveState, ReturnAsksOnlyAfterChanges) {
    Start();
    State->bnReturnClick();
    EXPECT_TRUE(Msgs.Shown.empty());
    EXPECT_FALSE(State->Solving());

    for (int option : {0, 1}) {
        ASSERT_TRUE(State->bnSolveClick());
        const TPuzzleGrid slotBefore = Lib->Grid(Work->CurrentSlot);
        Press(Pad(1, 1, 8));
        Msgs.Answers = {OptionResult(option)};
        State->bnReturnClick();
        EXPECT_EQ(Lib->Grid(Work->CurrentSlot).Sq[1][1].Entry, option == 0 ? 8 : 0);
        EXPECT_EQ(Sq(1, 1).Entry, option == 0 ? 8 : 0);
        EXPECT_FALSE(IsModified(*Lib, Work->CurrentSlot, *Work));
        Lib->Grid(Work->CurrentSlot) = slotBefore;
    }
}

TEST_F(SolveState, DamagedOrEmptySlotIsNeverLoaded) {
    Start();
    const TPuzzleGrid board = Work->CurrentPuzzle;
    State->bnReturnClick();
    Lib->Grid(1).Sq[1][0].AcrossSquares = 200;  // run past the grid
    Start();
    State->bnReturnClick();
    Lib->Grid(2).Sq[2][2].Possible[3] = 2;  // a mark that is neither on nor off
    for (int slot : {1, 2, 3, 0, 101}) {    // damaged, damaged, empty, no such slots
        Work->CurrentSlot = slot;
        EXPECT_FALSE(State->bnSolveClick()) << slot;
    }
    EXPECT_FALSE(State->Solving());
    Press(Pad(1, 1, 1));
    Msgs.Answers = {kResultOk};
    State->bnFillClick();
    State->bnSaveClick(false);
    EXPECT_TRUE(Msgs.Shown.empty());
    EXPECT_TRUE(BoardIs(board));
}

}  // namespace
}  // namespace xs
