// The propagation engine: fixes run totals and draws every consequence for the candidates.
#include "generate/propagate.h"

#include <cstring>

namespace xs {

namespace {

constexpr int kMaxRunSquares = kGridCols;  // no run can be longer than a grid row

TDirection Other(TDirection dir) {
    return dir == TDirection::Across ? TDirection::Down : TDirection::Across;
}

TDigitMask DigitRange(const TGridBounds& bounds) {
    TDigitMask mask = 0;
    for (int d = bounds.MinDigit; d <= bounds.MaxDigit; ++d)
        mask = static_cast<TDigitMask>(mask | (1u << d));
    return mask;
}

// Sum of the digits in a mask, for all 1024 masks of bits 0..9.
struct TMaskSums {
    std::uint8_t Sum[1024];
};

constexpr TMaskSums BuildMaskSums() {
    TMaskSums sums{};
    for (unsigned m = 0; m < 1024; ++m) {
        int s = 0;
        for (int d = 0; d <= 9; ++d)
            if (m & (1u << d)) s += d;
        sums.Sum[m] = static_cast<std::uint8_t>(s);
    }
    return sums;
}

constexpr TMaskSums kMaskSums = BuildMaskSums();

}  // namespace

TDigitMask FeasibleDigits(TDigitMask own, const TDigitMask* others, int count,
                          std::int32_t remainder) {
    if (count >= 9) return 0;
    // The digit sets the other squares can take together, one layer per square. A layer never
    // holds more than C(9, 4) = 126 sets.
    TDigitMask layer[2][128];
    int size[2] = {1, 0};
    layer[0][0] = 0;
    int cur = 0;
    for (int k = 0; k < count; ++k) {
        std::uint64_t seen[16] = {};
        const int nxt = 1 - cur;
        size[nxt] = 0;
        for (int i = 0; i < size[cur]; ++i) {
            const TDigitMask used = layer[cur][i];
            unsigned free = others[k] & ~used & 0x3FEu;
            while (free) {
                const unsigned bit = free & (0u - free);
                free &= free - 1;
                const unsigned m = used | bit;
                if (seen[m >> 6] & (1ull << (m & 63))) continue;
                seen[m >> 6] |= 1ull << (m & 63);
                layer[nxt][size[nxt]++] = static_cast<TDigitMask>(m);
            }
        }
        cur = nxt;
        if (size[cur] == 0) return 0;
    }
    TDigitMask feasible = 0;
    for (int i = 0; i < size[cur]; ++i) {
        const TDigitMask used = layer[cur][i];
        const std::int32_t e = remainder - kMaskSums.Sum[used];
        if (e >= 1 && e <= 9 && !(used & (1u << e)))
            feasible = static_cast<TDigitMask>(feasible | (1u << e));
    }
    return static_cast<TDigitMask>(feasible & own);
}

void SetRunTotal(TPropagation& p, TRunRef run, std::int32_t total, const TDigitFlags& possible) {
    if (p.Failed) return;
    TWorkCell& clue = p.Clue(run);
    const int length = RunLength(clue, run.Dir);
    RunTotal(clue, run.Dir) = total;
    RunConstrained(clue, run.Dir) = length;
    RunDirty(clue, run.Dir) = 1;
    const TDigitMask keep = FlagsMask(possible, p.Bounds);
    const TDirection other = Other(run.Dir);
    bool propagating = false;
    for (int j = 1; j <= length; ++j) {
        const int r = run.SquareRow(j);
        const int c = run.SquareCol(j);
        TWorkCell& s = p.At(r, c);
        if (!s.InFixedRun) {
            s.InFixedRun = 1;
            const TRunRef cross = RunOf(p.Grid, r, c, other);
            ++RunConstrained(p.Clue(cross), other);
        }
        const TDigitMask lose = static_cast<TDigitMask>(CandidateMask(s, p.Bounds) & ~keep);
        if (lose) {
            ClearCandidates(s, lose);
            p.Changed = true;
            propagating = true;
        }
        // Once one square has lost a digit, every later square is looked at again: an earlier
        // placement may have narrowed it.
        if (propagating) {
            PropagateSquare(p, r, c);
            if (p.Failed) return;
        }
    }
}

void PropagateSquare(TPropagation& p, int row, int col) {
    if (p.Failed) return;
    TWorkCell& s = p.At(row, col);
    const TDigitMask cand = CandidateMask(s, p.Bounds);
    if (cand == 0) {
        p.Failed = true;
        return;
    }
    const TRunRef runs[2] = {RunOf(p.Grid, row, col, TDirection::Across),
                             RunOf(p.Grid, row, col, TDirection::Down)};
    for (const TRunRef& run : runs) RunDirty(p.Clue(run), run.Dir) = 1;
    if (s.HasDigit || DigitCount(cand) > 1) return;

    const int d = LowestDigit(cand);
    s.Digit = d;
    s.HasDigit = 1;
    for (const TRunRef& run : runs) {
        TWorkCell& clue = p.Clue(run);
        const int length = RunLength(clue, run.Dir);
        const std::int32_t total = RunTotal(clue, run.Dir);
        std::int32_t remainder = total;
        std::int32_t remaining = length;
        for (int j = 1; j <= length; ++j) {
            const TWorkCell& t = p.At(run.SquareRow(j), run.SquareCol(j));
            if (!t.HasDigit) continue;
            if (&t != &s && t.Digit == d) {
                p.Failed = true;
                return;
            }
            // Every placed digit counts: a run whose digits reach its total before its last
            // square has one is as contradictory as one that overshoots.
            remainder -= t.Digit;
            --remaining;
        }
        TDigitMask possible = DigitRange(p.Bounds);
        if (total != 0) {
            if (remaining >= 1 && remainder >= 1) {
                TDigitFlags flags;
                std::int32_t error = 0;
                LookupPossibleDigits(remaining, remainder, flags, error);
                if (error) {
                    p.Failed = true;
                    return;
                }
                possible = FlagsMask(flags, p.Bounds);
            } else if (remaining != 0 || remainder != 0) {
                p.Failed = true;
                return;
            }
        }
        const TDigitMask remove = static_cast<TDigitMask>((1u << d) | ~possible);
        for (int j = 1; j <= length; ++j) {
            const int r = run.SquareRow(j);
            const int c = run.SquareCol(j);
            TWorkCell& t = p.At(r, c);
            if (&t == &s || t.HasDigit) continue;
            const TDigitMask lose = static_cast<TDigitMask>(CandidateMask(t, p.Bounds) & remove);
            if (!lose) continue;
            ClearCandidates(t, lose);
            p.Changed = true;
            PropagateSquare(p, r, c);
            if (p.Failed) return;
        }
    }
}

void FeasibilityCheck(TPropagation& p, int row, int col, TDirection dir) {
    if (p.Failed) return;
    TWorkCell& s = p.At(row, col);
    const TRunRef run = RunOf(p.Grid, row, col, dir);
    const TWorkCell& clue = p.Clue(run);
    const int length = RunLength(clue, dir);
    std::int32_t remainder = RunTotal(clue, dir);
    TDigitMask others[kMaxRunSquares];
    int count = 0;
    for (int j = 1; j <= length && count < kMaxRunSquares; ++j) {
        const TWorkCell& t = p.At(run.SquareRow(j), run.SquareCol(j));
        if (&t == &s) continue;
        if (t.HasDigit)
            remainder -= t.Digit;
        else
            others[count++] = CandidateMask(t, p.Bounds);
    }
    const TDigitMask feasible =
        FeasibleDigits(CandidateMask(s, p.Bounds), others, count, remainder);
    for (int e = p.Bounds.MinDigit; e <= p.Bounds.MaxDigit; ++e) {
        if (!s.Candidates[e] || (feasible & (1u << e))) continue;
        s.Candidates[e] = 0;
        p.Changed = true;
        PropagateSquare(p, row, col);
        if (p.Failed) return;
    }
}

void SubsetAnalysis(TPropagation& p, TRunRef run) {
    if (p.Failed) return;
    const int length = RunLength(p.Clue(run), run.Dir);
    if (length > kMaxRunSquares) {
        p.Failed = true;
        return;
    }
    TDigitMask original[kMaxRunSquares];
    TDigitMask copy[kMaxRunSquares];
    int count[kMaxRunSquares];
    int groupSize[kMaxRunSquares];
    int groupId[kMaxRunSquares];
    for (int k = 0; k < length; ++k) {
        original[k] = copy[k] =
            CandidateMask(p.At(run.SquareRow(k + 1), run.SquareCol(k + 1)), p.Bounds);
        count[k] = DigitCount(copy[k]);
        groupSize[k] = 10;
        groupId[k] = 0;
    }
    int groups = 0;
    for (int i = 0; i < length; ++i) {
        if (count[i] == 0) continue;
        for (int j = i; j < length; ++j) {
            if (count[j] == 0) continue;
            const TDigitMask u = static_cast<TDigitMask>(copy[i] | copy[j]);
            const int size = DigitCount(u);
            if (size > length) continue;
            int members = 0;
            for (int k = 0; k < length; ++k)
                if (count[k] != 0 && (copy[k] & ~u) == 0) ++members;
            if (members != size) continue;
            ++groups;
            for (int k = 0; k < length; ++k) {
                if (count[k] == 0) continue;
                if ((copy[k] & ~u) == 0) {
                    if (groupSize[k] > size) {
                        groupSize[k] = size;
                        groupId[k] = groups;
                    }
                } else if (copy[k] & u) {
                    copy[k] = static_cast<TDigitMask>(copy[k] & ~u);
                    count[k] = DigitCount(copy[k]);
                }
            }
        }
    }
    for (int k = 0; k < length; ++k) {
        const int r = run.SquareRow(k + 1);
        const int c = run.SquareCol(k + 1);
        TWorkCell& s = p.At(r, c);
        const bool kept = groupSize[k] == 2 || groupSize[k] == 3;
        const std::int32_t size = kept ? groupSize[k] : 0;
        const std::int32_t id = kept ? groupId[k] : 0;
        if (run.Dir == TDirection::Across) {
            s.AcrossGroupSize = size;
            s.AcrossGroupId = id;
        } else {
            s.DownGroupSize = size;
            s.DownGroupId = id;
        }
        const TDigitMask lost = static_cast<TDigitMask>(original[k] & ~copy[k]);
        if (!lost) continue;
        ClearCandidates(s, lost);
        p.Changed = true;
        PropagateSquare(p, r, c);
        if (p.Failed) return;
    }
}

void PropagateAll(TPropagation& p) {
    if (p.Failed) return;
    const TGridBounds& b = p.Bounds;
    do {
        p.Changed = false;
        for (int r = 0; r <= b.LastRow; ++r) {
            for (int c = 0; c <= b.LastCol; ++c) {
                TWorkCell& clue = p.At(r, c);
                if (clue.Kind != Black) continue;
                for (const TDirection dir : {TDirection::Across, TDirection::Down}) {
                    const int length = RunLength(clue, dir);
                    if (length == 0 || !RunDirty(clue, dir)) continue;
                    RunDirty(clue, dir) = 0;
                    const TRunRef run{r, c, dir};
                    if (RunTotal(clue, dir) != 0) {
                        for (int j = 1; j <= length; ++j) {
                            const int sr = run.SquareRow(j);
                            const int sc = run.SquareCol(j);
                            if (p.At(sr, sc).HasDigit) continue;
                            FeasibilityCheck(p, sr, sc, dir);
                            if (p.Failed) return;
                        }
                    }
                    SubsetAnalysis(p, run);
                    if (p.Failed) return;
                }
            }
        }
    } while (p.Changed);
}

void RectangleCheck(TPropagation& p) {
    if (p.Failed) return;
    const TGridBounds& b = p.Bounds;
    for (int r = 1; r <= b.LastRow; ++r) {
        for (int c = 1; c <= b.LastCol; ++c) {
            const TWorkCell& s = p.At(r, c);
            if (s.Kind != White) continue;
            const int across = s.AcrossGroupSize;
            const int down = s.DownGroupSize;
            if (across < 2 || down < 2 || (across != 2 && down != 2)) continue;
            // The partner of s in its across group, and in its down group (the last one met).
            int c2 = -1;
            const TRunRef acrossRun = RunOf(p.Grid, r, c, TDirection::Across);
            const int acrossLength = RunLength(p.Clue(acrossRun), TDirection::Across);
            for (int j = 1; j <= acrossLength; ++j) {
                const int col = acrossRun.SquareCol(j);
                if (col != c && p.At(r, col).AcrossGroupId == s.AcrossGroupId) c2 = col;
            }
            int r2 = -1;
            const TRunRef downRun = RunOf(p.Grid, r, c, TDirection::Down);
            const int downLength = RunLength(p.Clue(downRun), TDirection::Down);
            for (int j = 1; j <= downLength; ++j) {
                const int row = downRun.SquareRow(j);
                if (row != r && p.At(row, c).DownGroupId == s.DownGroupId) r2 = row;
            }
            if (c2 < 0 || r2 < 0) continue;
            const TWorkCell& corner = p.At(r2, c2);
            if (corner.Kind == White && corner.AcrossGroupSize == across &&
                corner.DownGroupSize == down && corner.AcrossClueCol == p.At(r2, c).AcrossClueCol &&
                corner.DownClueRow == p.At(r, c2).DownClueRow) {
                p.Failed = true;
                return;
            }
        }
    }
}

}  // namespace xs
