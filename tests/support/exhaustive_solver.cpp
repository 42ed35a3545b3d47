// A test-only solver that counts a puzzle's solutions by complete search over its stored runs.
#include "support/exhaustive_solver.h"

#include <bit>
#include <memory>
#include <vector>

namespace xs::test {

namespace {

constexpr int kMaxSquares = kGridRows * kGridCols;
constexpr int kMaxRuns = 2 * kMaxSquares;
constexpr int kNoRun = -1;
constexpr std::uint16_t kAllDigits = 0x1FF;  // bit d-1 stands for digit d

int Bit(int d) {
    return 1 << (d - 1);
}

// Combos[n][t]: every set of n distinct digits that adds up to t, as a digit mask.
struct TCombos {
    std::vector<std::uint16_t> Masks[10][46];
    TCombos() {
        for (int mask = 1; mask < 512; ++mask) {
            int sum = 0;
            for (int d = 1; d <= 9; ++d)
                if (mask & Bit(d)) sum += d;
            Masks[std::popcount(static_cast<unsigned>(mask))][sum].push_back(
                static_cast<std::uint16_t>(mask));
        }
    }
};

const TCombos& Combos() {
    static const TCombos combos;
    return combos;
}

// 512 flags, one per digit mask.
struct TMaskSet {
    std::uint64_t Words[8];
    void Clear() {
        for (auto& w : Words) w = 0;
    }
    void Add(int mask) { Words[mask >> 6] |= std::uint64_t{1} << (mask & 63); }
    bool Has(int mask) const { return (Words[mask >> 6] >> (mask & 63)) & 1; }
    template <typename F>
    void ForEach(F f) const {
        for (int w = 0; w < 8; ++w)
            for (std::uint64_t bits = Words[w]; bits != 0; bits &= bits - 1)
                f(w * 64 + std::countr_zero(bits));
    }
};

struct TRun {
    int Total = 0;
    int Length = 0;
    int Cells[9] = {};
};

// Search with full consistency on every run: a digit stays in a square only while the run's
// other squares can still take distinct digits from their own candidates making up the total.
// Branches on the square with the fewest candidates; counts solutions up to the limit.
class TSearch {
public:
    TSearch(const TPuzzleGrid& grid, int sizeCode, int limit, TExhaustiveResult& out)
        : combos_(Combos()), limit_(limit), out_(out) {
        const TSizeDims dims = SizeDims(sizeCode);
        rows_ = dims.Rows;
        cols_ = dims.Cols;
        if (rows_ == 0) {
            out_.Problem = "unknown size";
            return;
        }
        for (int r = 0; r < kGridRows; ++r)
            for (int c = 0; c < kGridCols; ++c) cellAt_[r][c] = -1;
        for (int r = 0; r < rows_; ++r)
            for (int c = 0; c < cols_; ++c)
                if (grid.Sq[r][c].Kind == White) {
                    cellAt_[r][c] = cellCount_;
                    cellRow_[cellCount_] = r;
                    cellCol_[cellCount_] = c;
                    across_[cellCount_] = down_[cellCount_] = kNoRun;
                    ++cellCount_;
                }
        for (int r = 0; r < rows_ && !out_.Problem; ++r)
            for (int c = 0; c < cols_ && !out_.Problem; ++c) {
                const TSquare& sq = grid.Sq[r][c];
                if (sq.Kind != Black) continue;
                AddRun(r, c, 0, 1, sq.AcrossSquares, sq.AcrossTotal, across_);
                AddRun(r, c, 1, 0, sq.DownSquares, sq.DownTotal, down_);
            }
    }

    void Run() {
        if (out_.Problem) return;
        stack_.assign(static_cast<std::size_t>(cellCount_ + 1) * kMaxSquares, kAllDigits);
        for (int id = 0; id < runCount_; ++id) Enqueue(id);
        if (Propagate(Level(0))) Search(0);
    }

private:
    void AddRun(int r, int c, int dr, int dc, int length, int total, int* owner) {
        if (length == 0) return;
        if (length > 9) {
            out_.Problem = "a run longer than 9 squares";
            return;
        }
        TRun& run = runs_[runCount_];
        run.Total = total;
        run.Length = length;
        for (int j = 1; j <= length; ++j) {
            const int rr = r + j * dr;
            const int cc = c + j * dc;
            const int cell = rr < rows_ && cc < cols_ ? cellAt_[rr][cc] : -1;
            if (cell < 0) {
                out_.Problem = "a run leaves the region or crosses a square that is not White";
                return;
            }
            if (owner[cell] != kNoRun) {
                out_.Problem = "a White square lies in two runs of one direction";
                return;
            }
            owner[cell] = runCount_;
            run.Cells[j - 1] = cell;
        }
        ++runCount_;
    }

    std::uint16_t* Level(int depth) {
        return stack_.data() + static_cast<std::size_t>(depth) * kMaxSquares;
    }

    void Enqueue(int id) {
        if (id == kNoRun || queued_[id]) return;
        queued_[id] = true;
        queue_[queueEnd_++ % kMaxRuns] = id;
    }

    void ClearQueue() {
        while (queueBegin_ != queueEnd_) queued_[queue_[queueBegin_++ % kMaxRuns]] = false;
    }

    // Narrows every square of the run to the digits that some solution of the run alone allows.
    // False when a square has none left.
    bool Narrow(int id, std::uint16_t* dom) {
        const TRun& run = runs_[id];
        const int n = run.Length;
        std::uint16_t support[9] = {};
        if (run.Total >= 1 && run.Total <= 45) {
            for (const std::uint16_t combo : combos_.Masks[n][run.Total]) {
                bool possible = true;
                for (int i = 0; i < n && possible; ++i) possible = (dom[run.Cells[i]] & combo) != 0;
                if (!possible) continue;
                // before[i]: digit sets the first i squares can take; after[i]: the last n-i.
                TMaskSet before[10];
                TMaskSet after[10];
                before[0].Clear();
                before[0].Add(0);
                for (int i = 0; i < n; ++i) {
                    before[i + 1].Clear();
                    const int allowed = dom[run.Cells[i]] & combo;
                    before[i].ForEach([&](int used) {
                        for (int bits = allowed & ~used; bits != 0; bits &= bits - 1)
                            before[i + 1].Add(used | (bits & -bits));
                    });
                }
                if (!before[n].Has(combo)) continue;
                after[n].Clear();
                after[n].Add(0);
                for (int i = n - 1; i >= 0; --i) {
                    after[i].Clear();
                    const int allowed = dom[run.Cells[i]] & combo;
                    after[i + 1].ForEach([&](int used) {
                        for (int bits = allowed & ~used; bits != 0; bits &= bits - 1)
                            after[i].Add(used | (bits & -bits));
                    });
                }
                for (int i = 0; i < n; ++i) {
                    const int allowed = dom[run.Cells[i]] & combo;
                    before[i].ForEach([&](int used) {
                        const int rest = combo & ~used;
                        for (int bits = allowed & rest; bits != 0; bits &= bits - 1) {
                            const int digit = bits & -bits;
                            if (after[i + 1].Has(rest & ~digit))
                                support[i] = static_cast<std::uint16_t>(support[i] | digit);
                        }
                    });
                }
            }
        }
        for (int i = 0; i < n; ++i) {
            const int cell = run.Cells[i];
            const auto narrowed = static_cast<std::uint16_t>(dom[cell] & support[i]);
            if (narrowed == 0) return false;
            if (narrowed != dom[cell]) {
                dom[cell] = narrowed;
                Enqueue(across_[cell] == id ? down_[cell] : across_[cell]);
            }
        }
        return true;
    }

    bool Propagate(std::uint16_t* dom) {
        while (queueBegin_ != queueEnd_) {
            const int id = queue_[queueBegin_++ % kMaxRuns];
            queued_[id] = false;
            if (!Narrow(id, dom)) {
                ClearQueue();
                return false;
            }
        }
        return true;
    }

    void Search(int depth) {
        std::uint16_t* dom = Level(depth);
        int best = -1;
        int bestCount = 10;
        for (int i = 0; i < cellCount_; ++i) {
            const int count = std::popcount(static_cast<unsigned>(dom[i]));
            if (count > 1 && count < bestCount) {
                best = i;
                bestCount = count;
            }
        }
        if (best < 0) {
            if (found_ == 0)
                for (int i = 0; i < cellCount_; ++i)
                    out_.Digits[cellRow_[i]][cellCol_[i]] = static_cast<std::int8_t>(
                        std::countr_zero(static_cast<unsigned>(dom[i])) + 1);
            out_.Solutions = ++found_;
            return;
        }
        std::uint16_t* next = Level(depth + 1);
        for (int d = 1; d <= 9 && found_ < limit_; ++d) {
            if (!(dom[best] & Bit(d))) continue;
            for (int i = 0; i < cellCount_; ++i) next[i] = dom[i];
            next[best] = static_cast<std::uint16_t>(Bit(d));
            Enqueue(across_[best]);
            Enqueue(down_[best]);
            if (Propagate(next)) Search(depth + 1);
        }
    }

    const TCombos& combos_;
    int limit_;
    TExhaustiveResult& out_;
    int rows_ = 0;
    int cols_ = 0;
    int found_ = 0;
    int cellAt_[kGridRows][kGridCols] = {};
    int cellCount_ = 0;
    int cellRow_[kMaxSquares] = {};
    int cellCol_[kMaxSquares] = {};
    int across_[kMaxSquares] = {};
    int down_[kMaxSquares] = {};
    TRun runs_[kMaxRuns] = {};
    int runCount_ = 0;
    int queue_[kMaxRuns] = {};
    bool queued_[kMaxRuns] = {};
    unsigned queueBegin_ = 0;
    unsigned queueEnd_ = 0;
    std::vector<std::uint16_t> stack_;  // candidate digits of every square, one row per depth
};

}  // namespace

TExhaustiveResult SolveExhaustively(const TPuzzleGrid& grid, int sizeCode, int limit) {
    TExhaustiveResult result;
    auto search = std::make_unique<TSearch>(grid, sizeCode, limit, result);
    search->Run();
    return result;
}

}  // namespace xs::test
