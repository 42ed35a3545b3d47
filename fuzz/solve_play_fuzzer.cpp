// Random play on the solving page: any clicks, drags, keys, modes, commands, redo and hints on any
// stored puzzle, damaged ones included. After each step the board stays in range, nothing outside
// the puzzle changes, the history and Save/Reset give back exactly the boards they should, and a
// hint never names a right entry wrong nor places a digit other than the answer.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>

#include "model/slot_check.h"
#include "solve/solve_state.h"
#include "support/sample_puzzles.h"
#include "support/scripted_messages.h"

namespace {

using namespace xs;

constexpr int kMaxSteps = 2000;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "solve_play_fuzzer: %s\n", what);
    __builtin_trap();
}

// A puzzle of the size with Black rows and columns at every fourth index, so that runs of 1..3
// squares cover most of the board; answers differ along every run.
TPuzzleGrid LatticeGrid(TPuzzleSize size) {
    TPuzzleGrid g{};
    const TSizeDims dims = SizeDims(static_cast<int>(size));
    for (int r = 0; r < dims.Rows; ++r) {
        for (int c = 0; c < dims.Cols; ++c) {
            TSquare& s = g.Sq[r][c];
            if (r % 4 == 0 || c % 4 == 0) {
                s.Kind = Black;
                continue;
            }
            s.Kind = White;
            s.SetAnswer((r % 4 - 1 + c % 4 - 1) % 3 + 1 + 3 * ((r / 4 + c / 4) % 3));
        }
    }
    for (int r = 0; r < dims.Rows; ++r) {
        for (int c = 0; c < dims.Cols; ++c) {
            TSquare& s = g.Sq[r][c];
            if (s.Kind != Black) continue;
            for (int k = 1; c + k < dims.Cols && g.Sq[r][c + k].Kind == White; ++k) {
                s.AcrossSquares = static_cast<std::uint8_t>(k);
                s.AcrossTotal += g.Sq[r][c + k].Answer();
            }
            for (int k = 1; r + k < dims.Rows && g.Sq[r + k][c].Kind == White; ++k) {
                s.DownSquares = static_cast<std::uint8_t>(k);
                s.DownTotal += g.Sq[r + k][c].Answer();
            }
        }
    }
    return g;
}

// Four lattice puzzles (one per size) and two small ones, with some progress stored in slot 2.
const TPuzzleLibrary& BaseLibrary() {
    static const TPuzzleLibrary* lib = [] {
        auto* l = new TPuzzleLibrary{};
        std::int32_t lastId = 0;
        for (TPuzzleSize size :
             {TPuzzleSize::Mini, TPuzzleSize::Small, TPuzzleSize::Medium, TPuzzleSize::Large})
            AppendPuzzle(*l, lastId, LatticeGrid(size), size, 3);
        test::AddSamplePuzzle(*l, lastId, TPuzzleSize::Mini, 1);
        test::AddSamplePuzzle(*l, lastId, TPuzzleSize::Large, 5);
        TSquare& progress = l->Grid(2).Sq[1][1];
        progress.Entry = 4;
        l->Grid(2).Sq[1][2].Possible[6] = 1;
        for (int slot = 1; slot <= l->Counts.Total; ++slot)
            if (ClassifySlot(*l, slot) != TSlotState::Valid) Fail("base library is not sound");
        return l;
    }();
    return *lib;
}

// The slots a puzzle may be started from, stored or empty.
constexpr int kSlotsInPlay = 8;

bool SameInPlay(const TPuzzleLibrary& a, const TPuzzleLibrary& b) {
    return std::memcmp(&a.Counts, &b.Counts, sizeof a.Counts) == 0 &&
           std::memcmp(a.Grids, b.Grids, kSlotsInPlay * sizeof(TPuzzleGrid)) == 0 &&
           std::memcmp(a.Infos, b.Infos, sizeof a.Infos) == 0;
}

// The library as it was before any input, in the parts an input can change; the rest of it
// never changes (the end of each input makes sure).
void RestoreInPlay(TPuzzleLibrary& lib) {
    const TPuzzleLibrary& base = BaseLibrary();
    lib.Counts = base.Counts;
    std::memcpy(lib.Grids, base.Grids, kSlotsInPlay * sizeof(TPuzzleGrid));
    std::memcpy(lib.Infos, base.Infos, sizeof lib.Infos);
}

class TInput {
public:
    TInput(const std::uint8_t* data, std::size_t size) : Data(data), Size(size) {}
    bool More() const { return At < Size; }
    std::uint8_t Byte() { return At < Size ? Data[At++] : 0; }

private:
    const std::uint8_t* Data;
    std::size_t Size;
    std::size_t At = 0;
};

// Patches of the stored puzzles so that some slots are damaged and some are odd but sound:
// [count] then per patch [slot 1..6][offset: 2 bytes][value].
void DamageLibrary(TInput& in, TPuzzleLibrary& lib) {
    const int count = in.Byte() % 8;
    for (int i = 0; i < count; ++i) {
        const int slot = in.Byte() % 6 + 1;
        const std::size_t offset = (in.Byte() | (in.Byte() << 8)) % (sizeof(TPuzzleGrid) + 64);
        const std::uint8_t value = in.Byte();
        if (offset < sizeof(TPuzzleGrid))
            reinterpret_cast<std::uint8_t*>(&lib.Grid(slot))[offset] = value;
        else
            lib.Info(slot).Size = value;
    }
}

struct TPlay {
    TPuzzleLibrary& Lib;
    TWorkingCopy& Work;
    test::TScriptedMessages& Msgs;
    TSolveState& State;
    // Every board recorded since the history last started, by position (not folded into a ring
    // like the state's): what Undo must give back.
    TUndoState* History;
    // What the working copy looked like when solving started, for the squares no command touches.
    TPuzzleGrid& Loaded;
    TPuzzleLibrary& SavedLib;
    int SquareSize = 22;
    int Pending = 0;                 // presses left in a burst
    int BurstAt = 0;                 // the burst's next press, counted over the whole input
    std::int32_t NewestChecked = 0;  // the position the board was last found to be

    // A right press on the pad: White squares in turn, then the next digit on each.
    void PressNextPad() {
        int whites = 0;
        for (int r = 1; r <= Work.PuzzleDims.LastRow; ++r)
            for (int c = 1; c <= Work.PuzzleDims.LastCol; ++c)
                whites += Work.CurrentPuzzle.Sq[r][c].Kind == White ? 1 : 0;
        if (whites == 0 || SquareSize <= 0) return;
        const int at = BurstAt++;
        int k = at % whites;
        const int digit = at / whites % 9 + 1;
        const int w = SquareSize;
        const int offsets[3] = {0, w / 3, w - w / 3};
        for (int r = 1; r <= Work.PuzzleDims.LastRow; ++r) {
            for (int c = 1; c <= Work.PuzzleDims.LastCol; ++c) {
                if (Work.CurrentPuzzle.Sq[r][c].Kind != White || k-- != 0) continue;
                const int x = (w + kBoardGridLine) * c + offsets[(digit - 1) % 3];
                const int y = (w + kBoardGridLine) * r + offsets[(digit - 1) / 3];
                State.dgGridMouseDown(x, y, TMouseButton::Right, w);
                return;
            }
        }
    }

    bool InRegion(int r, int c) const {
        return r >= 1 && c >= 1 && r <= Work.PuzzleDims.LastRow && c <= Work.PuzzleDims.LastCol;
    }

    void Snapshot(std::int32_t pos) {
        TUndoState& s = History[pos];
        std::memset(&s, 0, sizeof s);
        for (int r = 1; r <= Work.PuzzleDims.LastRow; ++r) {
            for (int c = 1; c <= Work.PuzzleDims.LastCol; ++c) {
                const TSquare& sq = Work.CurrentPuzzle.Sq[r][c];
                s.Sq[r][c][0] = sq.Entry;
                std::memcpy(&s.Sq[r][c][1], sq.Possible, 9);
            }
        }
    }

    bool BoardIs(std::int32_t pos) const {
        const TUndoState& s = History[pos];
        for (int r = 1; r <= Work.PuzzleDims.LastRow; ++r) {
            for (int c = 1; c <= Work.PuzzleDims.LastCol; ++c) {
                const TSquare& sq = Work.CurrentPuzzle.Sq[r][c];
                if (sq.Entry != s.Sq[r][c][0] || std::memcmp(sq.Possible, &s.Sq[r][c][1], 9) != 0)
                    return false;
            }
        }
        return true;
    }

    bool RegionMatchesSlot() const {
        const TPuzzleGrid& slot = Lib.Grid(Work.CurrentSlot);
        for (int r = 0; r <= Work.PuzzleDims.LastRow; ++r)
            if (std::memcmp(Work.CurrentPuzzle.Sq[r], slot.Sq[r],
                            sizeof(TSquare) * (Work.PuzzleDims.LastCol + 1)) != 0)
                return false;
        return true;
    }

    // Entries, marks and check marks stay in range; only Entry and Possible of White squares in
    // the puzzle ever change. A row whose squares and check marks are as they were before the
    // step keeps what was checked of it then; the whole board is checked when solving starts.
    void CheckBoard(const TPuzzleGrid& before, const TCheckMarks& checksBefore, bool all) const {
        const TCheckMarks& ck = State.Checks();
        for (int r = 0; r < kGridRows; ++r) {
            if (!all &&
                std::memcmp(Work.CurrentPuzzle.Sq[r], before.Sq[r], sizeof before.Sq[r]) == 0 &&
                std::memcmp(ck.EntryCheck[r], checksBefore.EntryCheck[r],
                            sizeof ck.EntryCheck[r]) == 0 &&
                std::memcmp(ck.PossibleCheck[r], checksBefore.PossibleCheck[r],
                            sizeof ck.PossibleCheck[r]) == 0)
                continue;
            for (int c = 0; c < kGridCols; ++c) CheckSquare(r, c);
        }
    }

    void CheckSquare(int r, int c) const {
        const TCheckMarks& ck = State.Checks();
        const TSquare& now = Work.CurrentPuzzle.Sq[r][c];
        const TSquare& then = Loaded.Sq[r][c];
        const bool playable = InRegion(r, c) && then.Kind == White;
        if (!playable) {
            if (std::memcmp(&now, &then, sizeof now) != 0) Fail("square outside changed");
            if (ck.EntryCheck[r][c] != 0 || ck.PossibleCheck[r][c] != 0)
                Fail("check mark outside the playable squares");
            return;
        }
        if (std::memcmp(&now, &then, offsetof(TSquare, Entry)) != 0)
            Fail("fixed field of a White square changed");
        if (now.Entry > 9) Fail("entry out of range");
        for (std::uint8_t p : now.Possible)
            if (p > 1) Fail("possible flag out of range");
        if (ck.EntryCheck[r][c] < 0 || ck.EntryCheck[r][c] > 2 || ck.PossibleCheck[r][c] < 0 ||
            ck.PossibleCheck[r][c] > 2)
            Fail("check mark out of range");
    }

    // After the commands that reach the library, the counters, the index and the grids of every
    // slot a puzzle may be started from (0..7 and 101 lie within them); after other steps only
    // the slot being played. The whole library is compared once the input ends.
    void CheckLibrary(bool all) const {
        const int slot = Work.CurrentSlot;
        bool same = true;
        if (all || slot < 1 || slot > kSlotsInPlay) {
            same = SameInPlay(Lib, SavedLib);
        } else {
            same = std::memcmp(&Lib.Grid(slot), &SavedLib.Grid(slot), sizeof(TPuzzleGrid)) == 0;
        }
        if (!same) Fail("library changed without a save");
    }

    // One key of the solving page, chosen by the next byte.
    void Key(TInput& in) {
        const int key = in.Byte();
        switch (key % 16) {
            case 0:
            case 1:
            case 2:
            case 3:
                State.MoveCursor(static_cast<TBoardMove>(key % 4));
                break;
            case 4:
            case 5:
                State.CursorToRunEnd(key % 2 != 0);
                break;
            case 6:
            case 7:
                State.NextRun(key % 2 != 0);
                break;
            case 8:
                State.KeyDigit(key / 16 % 10, key / 16 >= 10);
                break;
            case 9:
                State.KeyClear();
                break;
            case 10:
                State.KeyClue(key / 16 % 2 != 0);
                break;
            case 11:
                State.ToggleMarks();
                break;
            case 12:
                State.KeyMode(static_cast<TSolveMode>(key / 16 % 3));
                break;
            default:
                Hint();
                break;
        }
        if (State.Solving() && !InRegion(State.CursorRow(), State.CursorCol()))
            Fail("keyboard cursor outside the puzzle");
    }

    void Hint() {
        State.HintKey();
        const TNextStep* hint = State.Hint();
        if (hint == nullptr) return;
        if (hint->Row >= 0 && !InRegion(hint->Row, hint->Col)) Fail("hint outside the puzzle");
        const TSquare* sq = hint->Row >= 0 ? &Work.CurrentPuzzle.Sq[hint->Row][hint->Col] : nullptr;
        if (hint->Kind == THintKind::Deduced && (sq->Entry != 0 || sq->Answer() != hint->Digit))
            Fail("hint names a digit other than the answer of an empty square");
        if (hint->Kind == THintKind::WrongEntry && (sq->Entry == 0 || sq->Entry == sq->Answer()))
            Fail("hint calls a right entry wrong");
        if (hint->Kind == THintKind::Narrowed &&
            (sq->Entry != 0 || (hint->Remove & (1u << (sq->Answer() & 15)))))
            Fail("hint rules out the answer of an empty square");
    }

    void Step(TInput& in) {
        // The low four bits pick the action, the high four its button, mode or answers. A burst
        // of marks runs one press per step without reading input.
        const std::uint8_t op = Pending > 0 ? 0 : in.Byte();
        const int action = Pending > 0 ? 16 : op % 16;
        const int arg = op >> 4;
        Pending = std::max(Pending - 1, 0);
        const std::int32_t posBefore = State.UndoPos();
        const std::int32_t lowBefore = State.UndoLow();
        const std::int32_t highBefore = State.UndoHigh();
        const bool solving = State.Solving();
        const bool commands = State.Buttons().Commands;
        static TPuzzleGrid before;
        static TCheckMarks checksBefore;
        before = Work.CurrentPuzzle;
        checksBefore = State.Checks();
        const int answer = arg % 2 == 0 ? kResultOk : kResultCancel;
        bool expectSave = false;
        bool expectReload = false;
        bool expectUnchanged = false;
        bool restart = false;

        switch (action) {
            case 0:
            case 1:
            case 2: {
                // From just left of and above the board to past a Large board's far edge.
                const int x = in.Byte() * 5 - 40 + arg % 4;
                const int y = in.Byte() * 5 - 40 + arg / 4;
                if (action == 2)
                    State.dgGridDragOver(x, y, SquareSize);
                else
                    State.dgGridMouseDown(x, y, static_cast<TMouseButton>((action + arg) % 3),
                                          SquareSize);
                break;
            }
            case 3:
                State.dgGridEndDrag();
                break;
            case 4:
                State.rbModeClick(static_cast<TSolveMode>(arg % 3));
                break;
            case 5: {
                const std::int32_t low = State.UndoLow();
                State.bnUndoClick();
                if (solving && commands && posBefore > low) {
                    if (State.UndoPos() != posBefore - 1) Fail("undo did not step back");
                    if (!BoardIs(posBefore - 1)) Fail("undo did not restore the earlier board");
                } else if (State.UndoPos() != posBefore) {
                    Fail("undo moved at the oldest state");
                }
                break;
            }
            case 6:
                State.bnCheckClick();
                break;
            case 7:
            case 8:
                Msgs.Answers = {answer};
                action == 7 ? State.bnFillClick() : State.bnClearClick();
                expectUnchanged = answer == kResultCancel;
                break;
            case 9:
            case 10: {
                const bool ask = arg / 2 % 2 == 0;
                Msgs.Answers = {answer};
                const bool runs = solving && (!ask || (commands && answer == kResultOk));
                if (action == 9) {
                    State.bnSaveClick(ask);
                    expectSave = runs;
                } else {
                    State.bnResetClick(ask);
                    expectReload = runs;
                }
                expectUnchanged = solving && !runs;
                restart = runs;
                break;
            }
            case 11: {
                const bool modified = State.PuzzleModified();
                const int option = arg % 2;
                Msgs.Answers = {OptionResult(option)};
                State.bnReturnClick();
                if (solving && modified) {
                    expectSave = option == 0;
                    expectReload = option != 0;
                    restart = true;
                }
                if (solving && !RegionMatchesSlot()) Fail("return left the board unlike the slot");
                break;
            }
            case 12: {
                if (!State.Solving()) Work.CurrentSlot = arg == 15 ? 101 : arg % 8;
                const bool valid = ClassifySlot(Lib, Work.CurrentSlot) == TSlotState::Valid;
                if (State.bnSolveClick() != valid) Fail("a slot was loaded against its state");
                if (valid) {
                    Loaded = Work.CurrentPuzzle;
                    if (!RegionMatchesSlot()) Fail("loaded board differs from the slot");
                    restart = true;
                }
                break;
            }
            case 13:
                // Zooming: any square size, also none.
                SquareSize = arg == 15 ? -3 : 4 + 3 * arg;
                break;
            case 14:
                // Long enough to carry the history past its 100 states.
                Pending = 8 * (arg + 1);
                break;
            case 16:
                PressNextPad();
                break;
            default:
                if (arg == 5) {
                    State.bnRedoClick();
                    if (solving && commands && posBefore < highBefore) {
                        if (State.UndoPos() != posBefore + 1) Fail("redo did not step forward");
                        if (!BoardIs(posBefore + 1)) Fail("redo did not give back the later board");
                    } else if (State.UndoPos() != posBefore) {
                        Fail("redo moved at the newest state");
                    }
                    break;
                }
                if (arg > 5) {
                    Key(in);
                    break;
                }
                switch (arg % 5) {
                    case 0:
                        State.PushUndo();
                        break;
                    case 1:
                        State.AutoCheck();
                        break;
                    case 2:
                        State.ClearChecks();
                        break;
                    case 3:
                        State.EndSolving();
                        break;
                    default:
                        State.UpdateButtons();
                        break;
                }
                break;
        }

        const bool boardSame = std::memcmp(&before, &Work.CurrentPuzzle, sizeof before) == 0;
        if (!State.Solving() && !solving && !boardSame) Fail("board changed while not solving");
        if (expectUnchanged && !boardSame) Fail("a cancelled or refused command changed the board");
        if (expectSave) {
            if (!RegionMatchesSlot()) Fail("save did not store the board");
            SavedLib.Grid(Work.CurrentSlot) = Lib.Grid(Work.CurrentSlot);
        }
        CheckLibrary(action >= 9 && action <= 12);
        if (expectReload && !RegionMatchesSlot()) Fail("reset did not give back the saved board");
        if (State.Solving() || solving) CheckBoard(before, checksBefore, restart);

        const std::int32_t pos = State.UndoPos();
        if (pos < 1 && State.Solving()) Fail("history position below 1");
        // The ring holds at most 100 states, and a held position is never given up again until
        // the history starts again.
        const std::int32_t low = State.UndoLow();
        if (pos >= 1 && (low < 1 || low > pos || pos - low >= kUndoRingSize))
            Fail("lowest held position is wrong");
        const std::int32_t high = State.UndoHigh();
        if (pos >= 1 && (high < pos || high - low >= kUndoRingSize))
            Fail("highest held position is wrong");
        if (!restart && pos >= 1 && low < lowBefore) Fail("lowest held position went down");
        if (restart) {
            if (pos != 1) Fail("history not started again");
            Snapshot(1);
        } else if (pos == posBefore + 1 && !(action == 15 && arg == 5)) {
            // A new change: the states that could have been redone are gone.
            if (high != pos) Fail("a new change kept states to redo");
            Snapshot(pos);
        } else if (pos != posBefore && !(action == 5 && pos == posBefore - 1) &&
                   !(action == 15 && arg == 5 && pos == posBefore + 1)) {
            Fail("history moved by more than one step");
        }
        // In Solve mode every change is recorded at once: the board is the newest state. A board
        // that did not move from a position already found so stays so, as a recorded board only
        // changes by taking the board as it is.
        const bool newest = State.Solving() && State.Mode() == TSolveMode::Solve;
        if (newest && !(boardSame && pos == NewestChecked) && !BoardIs(pos))
            Fail("board differs from the newest recorded state");
        NewestChecked = newest ? pos : 0;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto* lib = new TPuzzleLibrary(BaseLibrary());
    static auto* saved = new TPuzzleLibrary(BaseLibrary());
    static auto* work = new TWorkingCopy{};
    static auto* loaded = new TPuzzleGrid{};
    static auto* history = new TUndoState[kMaxSteps + 2];
    // Made in place for each input and ended with it, so that its large history is not allocated
    // each time and whatever it holds is freed within the input.
    static auto* state = new std::optional<TSolveState>;

    TInput in(data, size);
    RestoreInPlay(*lib);
    DamageLibrary(in, *lib);
    RestoreInPlay(*saved);
    std::memcpy(saved->Grids, lib->Grids, kSlotsInPlay * sizeof(TPuzzleGrid));
    std::memcpy(saved->Infos, lib->Infos, sizeof saved->Infos);
    *work = TWorkingCopy{};
    *loaded = work->CurrentPuzzle;
    // What the messages keep is freed within the input, or libFuzzer would look for a leak.
    test::TScriptedMessages msgs;
    state->emplace(*lib, *work, msgs);
    TPlay play{*lib, *work, msgs, **state, history, *loaded, *saved};

    int steps = 0;
    while ((in.More() || play.Pending > 0) && steps++ < kMaxSteps) play.Step(in);
    if (std::memcmp(lib, saved, sizeof *lib) != 0) Fail("library changed without a save");
    state->reset();
    return 0;
}
