// The layout generator: random black and white patterns, forced by local rules, kept symmetric.
#include "generate/layout.h"

#include "generate/layout_internal.h"

namespace xs {
namespace layout {

const std::int32_t BlockLimits[5][9] = {
    {4, 2, 1, 1, 0, 0, 0, 0, 0}, {4, 3, 2, 1, 1, 0, 0, 0, 0}, {5, 3, 2, 1, 1, 0, 0, 0, 0},
    {6, 5, 3, 2, 2, 1, 0, 0, 0}, {7, 5, 3, 2, 2, 1, 1, 0, 0},
};

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

// Forward counts: a white square holds the length of its run up to and including itself.
void ForwardCounts(TLayout& L) {
    for (int r = 1; r <= L.R; ++r) {
        std::int32_t run = 0;
        for (int c = 0; c <= L.C; ++c) {
            TLayoutCell& sq = L.Cell[r][c];
            run = sq.Colour == kWhite ? run + 1 : 0;
            sq.AcrossCount = run;
        }
    }
    for (int c = 1; c <= L.C; ++c) {
        std::int32_t run = 0;
        for (int r = 0; r <= L.R; ++r) {
            TLayoutCell& sq = L.Cell[r][c];
            run = sq.Colour == kWhite ? run + 1 : 0;
            sq.DownCount = run;
        }
    }
}

// Backward counts: a white square holds the rest of its run from itself; any other square the
// length of the run that starts just after it.
void BackwardCounts(TLayout& L) {
    for (int r = 1; r <= L.R; ++r) {
        std::int32_t run = 0;
        for (int c = L.C; c >= 0; --c) {
            TLayoutCell& sq = L.Cell[r][c];
            if (sq.Colour == kWhite) {
                sq.AcrossCount = ++run;
            } else {
                sq.AcrossCount = run;
                run = 0;
            }
        }
    }
    for (int c = 1; c <= L.C; ++c) {
        std::int32_t run = 0;
        for (int r = L.R; r >= 0; --r) {
            TLayoutCell& sq = L.Cell[r][c];
            if (sq.Colour == kWhite) {
                sq.DownCount = ++run;
            } else {
                sq.DownCount = run;
                run = 0;
            }
        }
    }
}

// Length of the white run that starts at (r, c), stopping at the first square that is not white.
int WhiteRunRight(const TLayout& L, int r, int c) {
    int h = 0;
    while (c + h <= L.C && L.IsWhite(r, c + h)) ++h;
    return h;
}

}  // namespace

void InitLayout(TLayout& L, int level, int lastRow, int lastCol) {
    L.R = lastRow;
    L.C = lastCol;
    L.Level = level;
    for (int r = 0; r < kLayoutRows; ++r) {
        for (int c = 0; c < kLayoutCols; ++c) L.Cell[r][c] = TLayoutCell{kUndecided, 0, 0, 0};
    }
    for (int c = 0; c <= lastCol + 1; ++c) {
        L.Cell[0][c] = TLayoutCell{kBlack, 0, 0, 1};
        L.Cell[lastRow + 1][c] = TLayoutCell{kBlack, 0, 0, 1};
    }
    for (int r = 0; r <= lastRow + 1; ++r) {
        L.Cell[r][0] = TLayoutCell{kBlack, 0, 0, 1};
        L.Cell[r][lastCol + 1] = TLayoutCell{kBlack, 0, 0, 1};
    }
    L.Limits[0] = 0;
    for (int w = 1; w <= 9; ++w) L.Limits[w] = BlockLimits[level - 1][w - 1];
    L.MaxRun = L.Limits[1];
}

void SetSymmetric(TLayout& L, std::uint8_t colour, int r, int c) {
    TLayoutCell& sq = L.Cell[r][c];
    if (sq.Decided) return;
    TLayoutCell& mirror = L.Cell[L.R + 1 - r][L.C + 1 - c];
    sq.Colour = colour;
    sq.Decided = 1;
    mirror.Colour = colour;
    mirror.Decided = 1;
}

bool PlaceSquare(TLayout& L, std::uint8_t colour, int r, int c) {
    if (r < 1 || r > L.R || c < 1 || c > L.C) return false;
    std::uint8_t x = colour;
    const TLayoutCell& sq = L.Cell[r][c];
    if (sq.Decided && sq.Colour != x) return false;
    if (x == kWhite && L.IsBlack(r, c - 1) && (c == L.C || L.IsBlack(r, c + 1))) x = kBlack;
    if (x == kWhite && L.IsBlack(r - 1, c) && L.IsBlack(r + 1, c)) x = kBlack;
    if (!sq.Decided) SetSymmetric(L, x, r, c);
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
        ForwardCounts(L);
        const std::int32_t acrossAfter = c + 2 <= L.C + 1 ? L.Cell[r][c + 2].AcrossCount : 0;
        if (L.Cell[r][c].AcrossCount + 1 + acrossAfter > L.MaxRun) {
            SetSymmetric(L, kBlack, r, c + 1);
        }
        const std::int32_t downAfter = r + 2 <= L.R + 1 ? L.Cell[r + 2][c].DownCount : 0;
        if (L.Cell[r][c].DownCount + 1 + downAfter > L.MaxRun) {
            SetSymmetric(L, kBlack, r + 1, c);
        }
    }
    return true;
}

bool CheckBlocks(TLayout& L) {
    BackwardCounts(L);
    const int lastRow = L.R / 2 + 1;
    for (int r = 1; r <= lastRow; ++r) {
        for (int c = 1; c <= L.C; ++c) {
            const TLayoutCell& sq = L.Cell[r][c];
            if (sq.Colour != kWhite) continue;
            if (sq.AcrossCount > 9 || sq.DownCount > 9) return false;
            std::int32_t h = sq.DownCount;
            for (int w = 1; w <= sq.AcrossCount; ++w) {
                const std::int32_t d = L.Cell[r][c + w - 1].DownCount;
                if (d < h) h = d;
                if (h > L.Limits[w]) return false;
            }
        }
    }
    return true;
}

bool ProcessRow(TLayout& L, int k, TGenControl& control) {
    for (int c = 1; c <= L.C; ++c) {
        const TLayout saved = L;
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
            L = saved;
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
    BackwardCounts(L);

    // A down run that reached the longest allowed is closed.
    for (int r = 0; r <= R; ++r) {
        for (int c = 1; c <= C; ++c) {
            if (!L.IsBlack(r, c) || L.Cell[r][c].DownCount != maxRun) continue;
            if (!L.IsBlack(r + maxRun + 1, c) && !PlaceSquare(L, kBlack, r + maxRun + 1, c)) {
                return false;
            }
        }
    }
    if (k == centre) {
        // At the centre a down run meets the mirror of another.
        for (int c = 1; c <= C; ++c) {
            if (!L.IsWhite(next, c) &&
                L.Cell[next][c].DownCount + 1 + L.Cell[next][C + 1 - c].DownCount > maxRun &&
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
            const int h = WhiteRunRight(L, k, c + 1);
            if (h == 0) continue;
            bool anyWhite = false;
            bool allBlack = true;
            for (int j = c + 1; j <= c + h; ++j) {
                if (L.IsWhite(next, j)) anyWhite = true;
                if (!L.IsBlack(next, j)) allBlack = false;
            }
            if (anyWhite || allBlack) continue;
            for (int j = c + 1; j <= c + h; ++j) {
                if (j >= 1 && j <= C && !L.IsDecided(next, j)) ++votes[j];
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
        L.Cell[next][p].Decided = 0;
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
                    L.Cell[r][c].Colour = kWhite;
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
            if (!L.IsDecided(r, c) || L.Colour(r, c) == kUndecided) return false;
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
