// The layout generator: random black and white patterns, forced by local rules, kept symmetric.
#include "generate/layout.h"

#include <bit>

#include "generate/layout_internal.h"

namespace xs {
namespace layout {

constexpr std::int32_t kBlockLimits[5][9] = {
    {4, 2, 1, 1, 0, 0, 0, 0, 0}, {4, 3, 2, 1, 1, 0, 0, 0, 0}, {5, 3, 2, 1, 1, 0, 0, 0, 0},
    {6, 5, 3, 2, 2, 1, 0, 0, 0}, {7, 5, 3, 2, 2, 1, 1, 0, 0},
};

// CheckBlocks relies on these: every level rejects a white run of nine across and allows no run
// down past nine, so a run of ten or more from a square always breaks a block limit too; and no
// limit is taller than the one for width 1.
constexpr bool LimitsCoverLongRuns() {
    for (const auto& limits : kBlockLimits) {
        if (limits[8] != 0 || limits[0] > 9) return false;
        for (int w = 1; w < 9; ++w) {
            if (limits[w] > limits[0]) return false;
        }
    }
    return true;
}
static_assert(LimitsCoverLongRuns());
const std::int32_t (&BlockLimits)[5][9] = kBlockLimits;

const TCountRange BlackCountRange[4][5] = {
    {{45, 50}, {40, 45}, {35, 40}, {30, 35}, {20, 25}},         // Small
    {{70, 80}, {60, 70}, {53, 60}, {48, 53}, {34, 42}},         // Medium
    {{130, 145}, {110, 130}, {100, 110}, {90, 100}, {50, 90}},  // Large
    {{35, 40}, {30, 35}, {25, 30}, {20, 25}, {12, 18}},         // Mini
};

namespace {

std::uint8_t Opposite(std::uint8_t colour) {
    return colour == kBlack ? kWhite : kBlack;
}

// Black with probability 20/69 at levels 1, 4 and 5, 30/79 at level 2 and 25/74 at level 3.
std::uint8_t RandomColour(int level, TGenControl& control) {
    std::int32_t v;
    if (level == 2) {
        v = control.Random(79) + 20;
    } else if (level == 3) {
        v = control.Random(74) + 25;
    } else {
        v = control.Random(69) + 30;
    }
    return v <= 49 ? kBlack : kWhite;
}

// Forward count across: the length of the white run of row r up to and including (r, c), 0 when
// (r, c) is not white or lies beyond column C. Column 0 is black, so a non-white bit always
// stops the scan.
std::int32_t ForwardAcross(const TLayout& L, int r, int c) {
    if (c > L.C || !L.IsWhite(r, c)) return 0;
    const std::uint32_t notWhite = ~L.Rows.White[r] & ((2U << c) - 1U);
    return c - (31 - std::countl_zero(notWhite));
}

// Forward count down: the length of the white run of column c down to and including (r, c).
std::int32_t ForwardDown(const TLayout& L, int r, int c) {
    if (r > L.R) return 0;
    std::int32_t n = 0;
    while (L.IsWhite(r - n, c)) ++n;
    return n;
}

// Backward count down over a saved set of white rows: for a white square the rest of its run from
// itself, for any other square the run that starts just after it.
std::int32_t BackwardDown(const TLayout& L, const std::uint32_t (&white)[kLayoutRows], int r,
                          int c) {
    const int s = (white[r] >> c & 1U) != 0 ? r : r + 1;
    std::int32_t n = 0;
    while (s + n <= L.R && (white[s + n] >> c & 1U) != 0) ++n;
    return n;
}

// Bits c of b that start w or more consecutive set bits.
std::uint32_t RunStarts(std::uint32_t b, int w) {
    int have = 1;
    while (have * 2 <= w && b != 0) {
        b &= b >> have;
        have *= 2;
    }
    if (have < w) b &= b >> (w - have);
    return b;
}

std::uint32_t InteriorColumns(const TLayout& L) {
    return ((1U << L.C) - 1U) << 1;
}

}  // namespace

void InitLayout(TLayout& L, int level, int lastRow, int lastCol) {
    L.R = lastRow;
    L.C = lastCol;
    L.Level = level;
    const std::uint32_t frameColumns = 1U | 1U << (lastCol + 1);
    const std::uint32_t fullRow = (2U << (lastCol + 1)) - 1U;
    for (int r = 0; r < kLayoutRows; ++r) {
        L.Rows.White[r] = 0;
        L.Rows.Black[r] = r <= lastRow + 1 ? frameColumns : 0;
    }
    L.Rows.Dirty = 0;
    L.Rows.Black[0] = fullRow;
    L.Rows.Black[lastRow + 1] = fullRow;
    L.Limits[0] = 0;
    for (int w = 1; w <= 9; ++w) L.Limits[w] = kBlockLimits[level - 1][w - 1];
    L.MaxRun = L.Limits[1];
    L.TallestBlock = L.Limits[1];
    L.BlockSteps = 0;
    for (int w = 1; w <= 9; ++w) {
        bool narrower = false;
        for (int v = 1; v < w; ++v) narrower = narrower || L.Limits[v] == L.Limits[w];
        if (narrower) continue;
        L.StepHeight[L.BlockSteps] = L.Limits[w];
        L.StepWidth[L.BlockSteps] = w;
        ++L.BlockSteps;
    }
}

void SetSymmetric(TLayout& L, std::uint8_t colour, int r, int c) {
    if (L.IsDecided(r, c)) return;
    L.Set(r, c, colour);
    L.Set(L.R + 1 - r, L.C + 1 - c, colour);
}

bool PlaceSquare(TLayout& L, std::uint8_t colour, int r, int c) {
    if (r < 1 || r > L.R || c < 1 || c > L.C) return false;
    std::uint8_t x = colour;
    const bool decided = L.IsDecided(r, c);
    if (decided && L.Colour(r, c) != x) return false;
    if (x == kWhite && L.IsBlack(r, c - 1) && (c == L.C || L.IsBlack(r, c + 1))) x = kBlack;
    if (x == kWhite && L.IsBlack(r - 1, c) && L.IsBlack(r + 1, c)) x = kBlack;
    if (!decided) SetSymmetric(L, x, r, c);
    // A single undecided square between two blacks could only become a run of one.
    if (c <= L.C - 1 && x == kBlack && L.IsBlack(r, c + 2)) {
        if (L.IsDecided(r, c + 1) && L.IsWhite(r, c + 1)) return false;
        if (!L.IsDecided(r, c + 1)) SetSymmetric(L, kBlack, r, c + 1);
    }
    if (c >= 2 && x == kBlack && L.IsBlack(r, c - 2)) {
        if (L.IsDecided(r, c - 1) && L.IsWhite(r, c - 1)) return false;
        if (!L.IsDecided(r, c - 1)) SetSymmetric(L, kBlack, r, c - 1);
    }
    // A white square needs a white partner across and down.
    if (x == kWhite) {
        const bool left = L.IsBlack(r, c - 1);
        const bool right = L.IsBlack(r, c + 1);
        if (left && right) return false;
        if (!left && right) SetSymmetric(L, kWhite, r, c - 1);
        if (left) SetSymmetric(L, kWhite, r, c + 1);
        const bool above = L.IsBlack(r - 1, c);
        const bool below = L.IsBlack(r + 1, c);
        if (above && below) return false;
        if (!above && below) SetSymmetric(L, kWhite, r - 1, c);
        if (above) SetSymmetric(L, kWhite, r + 1, c);
    }
    // Close a run that would grow past the level's longest by joining the next one.
    if (L.IsWhite(r, c)) {
        if (ForwardAcross(L, r, c) + 1 + ForwardAcross(L, r, c + 2) > L.MaxRun) {
            SetSymmetric(L, kBlack, r, c + 1);
        }
        if (ForwardDown(L, r, c) + 1 + ForwardDown(L, r + 2, c) > L.MaxRun) {
            SetSymmetric(L, kBlack, r + 1, c);
        }
    }
    return true;
}

// Works on whole rows: a white square (r, c) fails the check exactly when some all-white
// rectangle with (r, c) at its top left is w wide and Limits[w]+1 tall (a run of ten or more
// squares from it is such a rectangle, see kBlockLimits). Of the widths that share a limit only
// the narrowest needs trying.
bool CheckBlocks(TLayout& L) {
    // Top rows of the rectangles that can hold a square of a dirty row.
    std::uint32_t tops = 0;
    for (int h = 0; h <= L.TallestBlock; ++h) tops |= L.Rows.Dirty >> h;
    const int lastRow = L.R / 2 + 1;
    tops &= ((2U << lastRow) - 1U) & ~1U;
    while (tops != 0) {
        const int r = std::countr_zero(tops);
        tops &= tops - 1U;
        const std::uint32_t white = L.Rows.White[r];
        if (white == 0) continue;
        // tall[h]: columns white in every row r..r+h.
        std::uint32_t tall[kLimitHeights];
        tall[0] = white;
        for (int h = 1; h <= L.TallestBlock; ++h) {
            tall[h] = tall[h - 1] & (r + h <= L.R ? L.Rows.White[r + h] : 0U);
        }
        for (int i = 0; i < L.BlockSteps; ++i) {
            if (RunStarts(tall[L.StepHeight[i]], L.StepWidth[i]) != 0) return false;
        }
    }
    L.Rows.Dirty = 0;
    return true;
}

bool ProcessRow(TLayout& L, int k, TGenControl& control) {
    for (int c = 1; c <= L.C; ++c) {
        const TLayoutRows saved = L.Rows;
        std::uint8_t tried = kUndecided;
        for (int attempt = 0; attempt < 2; ++attempt) {
            std::uint8_t colour;
            if (L.IsDecided(k, c)) {
                colour = L.Colour(k, c);
            } else {
                colour = attempt == 0 ? RandomColour(L.Level, control) : Opposite(tried);
            }
            tried = colour;
            if (!PlaceSquare(L, colour, k, c)) return false;
            if (CheckBlocks(L)) break;
            L.Rows = saved;
            if (attempt == 1) return false;
        }
    }
    return true;
}

bool CompleteNextRow(TLayout& L, int k, TGenControl& control) {
    const int R = L.R;
    const int C = L.C;
    const int maxRun = L.MaxRun;
    const int centre = (R - 1) / 2;
    const int next = k + 1;
    // Run counts are taken from the rows as they stand now; the placements below only add black
    // squares, which a white square never becomes.
    std::uint32_t white[kLayoutRows];
    for (int r = 0; r < kLayoutRows; ++r) white[r] = L.Rows.White[r];

    // A down run that reached the longest allowed is closed.
    for (int r = 0; r + maxRun + 1 <= R + 1; ++r) {
        // Columns where a run of exactly maxRun white squares starts in row r+1.
        std::uint32_t full = ~white[r + maxRun + 1];
        for (int i = 1; i <= maxRun; ++i) full &= white[r + i];
        full &= InteriorColumns(L);
        while (full != 0) {
            const int c = std::countr_zero(full);
            full &= full - 1U;
            if (!L.IsBlack(r, c)) continue;
            if (!L.IsBlack(r + maxRun + 1, c) && !PlaceSquare(L, kBlack, r + maxRun + 1, c)) {
                return false;
            }
        }
    }
    if (k == centre) {
        // At the centre a down run meets the mirror of another.
        for (int c = 1; c <= C; ++c) {
            if (!L.IsWhite(next, c) &&
                BackwardDown(L, white, next, c) + 1 + BackwardDown(L, white, next, C + 1 - c) >
                    maxRun &&
                !PlaceSquare(L, kBlack, next, c)) {
                return false;
            }
        }
        for (int c = 1; c <= C; ++c) {
            if (L.IsBlack(k, c) && L.IsBlack(k + 2, c) && !PlaceSquare(L, kBlack, next, c)) {
                return false;
            }
        }
    }
    // A down run that starts in row k gets its second square.
    for (int c = 1; c <= C; ++c) {
        if (L.IsWhite(k, c) && L.IsBlack(k - 1, c) && !L.IsWhite(next, c) &&
            !PlaceSquare(L, kWhite, next, c)) {
            return false;
        }
    }
    // Every white square of the next row gets a partner across.
    for (int c = 1; c <= C; ++c) {
        if (!L.IsWhite(next, c)) continue;
        const bool left = L.IsBlack(next, c - 1);
        const bool right = L.IsBlack(next, c + 1);
        if (left && right) return false;
        if (left) {
            SetSymmetric(L, kWhite, next, c + 1);
        } else if (right) {
            SetSymmetric(L, kWhite, next, c - 1);
        }
    }
    // A two by two white corner beside a black square would leave a lone square below it.
    if (L.IsWhite(k - 1, 1) && L.IsWhite(k - 1, 2) && L.IsWhite(k, 1) && L.IsWhite(k, 2) &&
        L.IsBlack(k, 3)) {
        SetSymmetric(L, kWhite, next, 2);
        if (!CheckBlocks(L)) return false;
    }
    if (L.IsWhite(k - 1, C) && L.IsWhite(k - 1, C - 1) && L.IsWhite(k, C) && L.IsWhite(k, C - 1) &&
        L.IsBlack(k, C - 2)) {
        SetSymmetric(L, kWhite, next, C - 1);
        if (!CheckBlocks(L)) return false;
    }
    // Join the next row to this one, one voted square at a time.
    for (;;) {
        std::int32_t votes[kLayoutCols] = {};
        for (int c = 1; c <= C; ++c) {
            if (!L.IsWhite(next, c) || L.IsWhite(next, c - 1) || L.IsWhite(next, c + 1)) continue;
            if (!L.IsDecided(next, c - 1)) ++votes[c - 1];
            if (!L.IsDecided(next, c + 1)) ++votes[c + 1];
        }
        for (int c = 0; c <= C; ++c) {
            if (!L.IsBlack(k, c)) continue;
            const int h = std::countr_one(L.Rows.White[k] >> (c + 1));
            if (h == 0) continue;
            const std::uint32_t below = ((1U << h) - 1U) << (c + 1);
            if ((L.Rows.White[next] & below) != 0 || (L.Rows.Black[next] & below) == below) {
                continue;
            }
            std::uint32_t open = below & ~L.Rows.Black[next] & InteriorColumns(L);
            while (open != 0) {
                ++votes[std::countr_zero(open)];
                open &= open - 1U;
            }
        }
        std::int32_t candidates[2 * kLayoutCols];
        int count = 0;
        for (int c = 1; c <= C; ++c) {
            if (votes[c] >= 2) candidates[count++] = c;
        }
        if (count == 0) {
            for (int c = 1; c <= C; ++c) {
                if (votes[c] == 1 && L.IsWhite(next, c - 1)) candidates[count++] = c;
            }
            for (int c = 1; c <= C; ++c) {
                if (votes[c] == 1 && L.IsWhite(next, c + 1)) candidates[count++] = c;
            }
        }
        if (count == 0) {
            for (int c = 1; c <= C; ++c) {
                if (votes[c] == 1) candidates[count++] = c;
            }
        }
        if (count == 0) return true;
        const int p = candidates[control.Random(count)];
        SetSymmetric(L, kWhite, next, p);
        if (CheckBlocks(L)) continue;
        L.Set(next, p, kUndecided);
        SetSymmetric(L, kBlack, next, p);
        if (!CheckBlocks(L)) return false;
    }
}

void ErodeLayout(TLayout& L) {
    const int R = L.R;
    const int C = L.C;
    bool changed = true;
    while (changed) {
        changed = false;
        for (int r = 1; r <= R; ++r) {
            for (int c = 1; c <= C; ++c) {
                if (!L.IsBlack(r, c)) continue;
                const bool a =
                    (L.IsWhite(r - 1, c - 1) && L.IsWhite(r - 1, c) && L.IsWhite(r - 1, c + 1)) ||
                    (L.IsWhite(r + 1, c - 1) && L.IsWhite(r + 1, c) && L.IsWhite(r + 1, c + 1));
                const bool b =
                    (L.IsWhite(r - 1, c - 1) && L.IsWhite(r, c - 1) && L.IsWhite(r + 1, c - 1)) ||
                    (L.IsWhite(r - 1, c + 1) && L.IsWhite(r, c + 1) && L.IsWhite(r + 1, c + 1));
                const bool v = L.IsWhite(r - 1, c) && L.IsWhite(r + 1, c);
                const bool h = L.IsWhite(r, c - 1) && L.IsWhite(r, c + 1);
                if ((a && b) || (v && b) || (a && h)) {
                    L.Set(r, c, kWhite);
                    changed = true;
                }
            }
        }
    }
}

bool ErosionAccepts(const TLayout& layout) {
    TLayout L = layout;
    ErodeLayout(L);
    const int R = L.R;
    const int C = L.C;
    for (int r = 2; r <= R - 1; ++r) {
        for (int c = 2; c <= C - 1; ++c) {
            if (!L.IsBlack(r, c)) continue;
            // Black squares that still lean on the edge of the interior are allowed.
            if ((r == 2 || r == R - 1) && (c == 2 || c == C - 1)) continue;
            if (r == 2 && L.IsBlack(1, c)) continue;
            if (r == R - 1 && L.IsBlack(R, c)) continue;
            if (c == 2 && L.IsBlack(r, 1)) continue;
            if (c == C - 1 && L.IsBlack(r, C)) continue;
            return false;
        }
    }
    return true;
}

bool FinalLayoutCheck(const TLayout& L, int sizeCode) {
    const int R = L.R;
    const int C = L.C;
    int black = 0;
    for (int r = 1; r <= R; ++r) {
        for (int c = 1; c <= C; ++c) {
            if (L.IsBlack(r, c)) ++black;
        }
    }
    const TCountRange range = BlackCountRange[sizeCode][L.Level - 1];
    if (black < range.Min || black > range.Max) return false;
    if (!ErosionAccepts(L)) return false;
    for (int r = 1; r <= R; ++r) {
        for (int c = 1; c <= C; ++c) {
            if (!L.IsDecided(r, c)) return false;
        }
    }
    // Runs of the finished layout: 2..9 squares, across and down.
    for (int r = 1; r <= R; ++r) {
        int run = 0;
        for (int c = 1; c <= C + 1; ++c) {
            if (L.IsWhite(r, c)) {
                ++run;
                continue;
            }
            if (run == 1 || run > 9) return false;
            run = 0;
        }
    }
    for (int c = 1; c <= C; ++c) {
        int run = 0;
        for (int r = 1; r <= R + 1; ++r) {
            if (L.IsWhite(r, c)) {
                ++run;
                continue;
            }
            if (run == 1 || run > 9) return false;
            run = 0;
        }
    }
    return true;
}

bool LayoutAttempt(TLayout& L, int level, int sizeCode, int lastRow, int lastCol,
                   TGenControl& control) {
    InitLayout(L, level, lastRow, lastCol);
    const int lastK = (lastRow - 1) / 2 + 1;
    for (int k = 1; k <= lastK; ++k) {
        if (!ProcessRow(L, k, control)) return false;
        if (!CompleteNextRow(L, k, control)) return false;
    }
    return FinalLayoutCheck(L, sizeCode);
}

}  // namespace layout

void GenerateLayout(int level, int sizeCode, const TGridBounds& bounds, TWorkGrid& work,
                    TGenControl& control) {
    // Out-of-range arguments could never produce an accepted layout; return at once rather than
    // search without end.
    if (level < 1 || level > 5 || sizeCode < 0 || sizeCode > 3) return;
    if (bounds.LastRow < 3 || bounds.LastRow >= kGridRows || bounds.LastCol < 3 ||
        bounds.LastCol >= kGridCols) {
        return;
    }
    layout::TLayout L;
    for (;;) {
        const bool accepted =
            layout::LayoutAttempt(L, level, sizeCode, bounds.LastRow, bounds.LastCol, control);
        control.Poll();
        // A stop wins over a layout accepted in the same attempt: the caller drops the puzzle.
        if (control.CancelRequested) return;
        if (!accepted) continue;
        for (int r = 0; r <= bounds.LastRow; ++r) {
            for (int c = 0; c <= bounds.LastCol; ++c) {
                work.Cell[r][c].Kind = L.IsBlack(r, c) ? 1 : 2;
            }
        }
        return;
    }
}

}  // namespace xs
