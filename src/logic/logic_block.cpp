// Block sums: the across runs of a block of rows (or the down runs of a block of columns) against
// the crossing runs that cover the same squares but a few; the difference of their totals is what
// those few squares add up to.
#include <cstdint>

#include "logic/logic_parts.h"

namespace xs {

using namespace logic_detail;

namespace {

constexpr int kMaxBlockSquares = 40;  // a block's squares, so that one step stays readable
constexpr int kMaxLeftOpen = 5;       // open leftover squares the search tries digits for

// The leftover squares: what they add up to, and which of them may not share a digit (two in one
// named run). Finds, per open square, the digits some filling of them allows.
struct TLeftover {
    int Count = 0;
    int Rows[kMaxStepCells] = {};
    int Cols[kMaxStepCells] = {};
    int OpenCount = 0;
    int Open[kMaxStepCells] = {};  // indexes of the open ones
    TCandidates Cand[kMaxStepCells] = {};
    unsigned Apart[kMaxStepCells] = {};  // per open square: the open squares it must differ from
    TCandidates Fits[kMaxStepCells] = {};
    int Value[kMaxStepCells] = {};

    void Search(int i, int rest) {
        if (i == OpenCount) {
            if (rest != 0) return;
            for (int k = 0; k < OpenCount; ++k)
                Fits[k] = static_cast<TCandidates>(Fits[k] | Bit(Value[k]));
            return;
        }
        const int left = OpenCount - i - 1;
        for (int d = 1; d <= 9; ++d) {
            if (!(Cand[i] & Bit(d)) || rest - d < left || rest - d > 9 * left) continue;
            bool clash = false;
            for (int k = 0; k < i && !clash; ++k) clash = (Apart[i] & (1u << k)) && Value[k] == d;
            if (clash) continue;
            Value[i] = d;
            Search(i + 1, rest - d);
        }
    }
};

// Offers the steps of one block (its squares qr, qc); true when the search can stop.
bool OfferBlock(const TLogicBoard& board, const int* qr, const int* qc, int n, int own, int cross,
                int first, int last, int dir, TPick& pick) {
    // The block's own runs (wholly inside it) and the crossing runs inside it or poking out.
    int ownRuns[kMaxStepRuns];
    int ownCount = 0;
    int inRuns[kMaxStepRuns];
    int inCount = 0;
    int outRuns[kMaxStepRuns];
    int outCount = 0;
    auto add = [](int* list, int& count, int run) {
        for (int i = 0; i < count; ++i)
            if (list[i] == run) return true;
        if (count == kMaxStepRuns) return false;
        list[count++] = run;
        return true;
    };
    for (int i = 0; i < n; ++i) {
        const int a = board.RunIndex(qr[i], qc[i], own == 1);
        const int d = board.RunIndex(qr[i], qc[i], cross == 1);
        if (a < 0 || d < 0 || !add(ownRuns, ownCount, a)) return false;
        const TLogicRun& run = board.RunAt(d);
        const int firstLine = dir == 0 ? run.Rows[0] : run.Cols[0];
        const int lastLine = dir == 0 ? run.Rows[run.Length - 1] : run.Cols[run.Length - 1];
        const bool inside = firstLine >= first && lastLine <= last;
        if (!add(inside ? inRuns : outRuns, inside ? inCount : outCount, d)) return false;
    }
    if (inCount == 0 && outCount == 0) return false;
    int ownTotal = 0;
    for (int i = 0; i < ownCount; ++i) ownTotal += board.RunAt(ownRuns[i]).Total;
    int inTotal = 0;
    for (int i = 0; i < inCount; ++i) inTotal += board.RunAt(inRuns[i]).Total;
    int outTotal = 0;
    for (int i = 0; i < outCount; ++i) outTotal += board.RunAt(outRuns[i]).Total;

    // Two ways to read the block: the squares of the poking-out runs inside it add up to the own
    // runs' totals less the inside runs'; their squares outside it to all crossing runs' totals
    // less the own runs'.
    for (int inner = 0; inner < 2; ++inner) {
        if (inner == 1 && (inCount == 0 || outCount == 0)) continue;
        if (inner == 0 && outCount == 0) continue;
        TLeftover left;
        bool fits = true;
        for (int i = 0; i < outCount && fits; ++i) {
            const TLogicRun& run = board.RunAt(outRuns[i]);
            for (int k = 0; k < run.Length && fits; ++k) {
                const int line = dir == 0 ? run.Rows[k] : run.Cols[k];
                const bool insideSquare = line >= first && line <= last;
                if (insideSquare != (inner == 1)) continue;
                fits = left.Count < kMaxStepCells;
                if (!fits) break;
                left.Rows[left.Count] = run.Rows[k];
                left.Cols[left.Count++] = run.Cols[k];
            }
        }
        if (!fits || left.Count == 0) continue;
        int sum = inner == 1 ? ownTotal - inTotal : inTotal + outTotal - ownTotal;
        // The named runs: added first, then the ones taken away.
        TLogicStep base;
        base.Technique = TTechnique::BlockSums;
        auto name = [&](const int* list, int count, bool minus) {
            for (int i = 0; i < count; ++i) {
                if (base.RunCount == kMaxStepRuns) return false;
                TStepRun ref = RefOf(board.RunAt(list[i]));
                ref.Minus = minus;
                base.Runs[base.RunCount++] = ref;
            }
            return true;
        };
        const bool named = inner == 1
                               ? name(ownRuns, ownCount, false) && name(inRuns, inCount, true)
                               : name(inRuns, inCount, false) && name(outRuns, outCount, false) &&
                                     name(ownRuns, ownCount, true);
        if (!named) continue;
        for (int i = 0; i < left.Count; ++i) {
            const int r = left.Rows[i];
            const int c = left.Cols[i];
            base.Cells[base.CellCount++] =
                TStepCell{static_cast<std::int8_t>(r), static_cast<std::int8_t>(c)};
            if (board.Digit(r, c) != 0) {
                sum -= board.Digit(r, c);
                continue;
            }
            left.Open[left.OpenCount] = i;
            left.Cand[left.OpenCount++] = board.Candidates(r, c);
        }
        if (left.OpenCount == 0 || left.OpenCount > kMaxLeftOpen) continue;
        // Two open leftover squares of one named run take different digits.
        for (int i = 0; i < left.OpenCount; ++i) {
            for (int j = 0; j < left.OpenCount; ++j) {
                if (i == j) continue;
                const int ri = left.Rows[left.Open[i]], ci = left.Cols[left.Open[i]];
                const int rj = left.Rows[left.Open[j]], cj = left.Cols[left.Open[j]];
                for (int p = 0; p < 2; ++p) {
                    const int run = board.RunIndex(ri, ci, p == 1);
                    if (run < 0 || run != board.RunIndex(rj, cj, p == 1)) continue;
                    bool isNamed = false;
                    const TStepRun ref = RefOf(board.RunAt(run));
                    for (int k = 0; k < base.RunCount && !isNamed; ++k)
                        isNamed = base.Runs[k].ClueRow == ref.ClueRow &&
                                  base.Runs[k].ClueCol == ref.ClueCol &&
                                  base.Runs[k].Down == ref.Down;
                    if (isNamed) left.Apart[i] |= 1u << j;
                }
            }
        }
        left.Search(0, sum);
        base.Low = inner == 1 ? ownTotal - inTotal : inTotal + outTotal - ownTotal;
        base.Count = left.Count;
        for (int i = 0; i < left.OpenCount; ++i) {
            const TCandidates cand = left.Cand[i];
            const TCandidates kept = static_cast<TCandidates>(cand & left.Fits[i]);
            if (kept == 0 || kept == cand) continue;
            TLogicStep s = base;
            const TLogicStep narrowed = Narrow(TTechnique::BlockSums, left.Rows[left.Open[i]],
                                               left.Cols[left.Open[i]], cand, kept);
            s.Row = narrowed.Row;
            s.Col = narrowed.Col;
            s.Place = narrowed.Place;
            s.Remove = narrowed.Remove;
            if (pick.Offer(s)) return true;
        }
    }
    return false;
}

}  // namespace

bool TLogicBoard::FindBlockSums(TLogicStep& step) const {
    TPick pick;
    // dir 0: blocks of rows, their across runs against the down runs; dir 1 the other way.
    for (int dir = 0; dir < 2; ++dir) {
        const int lines = dir == 0 ? Size.LastRow : Size.LastCol;
        const int across = dir == 0 ? 0 : 1;  // the plane of the block's own runs
        const int cross = 1 - across;
        for (int first = 1; first <= lines; ++first) {
            for (int last = first + 1; last <= lines; ++last) {
                // The block's squares, one region (joined through its own lines) at a time.
                std::int8_t seen[kGridRows][kGridCols] = {};
                auto inBlock = [&](int r, int c) {
                    const int line = dir == 0 ? r : c;
                    return line >= first && line <= last && r >= 1 && c >= 1 && r <= Size.LastRow &&
                           c <= Size.LastCol && Cand[r][c] != 0;
                };
                const int span = dir == 0 ? Size.LastCol : Size.LastRow;
                for (int line0 = first; line0 <= last; ++line0) {
                    for (int at = 1; at <= span; ++at) {
                        const int r0 = dir == 0 ? line0 : at;
                        const int c0 = dir == 0 ? at : line0;
                        if (!inBlock(r0, c0) || seen[r0][c0]) continue;
                        int qr[kGridRows * kGridCols];
                        int qc[kGridRows * kGridCols];
                        int n = 0;
                        qr[n] = r0;
                        qc[n++] = c0;
                        seen[r0][c0] = 1;
                        for (int h = 0; h < n; ++h) {
                            static constexpr int kDr[] = {1, -1, 0, 0};
                            static constexpr int kDc[] = {0, 0, 1, -1};
                            for (int k = 0; k < 4; ++k) {
                                const int r = qr[h] + kDr[k];
                                const int c = qc[h] + kDc[k];
                                if (!inBlock(r, c) || seen[r][c]) continue;
                                seen[r][c] = 1;
                                qr[n] = r;
                                qc[n++] = c;
                            }
                        }
                        if (n > kMaxBlockSquares) continue;
                        if (OfferBlock(*this, qr, qc, n, across, cross, first, last, dir, pick)) {
                            step = pick.Found;
                            return true;
                        }
                    }
                }
            }
        }
    }
    if (!pick.Any) return false;
    step = pick.Found;
    return true;
}

}  // namespace xs
