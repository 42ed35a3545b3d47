// The digit filler: fixes run totals one at a time until propagation has forced every digit.
#include "generate/fill.h"

#include <algorithm>
#include <cstring>

#include "generate/fill_internal.h"
#include "generate/fill_tables.h"

namespace xs {

namespace {

constexpr int kMaxSeedProbes = 201;
constexpr int kMaxTries = 9;  // a run whose tenth total would be needed fails the fill

bool ValidFillInput(int level, int sizeCode, const TGridBounds& b, const TWorkGrid& work) {
    if (level < kMinDifficulty || level > kMaxDifficulty || !IsValidSizeCode(sizeCode))
        return false;
    if (b.LastRow < 1 || b.LastRow >= kGridRows || b.LastCol < 1 || b.LastCol >= kGridCols)
        return false;
    if (b.MinDigit < 1 || b.MaxDigit > 9 || b.MinDigit > b.MaxDigit) return false;
    for (int r = 0; r <= b.LastRow; ++r) {
        for (int c = 0; c <= b.LastCol; ++c) {
            const std::uint8_t kind = work.Cell[r][c].Kind;
            if (kind != Black && kind != White) return false;
            // The clue row and column must be black: every run needs a square to head it.
            if ((r == 0 || c == 0) && kind != Black) return false;
        }
    }
    return true;
}

// Copies rows 0..lastRow, the only ones the filler touches.
void CopyRows(TWorkGrid& to, const TWorkGrid& from, int lastRow) {
    std::memcpy(&to.Cell[0][0], &from.Cell[0][0],
                sizeof(TWorkCell) * kGridCols * static_cast<std::size_t>(lastRow + 1));
}

bool FixTotal(TPropagation& p, TRunRef run, std::int32_t total) {
    TDigitFlags flags;
    std::int32_t error = 0;
    LookupPossibleDigits(RunLength(p.Clue(run), run.Dir), total, flags, error);
    if (error) return false;
    SetRunTotal(p, run, total, flags);
    return !p.Failed;
}

}  // namespace

void ResetForFill(const TGridBounds& bounds, TWorkGrid& work) {
    const int lastRow = bounds.LastRow;
    const int lastCol = bounds.LastCol;
    for (int r = 0; r <= lastRow; ++r) {
        for (int c = 0; c <= lastCol; ++c) {
            TWorkCell& cell = work.Cell[r][c];
            const std::uint8_t kind = cell.Kind;
            std::memset(&cell, 0, sizeof cell);
            cell.Kind = kind;
            if (kind != White) continue;
            cell.Digit = -1;
            for (int d = 1; d <= 9; ++d) cell.Candidates[d] = 1;
        }
    }
    for (int r = 0; r <= lastRow; ++r) {
        int clueCol = 0;
        for (int c = 0; c <= lastCol; ++c) {
            TWorkCell& cell = work.Cell[r][c];
            if (cell.Kind == White)
                cell.AcrossClueCol = clueCol;
            else
                clueCol = c;
        }
    }
    for (int c = 0; c <= lastCol; ++c) {
        int clueRow = 0;
        for (int r = 0; r <= lastRow; ++r) {
            TWorkCell& cell = work.Cell[r][c];
            if (cell.Kind == White)
                cell.DownClueRow = clueRow;
            else
                clueRow = r;
        }
    }
    for (int r = 0; r <= lastRow; ++r) {
        int whites = 0;
        for (int c = lastCol; c >= 0; --c) {
            TWorkCell& cell = work.Cell[r][c];
            if (cell.Kind == White) {
                ++whites;
            } else {
                cell.AcrossLength = whites;
                whites = 0;
            }
        }
    }
    for (int c = 0; c <= lastCol; ++c) {
        int whites = 0;
        for (int r = lastRow; r >= 0; --r) {
            TWorkCell& cell = work.Cell[r][c];
            if (cell.Kind == White) {
                ++whites;
            } else {
                cell.DownLength = whites;
                whites = 0;
            }
        }
    }
}

bool SeedCrossings(int level, int sizeCode, TPropagation& p, TGenControl& control) {
    const int lastRow = p.Bounds.LastRow;
    const int lastCol = p.Bounds.LastCol;
    const int target = SeedCountTable[sizeCode][level];
    bool visited[kGridRows][kGridCols] = {};
    int seeded = 0;
    int probes = 0;
    int r = control.Random(lastRow) + 1;
    while (seeded < target && probes < kMaxSeedProbes) {
        ++probes;
        r = r == lastRow ? 1 : r + 1;
        int c = control.Random(lastCol) + 1;
        for (int moves = 0; visited[r][c] && moves < lastCol; ++moves) c = c == lastCol ? 1 : c + 1;
        visited[r][c] = true;

        const TWorkCell& s = p.At(r, c);
        if (s.Kind != White || s.InFixedRun) continue;
        const TRunRef across = RunOf(p.Grid, r, c, TDirection::Across);
        const TRunRef down = RunOf(p.Grid, r, c, TDirection::Down);
        TWorkCell& acrossClue = p.Clue(across);
        TWorkCell& downClue = p.Clue(down);
        if (acrossClue.AcrossConstrained != 0 || downClue.DownConstrained != 0) continue;
        const int a = acrossClue.AcrossLength;
        const int d = downClue.DownLength;
        const std::span<const TSeedPair> pairs = SeedPairs(std::min(a, d), std::max(a, d));
        if (pairs.empty()) continue;
        const TSeedPair pair = pairs[static_cast<std::size_t>(
            control.Random(static_cast<std::int32_t>(pairs.size())))];
        // The longer run takes the pair's second total.
        const std::int32_t acrossTotal = a >= d ? pair.Long : pair.Short;
        const std::int32_t downTotal = a >= d ? pair.Short : pair.Long;
        if (!FixTotal(p, across, acrossTotal)) return false;
        if (!FixTotal(p, down, downTotal)) return false;
        ++seeded;
    }
    return SeedFullRuns(p);
}

bool SeedFullRuns(TPropagation& p) {
    for (int c = 0; c <= p.Bounds.LastCol; ++c) {
        for (int r = p.Bounds.LastRow; r >= 0; --r) {
            const TWorkCell& clue = p.At(r, c);
            if (clue.Kind != Black) continue;
            for (const TDirection dir : {TDirection::Across, TDirection::Down}) {
                if (RunLength(clue, dir) != 9) continue;
                if (!FixTotal(p, TRunRef{r, c, dir}, 45)) return false;
            }
        }
    }
    return true;
}

TRunRef ChooseNextRun(const TGridBounds& bounds, const TWorkGrid& work) {
    TRunRef lastTwo;
    TRunRef lastMore;
    for (int r = 0; r <= bounds.LastRow; ++r) {
        for (int c = 0; c <= bounds.LastCol; ++c) {
            const TWorkCell& clue = work.Cell[r][c];
            if (clue.Kind != Black) continue;
            for (const TDirection dir : {TDirection::Across, TDirection::Down}) {
                const int length = RunLength(clue, dir);
                if (length <= 0 || RunTotal(clue, dir) != 0) continue;
                const int open = length - (dir == TDirection::Across ? clue.AcrossConstrained
                                                                     : clue.DownConstrained);
                if (open <= 1) return {r, c, dir};
                if (open == 2)
                    lastTwo = {r, c, dir};
                else
                    lastMore = {r, c, dir};
            }
        }
    }
    return lastTwo.Valid() ? lastTwo : lastMore;
}

void CountTotals(const TPropagation& p, TRunRef run, std::int32_t (&counts)[46]) {
    std::fill(std::begin(counts), std::end(counts), 0);
    const TWorkCell& clue = p.Grid.Cell[run.Row][run.Col];
    const int length = RunLength(clue, run.Dir);
    if (length < 1 || length > 9) return;
    // ways[m]: the ordered assignments of the first k squares that use exactly the digits of m.
    // Masks of different sizes never meet, so one array serves every k.
    std::int32_t ways[1024] = {};
    TDigitMask layer[2][128];
    int size[2] = {1, 0};
    layer[0][0] = 0;
    ways[0] = 1;
    int cur = 0;
    for (int j = 1; j <= length; ++j) {
        const unsigned cand =
            CandidateMask(p.Grid.Cell[run.SquareRow(j)][run.SquareCol(j)], p.Bounds);
        const int nxt = 1 - cur;
        size[nxt] = 0;
        for (int i = 0; i < size[cur]; ++i) {
            const unsigned used = layer[cur][i];
            unsigned free = cand & ~used;
            while (free) {
                const unsigned bit = free & (0u - free);
                free &= free - 1;
                const unsigned m = used | bit;
                if (ways[m] == 0) layer[nxt][size[nxt]++] = static_cast<TDigitMask>(m);
                ways[m] += ways[used];
            }
        }
        cur = nxt;
    }
    for (int i = 0; i < size[cur]; ++i) {
        const unsigned m = layer[cur][i];
        int total = 0;
        for (int d = 1; d <= 9; ++d)
            if (m & (1u << d)) total += d;
        counts[total] = std::min(counts[total] + ways[m], kTotalCountCap);
    }
}

TChooseResult ChooseTotal(int level, TRunRef run, int tries, TFillState& state, TPropagation& p,
                          TGenControl& control, std::int32_t& chosen) {
    chosen = 0;
    std::int32_t(&counts)[46] = state.TotalCounts;
    const int length = RunLength(p.Clue(run), run.Dir);
    if (tries == 0) {
        bool narrowed = false;
        for (int j = 1; j <= length; ++j)
            if (DigitCount(CandidateMask(p.At(run.SquareRow(j), run.SquareCol(j)), p.Bounds)) < 9)
                narrowed = true;
        if (narrowed || length < 2 || length > 8) {
            CountTotals(p, run, counts);
        } else {
            std::fill(std::begin(counts), std::end(counts), 0);
            if (level == 5 && length == 2) {
                for (int t = 7; t <= 13; ++t) counts[t] = 1;
            } else if (level == 5 && length == 3) {
                for (int t = 9; t <= 21; ++t) counts[t] = 1;
            } else {
                const TExtremeTotals e = ExtremeTotals[length];
                counts[e.Smallest] = counts[e.Smallest + 1] = 1;
                counts[e.Largest - 1] = counts[e.Largest] = 1;
            }
        }
    }
    std::int32_t least = 0;
    for (int t = 1; t <= 45; ++t)
        if (counts[t] > 0 && (least == 0 || counts[t] < least)) least = counts[t];
    if (least == 0) return TChooseResult::Failed;
    if (level == 5 && tries == 0 && length <= 2) {
        // Short runs at the top level take a slightly less constrained total when one is close.
        std::int32_t next = 0;
        for (int t = 1; t <= 45; ++t)
            if (counts[t] > least && (next == 0 || counts[t] < next)) next = counts[t];
        if (next != 0 && next - least <= 2) least = next;
    }
    std::int32_t candidates[45];
    int n = 0;
    for (int t = 1; t <= 45; ++t)
        if (counts[t] == least) candidates[n++] = t;
    const std::int32_t total = candidates[control.Random(n)];
    counts[total] = 0;
    chosen = total;

    TDigitFlags flags;
    std::int32_t error = 0;
    LookupPossibleDigits(length, total, flags, error);
    if (error) return TChooseResult::Failed;
    SetRunTotal(p, run, total, flags);
    return p.Failed ? TChooseResult::Rejected : TChooseResult::Set;
}

int FillPuzzle(int level, int sizeCode, const TGridBounds& bounds, TWorkGrid& work,
               TGenControl& control) {
    if (!ValidFillInput(level, sizeCode, bounds, work)) return kFillFailed;
    ResetForFill(bounds, work);
    TPropagation p{work, bounds};
    const bool seeded = level <= 4 ? SeedCrossings(level, sizeCode, p, control) : SeedFullRuns(p);
    if (!seeded) return kFillFailed;
    PropagateAll(p);
    if (p.Failed) return kFillFailed;

    // Kept here rather than allocated: the filler allocates nothing.
    TWorkGrid saved;
    TFillState state;
    bool failed = false;
    for (;;) {
        CopyRows(saved, work, bounds.LastRow);
        const TRunRef run = ChooseNextRun(bounds, work);
        if (run.Valid()) {
            for (int tries = 0;;) {
                std::int32_t total = 0;
                const TChooseResult result =
                    ChooseTotal(level, run, tries, state, p, control, total);
                if (result == TChooseResult::Failed || tries > kMaxTries) {
                    failed = true;
                    break;
                }
                bool rejected = result == TChooseResult::Rejected;
                if (!rejected) {
                    PropagateAll(p);
                    rejected = p.Failed;
                }
                if (!rejected) {
                    RectangleCheck(p);
                    rejected = p.Failed;
                }
                if (!rejected) break;
                ++tries;
                CopyRows(work, saved, bounds.LastRow);
                p.Failed = false;
                if (control.CancelRequested) break;
            }
        }
        control.Poll();
        if (failed || !run.Valid() || control.CancelRequested) break;
    }
    if (failed) return kFillFailed;
    for (int r = 1; r <= bounds.LastRow; ++r)
        for (int c = 1; c <= bounds.LastCol; ++c)
            if (work.Cell[r][c].Kind == White && !work.Cell[r][c].HasDigit) return kFillIncomplete;
    return kFillDone;
}

}  // namespace xs
