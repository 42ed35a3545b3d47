// The solving page's keyboard and redo: each key against the press it stands for, the cursor's
// moves over Black squares, redo after undo and its end at the next change, the hint key.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "solve/solve_state.h"
#include "support/scripted_messages.h"
#include "text_grid.h"

namespace xs {
namespace {

constexpr int kW = 30;
constexpr int kPitch = kW + 2;

// 1 2 # 1 / 3 # 2 4: runs of one and two squares with Black squares inside the block.
const std::vector<std::string> kHoles = {"#####", "#12#1", "#3#24"};

struct TPlay {
    std::unique_ptr<TPuzzleLibrary> Lib = std::make_unique<TPuzzleLibrary>();
    std::unique_ptr<TWorkingCopy> Work = std::make_unique<TWorkingCopy>();
    test::TScriptedMessages Msgs;
    std::unique_ptr<TSolveState> State = std::make_unique<TSolveState>(*Lib, *Work, Msgs);

    explicit TPlay(const std::vector<std::string>& rows = kHoles) {
        std::int32_t lastId = 0;
        Work->CurrentSlot = AppendPuzzle(*Lib, lastId, test::GridOf(rows), TPuzzleSize::Mini, 1);
        EXPECT_TRUE(State->bnSolveClick());
    }
    void Press(int r, int c, int digit, TMouseButton button = TMouseButton::Left) {
        State->dgGridMouseDown(kPitch * c + (digit - 1) % 3 * 10 + 5,
                               kPitch * r + (digit - 1) / 3 * 10 + 5, button, kW);
        State->dgGridEndDrag();
    }
    void Clue(int r, int c, bool down) {
        State->dgGridMouseDown(kPitch * c + (down ? 5 : 20), kPitch * r + (down ? 20 : 5),
                               TMouseButton::Left, kW);
    }
    // The cursor to (r, c) by keys: from the first square, down then across.
    void CursorTo(int r, int c) {
        for (int i = 0; i < 9 && State->CursorRow() < r; ++i) State->MoveCursor(TBoardMove::Down);
        for (int i = 0; i < 13 && State->CursorCol() != c; ++i)
            State->MoveCursor(State->CursorCol() < c ? TBoardMove::Right : TBoardMove::Left);
        EXPECT_EQ(State->CursorRow(), r);
        EXPECT_EQ(State->CursorCol(), c);
    }
    TSquare& Sq(int r, int c) { return Work->CurrentPuzzle.Sq[r][c]; }
};

bool SameOutcome(const TPlay& a, const TPlay& b) {
    const TSolveState& x = *a.State;
    const TSolveState& y = *b.State;
    return std::memcmp(&a.Work->CurrentPuzzle, &b.Work->CurrentPuzzle, sizeof(TPuzzleGrid)) == 0 &&
           std::memcmp(&x.Checks(), &y.Checks(), sizeof(TCheckMarks)) == 0 &&
           x.ChecksShown() == y.ChecksShown() && x.UndoPos() == y.UndoPos() &&
           x.UndoLow() == y.UndoLow() && x.UndoHigh() == y.UndoHigh() &&
           std::memcmp(&x.SelectedRun(), &y.SelectedRun(), sizeof(TSelectedRun)) == 0 &&
           x.Mode() == y.Mode();
}

using TAction = std::function<void(TPlay&)>;

struct TKeyCase {
    const char* Name;
    TAction Before;  // done by mouse on both boards
    TAction Key;
    TAction Mouse;
};

TEST(SolveKeys, EachKeyDoesWhatItsPressDoes) {
    const TAction nothing = [](TPlay&) {};
    const std::vector<TKeyCase> cases = {
        {"digit on an empty square", nothing,
         [](TPlay& p) {
             p.CursorTo(1, 2);
             p.State->KeyDigit(4, false);
         },
         [](TPlay& p) { p.Press(1, 2, 4); }},
        {"shifted digit marks", nothing,
         [](TPlay& p) {
             p.CursorTo(2, 4);
             p.State->KeyDigit(6, true);
         },
         [](TPlay& p) { p.Press(2, 4, 6, TMouseButton::Right); }},
        {"digit after M marks, twice unmarks", nothing,
         [](TPlay& p) {
             p.State->ToggleMarks();
             p.State->KeyDigit(9, false);
             p.State->KeyDigit(9, false);
         },
         [](TPlay& p) {
             p.Press(1, 1, 9, TMouseButton::Right);
             p.Press(1, 1, 9, TMouseButton::Right);
         }},
        {"clear a filled square", [](TPlay& p) { p.Press(2, 3, 7); },
         [](TPlay& p) {
             p.CursorTo(2, 3);
             p.State->KeyClear();
         },
         [](TPlay& p) { p.Press(2, 3, 7); }},
        {"clear leaves the marks of an empty square",
         [](TPlay& p) { p.Press(1, 1, 2, TMouseButton::Right); },
         [](TPlay& p) { p.State->KeyClear(); }, nothing},
        {"enter clicks the across total", [](TPlay& p) { p.Press(2, 3, 2); },
         [](TPlay& p) {
             p.CursorTo(2, 4);
             p.State->KeyClue(false);
         },
         [](TPlay& p) { p.Clue(2, 2, false); }},
        {"shift+enter clicks the down total", nothing,
         [](TPlay& p) {
             p.CursorTo(2, 1);
             p.State->KeyClue(true);
         },
         [](TPlay& p) { p.Clue(0, 1, true); }},
        {"last digit colours the board",
         [](TPlay& p) {
             p.Press(1, 1, 1), p.Press(1, 2, 2), p.Press(1, 4, 1), p.Press(2, 1, 3);
             p.Press(2, 3, 2);
         },
         [](TPlay& p) {
             p.CursorTo(2, 4);
             p.State->KeyDigit(5, false);
         },
         [](TPlay& p) { p.Press(2, 4, 5); }},
        {"digit in Erase mode erases",
         [](TPlay& p) {
             p.Press(1, 2, 3);
             p.State->rbModeClick(TSolveMode::Erase);
         },
         [](TPlay& p) {
             p.CursorTo(1, 2);
             p.State->KeyDigit(8, false);
             p.State->KeyMode(TSolveMode::Solve);
         },
         [](TPlay& p) {
             p.Press(1, 2, 8);
             p.State->rbModeClick(TSolveMode::Solve);
         }},
        {"F is the Fill button", [](TPlay& p) { p.Press(1, 2, 3); },
         [](TPlay& p) { p.State->KeyMode(TSolveMode::Fill); },
         [](TPlay& p) { p.State->rbModeClick(TSolveMode::Fill); }},
        {"E on a blank board does nothing, as its button is off", nothing,
         [](TPlay& p) { p.State->KeyMode(TSolveMode::Erase); }, nothing},
    };
    for (const TKeyCase& t : cases) {
        SCOPED_TRACE(t.Name);
        TPlay byKey;
        TPlay byMouse;
        t.Before(byKey);
        t.Before(byMouse);
        t.Key(byKey);
        t.Mouse(byMouse);
        EXPECT_TRUE(SameOutcome(byKey, byMouse));
    }
}

TEST(SolveKeys, ADigitOverAnotherReplacesItInOneStep) {
    TPlay p;
    p.State->KeyDigit(3, false);
    p.State->KeyDigit(1, false);
    EXPECT_EQ(p.Sq(1, 1).Entry, 1);
    EXPECT_EQ(p.State->UndoPos(), 3);
    p.State->bnUndoClick();
    EXPECT_EQ(p.Sq(1, 1).Entry, 3);
}

enum TKey { L, R, U, D, Home, End, Tab, BackTab };

struct TMoveCase {
    int Row, Col;
    std::vector<TKey> Keys;
    int WantRow, WantCol;
};

TEST(SolveKeys, TheCursorSkipsBlackSquaresAndStaysAtTheEdge) {
    const std::vector<TMoveCase> cases = {
        {1, 2, {R}, 1, 4},     // over the Black square (1, 3)
        {1, 4, {R}, 1, 4},     // nothing further right
        {1, 1, {L}, 1, 1},     // the clue column is not a place for the cursor
        {1, 2, {D}, 1, 2},     // only Black below
        {1, 4, {D}, 2, 4},     //
        {2, 1, {R}, 2, 3},     // over (2, 2)
        {2, 4, {Home}, 2, 3},  // the run's first square
        {2, 3, {End}, 2, 4},   //
        {1, 4, {U, D, Home}, 1, 4},
        {1, 1, {D, End}, 2, 1},         // after a down arrow, the down run
        {1, 1, {Tab}, 1, 4},            // next across run in reading order
        {1, 2, {Tab, Tab, Tab}, 2, 3},  //
        {2, 3, {Tab}, 1, 1},            // round to the first run
        {1, 1, {BackTab}, 2, 3},        //
        {1, 4, {D, Tab}, 2, 3},         // down runs by their clue squares: (0, 4), then (1, 3)
        {2, 1, {D, BackTab}, 2, 3},     // (0, 1) is the first: round to the last
    };
    for (const TMoveCase& t : cases) {
        SCOPED_TRACE(::testing::Message() << t.Row << "," << t.Col);
        TPlay p;
        p.CursorTo(t.Row, t.Col);
        for (TKey k : t.Keys) {
            switch (k) {
                case L:
                    p.State->MoveCursor(TBoardMove::Left);
                    break;
                case R:
                    p.State->MoveCursor(TBoardMove::Right);
                    break;
                case U:
                    p.State->MoveCursor(TBoardMove::Up);
                    break;
                case D:
                    p.State->MoveCursor(TBoardMove::Down);
                    break;
                case Home:
                    p.State->CursorToRunEnd(false);
                    break;
                case End:
                    p.State->CursorToRunEnd(true);
                    break;
                case Tab:
                    p.State->NextRun(false);
                    break;
                case BackTab:
                    p.State->NextRun(true);
                    break;
            }
        }
        EXPECT_EQ(p.State->CursorRow(), t.WantRow);
        EXPECT_EQ(p.State->CursorCol(), t.WantCol);
    }
}

// Marks on every square in turn, so each step records a new board.
void Steps(TPlay& p, int n, std::vector<TPuzzleGrid>* boards = nullptr) {
    constexpr int kSquares[6][2] = {{1, 1}, {1, 2}, {1, 4}, {2, 1}, {2, 3}, {2, 4}};
    for (int i = 0; i < n; ++i) {
        const auto& at = kSquares[i % 6];
        p.Press(at[0], at[1], 1 + i / 6 % 9, TMouseButton::Right);
        if (boards != nullptr) boards->push_back(p.Work->CurrentPuzzle);
    }
}

TEST(SolveKeys, TheFrameShowsFromABoardKeyToTheNextPressOnTheBoard) {
    const struct {
        const char* Name;
        TAction Key;
        bool Shown;
    } cases[] = {
        {"arrow", [](TPlay& p) { p.State->MoveCursor(TBoardMove::Right); }, true},
        {"End", [](TPlay& p) { p.State->CursorToRunEnd(true); }, true},
        {"Tab", [](TPlay& p) { p.State->NextRun(false); }, true},
        {"digit", [](TPlay& p) { p.State->KeyDigit(2, false); }, true},
        {"Delete", [](TPlay& p) { p.State->KeyClear(); }, true},
        {"Enter", [](TPlay& p) { p.State->KeyClue(false); }, true},
        {"M", [](TPlay& p) { p.State->ToggleMarks(); }, true},
        {"H", [](TPlay& p) { p.State->HintKey(); }, true},
        {"F", [](TPlay& p) { p.State->KeyMode(TSolveMode::Fill); }, false},
        {"undo", [](TPlay& p) { p.State->bnUndoClick(); }, false},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.Name);
        TPlay p;
        EXPECT_FALSE(p.State->CursorShown());
        k.Key(p);
        EXPECT_EQ(p.State->CursorShown(), k.Shown);
        p.State->rbModeClick(TSolveMode::Solve);
        p.Press(2, 4, 5, TMouseButton::Right);
        EXPECT_FALSE(p.State->CursorShown());
    }
}

TEST(SolveRedo, RedoReturnsTheLaterBoardsUntilTheNextChange) {
    struct TCase {
        int Changes, Undos;
        int Low;  // UndoLow after the changes
    };
    // Within the ring, and after it wrapped: redo reaches back up to the last change.
    for (const TCase t : std::vector<TCase>{{3, 3, 1}, {5, 2, 1}, {120, 99, 22}}) {
        SCOPED_TRACE(t.Changes);
        TPlay p;
        std::vector<TPuzzleGrid> boards{p.Work->CurrentPuzzle};
        Steps(p, t.Changes, &boards);
        const int top = t.Changes + 1;
        ASSERT_EQ(p.State->UndoLow(), t.Low);
        for (int i = 0; i < t.Undos; ++i) p.State->bnUndoClick();
        EXPECT_TRUE(p.State->Buttons().RedoEnabled());
        for (int pos = top - t.Undos + 1; pos <= top; ++pos) {
            p.State->bnRedoClick();
            ASSERT_EQ(p.State->UndoPos(), pos);
            EXPECT_EQ(std::memcmp(&p.Work->CurrentPuzzle,
                                  &boards[static_cast<std::size_t>(pos - 1)], sizeof(TPuzzleGrid)),
                      0);
        }
        EXPECT_FALSE(p.State->Buttons().RedoEnabled());
        p.State->bnRedoClick();
        EXPECT_EQ(p.State->UndoPos(), top);

        // Back down, then a change: the boards above it are gone, the lowest stays.
        p.State->bnUndoClick();
        p.State->bnUndoClick();
        Steps(p, 1);
        EXPECT_EQ(p.State->UndoHigh(), top - 1);
        EXPECT_FALSE(p.State->Buttons().RedoEnabled());
        const TPuzzleGrid now = p.Work->CurrentPuzzle;
        p.State->bnRedoClick();
        EXPECT_EQ(std::memcmp(&p.Work->CurrentPuzzle, &now, sizeof now), 0);
        EXPECT_EQ(p.State->UndoLow(), t.Low);
    }
}

TEST(SolveRedo, SaveResetAndTheEditModesCloseRedo) {
    const std::vector<std::pair<const char*, TAction>> cases = {
        {"save", [](TPlay& p) { p.State->bnSaveClick(false); }},
        {"reset", [](TPlay& p) { p.State->bnResetClick(false); }},
        {"fill mode", [](TPlay& p) { p.State->KeyMode(TSolveMode::Fill); }},
    };
    for (const auto& [name, action] : cases) {
        SCOPED_TRACE(name);
        TPlay p;
        Steps(p, 2);
        p.State->bnUndoClick();
        action(p);
        const std::int32_t pos = p.State->UndoPos();
        p.State->bnRedoClick();
        EXPECT_EQ(p.State->UndoPos(), pos);
        EXPECT_FALSE(p.State->Buttons().RedoEnabled());
    }
}

TEST(SolveHintKey, AWrongEntryIsMarkedAndNeverFilledOver) {
    TPlay p;
    p.Press(1, 1, 1);
    p.Press(2, 3, 9);
    p.State->HintKey();
    ASSERT_NE(p.State->Hint(), nullptr);
    EXPECT_EQ(p.State->Hint()->Kind, THintKind::WrongEntry);
    EXPECT_EQ(p.State->Checks().EntryCheck[2][3], 1);
    EXPECT_EQ(p.State->Checks().EntryCheck[1][1], 0);
    EXPECT_EQ(p.State->CursorRow() * 10 + p.State->CursorCol(), 23);
    const std::int32_t pos = p.State->UndoPos();
    p.State->HintKey();
    EXPECT_EQ(p.Sq(2, 3).Entry, 9);
    EXPECT_EQ(p.State->UndoPos(), pos);
    // The next press on the board takes the hint and its red square away.
    p.Press(1, 2, 2, TMouseButton::Right);
    EXPECT_EQ(p.State->Hint(), nullptr);
    EXPECT_EQ(p.State->Checks().EntryCheck[2][3], 0);
}

TEST(SolveHintKey, HOnASolvedBoardLeavesItGreen) {
    TPlay p;
    p.Msgs.Answers = {kResultOk};
    p.State->bnFillClick();
    p.State->HintKey();
    ASSERT_NE(p.State->Hint(), nullptr);
    EXPECT_EQ(p.State->Hint()->Kind, THintKind::Solved);
    EXPECT_TRUE(p.State->ChecksShown());
    for (const auto& [r, c] : {std::pair{1, 1}, std::pair{1, 2}, std::pair{2, 4}})
        EXPECT_EQ(p.State->Checks().EntryCheck[r][c], 2) << r << c;
}

TEST(SolveHintKey, AHintShownIsPlacedOnlyWhileItsSquareIsEmpty) {
    TPlay p;
    p.State->HintKey();
    const TNextStep first = *p.State->Hint();
    ASSERT_EQ(first.Kind, THintKind::Deduced);
    // The player fills the square another way (a key moves nothing else): H looks again.
    p.CursorTo(first.Row, first.Col);
    p.State->KeyDigit(first.Digit, false);
    EXPECT_EQ(p.State->Hint(), nullptr);
    p.State->HintKey();
    ASSERT_NE(p.State->Hint(), nullptr);
    EXPECT_FALSE(p.State->Hint()->Row == first.Row && p.State->Hint()->Col == first.Col);
}

// 8 9 7 / 1 2 4: the across 24 and 7 have one combination each, the downs 9, 11 and 11.
const std::vector<std::string> kBlock = {"####", "#897", "#124"};

std::string MarksOf(const TSquare& sq) {
    std::string marks;
    for (int d = 1; d <= 9; ++d)
        if (sq.IsPossible(d)) marks += static_cast<char>('0' + d);
    return marks;
}

// Marks by right presses, each its own undo step.
void SetMarks(TPlay& p, int r, int c, const char* digits) {
    for (const char* m = digits; *m != '\0'; ++m) p.Press(r, c, *m - '0', TMouseButton::Right);
}

TEST(SolveAssists, CandidatesAreMarkedFromBothRunsInOneUndoStep) {
    struct TCase {
        const char* Name;
        int EntryCol;           // the entry 9 in row 1, column EntryCol; 0: none
        const char* MarksAt21;  // the player's marks on (2, 1) before
        const char* Expected[2][3];
    };
    const TCase cases[] = {
        {"empty board", 0, "", {{"78", "789", "789"}, {"124", "24", "24"}}},
        {"own marks kept", 0, "19", {{"78", "789", "789"}, {"1", "24", "24"}}},
        {"an entry counts in both runs", 2, "", {{"78", "", "78"}, {"124", "2", "24"}}},
    };
    for (const TCase& t : cases) {
        SCOPED_TRACE(t.Name);
        TPlay p(kBlock);
        if (t.EntryCol != 0) p.Press(1, t.EntryCol, 9);
        SetMarks(p, 2, 1, t.MarksAt21);
        const std::int32_t pos = p.State->UndoPos();
        p.State->MarkCandidates();
        for (int r = 1; r <= 2; ++r)
            for (int c = 1; c <= 3; ++c)
                EXPECT_EQ(MarksOf(p.Sq(r, c)), t.Expected[r - 1][c - 1]) << r << c;
        EXPECT_EQ(p.State->UndoPos(), pos + 1);
        p.State->bnUndoClick();
        EXPECT_EQ(MarksOf(p.Sq(1, 3)), "");
    }
}

TEST(SolveAssists, AnEntryLeavesTheMarksOfItsRunsOnlyWhenTurnedOn) {
    for (const bool on : {false, true}) {
        SCOPED_TRACE(on);
        TPlay p(kBlock);
        SetMarks(p, 1, 1, "78");
        SetMarks(p, 1, 3, "789");
        SetMarks(p, 2, 2, "29");
        SetMarks(p, 2, 3, "49");
        if (on) {
            p.State->ToggleMarkCleanup();
            ASSERT_NE(p.State->Hint(), nullptr);
            EXPECT_NE(p.State->Hint()->Text.find("R turns this off"), std::string::npos);
        }
        const std::int32_t pos = p.State->UndoPos();
        p.Press(1, 2, 9);
        EXPECT_EQ(MarksOf(p.Sq(1, 1)), "78");
        EXPECT_EQ(MarksOf(p.Sq(1, 3)), on ? "78" : "789");
        EXPECT_EQ(MarksOf(p.Sq(2, 2)), on ? "2" : "29");
        EXPECT_EQ(MarksOf(p.Sq(2, 3)), "49") << "not in a run of the entry";
        EXPECT_EQ(p.State->UndoPos(), pos + 1);
        p.State->bnUndoClick();
        EXPECT_EQ(MarksOf(p.Sq(1, 3)), "789");
    }
}

TEST(SolveAssists, RunsThatRepeatADigitOrExceedTheirTotalAreFound) {
    struct TCase {
        const char* Name;
        std::vector<std::array<int, 3>> Entries;  // row, column, digit
        std::vector<int> Runs;                    // clue row * 100 + clue col * 10 + down
    };
    const std::vector<TCase> cases = {
        {"right entries", {{1, 1, 8}}, {}},
        {"a repeat in a run of three", {{1, 1, 8}, {1, 3, 8}}, {100}},
        {"over the total", {{2, 3, 8}}, {200}},
        {"both at once", {{1, 2, 8}, {1, 3, 8}, {2, 2, 8}}, {21, 100, 200}},
        {"a complete right run: 8 9 7 across 24", {{1, 1, 8}, {1, 2, 9}, {1, 3, 7}}, {}},
    };
    for (const TCase& t : cases) {
        SCOPED_TRACE(t.Name);
        TPlay p(kBlock);
        for (const auto& [r, c, digit] : t.Entries) p.Press(r, c, digit);
        THintRun runs[8];
        const int n = p.State->ConflictRuns(runs, 8);
        std::vector<int> found;
        for (int i = 0; i < n; ++i)
            found.push_back(runs[i].ClueRow * 100 + runs[i].ClueCol * 10 + (runs[i].Down ? 1 : 0));
        EXPECT_EQ(found, t.Runs);
    }
    TPlay p(kBlock);
    EXPECT_FALSE(p.State->ConflictsShown());
    p.State->ToggleConflicts();
    EXPECT_TRUE(p.State->ConflictsShown());
    EXPECT_EQ(p.State->Hint()->Kind, THintKind::Notice);
}

}  // namespace
}  // namespace xs
