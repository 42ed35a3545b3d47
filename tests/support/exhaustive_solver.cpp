// A test-only solver that counts a puzzle's solutions by plain search over its stored runs.
#include "support/exhaustive_solver.h"

#include <array>
#include <bit>

namespace xs::test {

namespace {

constexpr int kAllDigits = 0x1FF;  // bit d-1 stands for digit d

// SumsTable[mask][k]: bit s is set when k distinct digits taken from mask can add up to s.
struct TSumsTable {
    std::uint64_t Sums[512][10] = {};
    TSumsTable() {
        for (int mask = 0; mask < 512; ++mask) {
            // Every subset of the mask, the empty one included.
            for (int sub = mask;; sub = (sub - 1) & mask) {
                int sum = 0;
                for (int d = 1; d <= 9; ++d)
                    if (sub & (1 << (d - 1))) sum += d;
                Sums[mask][std::popcount(static_cast<unsigned>(sub))] |= std::uint64_t{1} << sum;
                if (sub == 0) break;
            }
        }
    }
};

const TSumsTable& Sums() {
    static const TSumsTable table;
    return table;
}

struct TRun {
    int Total = 0;
    int Length = 0;
    int Placed = 0;  // squares with a digit
    int Sum = 0;     // of their digits
    int Used = 0;    // their digits as bits
};

constexpr int kNoRun = -1;

class TSearch {
public:
    TSearch(const TPuzzleGrid& grid, int sizeCode, int limit, TExhaustiveResult& out)
        : limit_(limit), out_(out) {
        const TSizeDims dims = SizeDims(sizeCode);
        rows_ = dims.Rows;
        cols_ = dims.Cols;
        if (rows_ == 0) {
            out_.Problem = "unknown size";
            return;
        }
        for (auto& row : acrossRun_) row.fill(kNoRun);
        for (auto& row : downRun_) row.fill(kNoRun);
        for (int r = 0; r < rows_ && !out_.Problem; ++r)
            for (int c = 0; c < cols_ && !out_.Problem; ++c) ReadSquare(grid, r, c);
    }

    void Run() {
        if (out_.Problem) return;
        Search(0);
    }

private:
    void ReadSquare(const TPuzzleGrid& grid, int r, int c) {
        const TSquare& sq = grid.Sq[r][c];
        if (sq.Kind == White) {
            cells_[cellCount_++] = {r, c};
            return;
        }
        if (sq.Kind != Black) return;
        AddRun(grid, r, c, 0, 1, sq.AcrossSquares, sq.AcrossTotal, acrossRun_);
        AddRun(grid, r, c, 1, 0, sq.DownSquares, sq.DownTotal, downRun_);
    }

    void AddRun(const TPuzzleGrid& grid, int r, int c, int dr, int dc, int length, int total,
                std::array<std::array<int, kGridCols>, kGridRows>& owner) {
        if (length == 0) return;
        const int id = runCount_++;
        runs_[id] = TRun{total, length, 0, 0, 0};
        for (int j = 1; j <= length; ++j) {
            const int rr = r + j * dr;
            const int cc = c + j * dc;
            if (rr >= rows_ || cc >= cols_ || grid.Sq[rr][cc].Kind != White) {
                out_.Problem = "a run leaves the region or crosses a square that is not White";
                return;
            }
            if (owner[rr][cc] != kNoRun) {
                out_.Problem = "a White square lies in two runs of one direction";
                return;
            }
            owner[rr][cc] = id;
        }
    }

    // Digits that a square of the run can take without making the run's total unreachable.
    int RunCandidates(int id) const {
        if (id == kNoRun) return kAllDigits;
        const TRun& run = runs_[id];
        const int left = run.Length - run.Placed;
        const int need = run.Total - run.Sum;
        const int free = kAllDigits & ~run.Used;
        int result = 0;
        for (int d = 1; d <= 9; ++d) {
            const int bit = 1 << (d - 1);
            if (!(free & bit) || need - d < 0 || need - d > 45) continue;
            if (Sums().Sums[free & ~bit][left - 1] >> (need - d) & 1) result |= bit;
        }
        return result;
    }

    void Place(int id, int d, int sign) {
        if (id == kNoRun) return;
        TRun& run = runs_[id];
        run.Placed += sign;
        run.Sum += sign * d;
        run.Used ^= 1 << (d - 1);
    }

    void Search(int placed) {
        if (found_ >= limit_) return;
        if (placed == cellCount_) {
            if (found_ == 0)
                for (int i = 0; i < cellCount_; ++i)
                    out_.Digits[cells_[i].R][cells_[i].C] = static_cast<std::int8_t>(digit_[i]);
            ++found_;
            out_.Solutions = found_;
            return;
        }
        // The empty square with the fewest candidates keeps the tree small.
        int best = -1;
        int bestMask = 0;
        int bestCount = 10;
        for (int i = 0; i < cellCount_; ++i) {
            if (digit_[i] != 0) continue;
            const int mask = RunCandidates(acrossRun_[cells_[i].R][cells_[i].C]) &
                             RunCandidates(downRun_[cells_[i].R][cells_[i].C]);
            const int count = std::popcount(static_cast<unsigned>(mask));
            if (count < bestCount) {
                best = i;
                bestMask = mask;
                bestCount = count;
                if (count == 0) return;
            }
        }
        const int across = acrossRun_[cells_[best].R][cells_[best].C];
        const int down = downRun_[cells_[best].R][cells_[best].C];
        for (int d = 1; d <= 9 && found_ < limit_; ++d) {
            if (!(bestMask & (1 << (d - 1)))) continue;
            digit_[best] = d;
            Place(across, d, 1);
            Place(down, d, 1);
            Search(placed + 1);
            Place(across, d, -1);
            Place(down, d, -1);
            digit_[best] = 0;
        }
    }

    struct TCell {
        int R, C;
    };

    int limit_;
    TExhaustiveResult& out_;
    int rows_ = 0;
    int cols_ = 0;
    int found_ = 0;
    std::array<TCell, kGridRows * kGridCols> cells_{};
    std::array<int, kGridRows * kGridCols> digit_{};
    int cellCount_ = 0;
    std::array<TRun, 2 * kGridRows * kGridCols> runs_{};
    int runCount_ = 0;
    std::array<std::array<int, kGridCols>, kGridRows> acrossRun_{};
    std::array<std::array<int, kGridCols>, kGridRows> downRun_{};
};

}  // namespace

TExhaustiveResult SolveExhaustively(const TPuzzleGrid& grid, int sizeCode, int limit) {
    TExhaustiveResult result;
    TSearch search(grid, sizeCode, limit, result);
    search.Run();
    return result;
}

}  // namespace xs::test
