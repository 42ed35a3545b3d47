// Solution counting by depth-first search: always the square with the fewest digits left, a
// run's digits kept to those that some completion of the run can use.
#include "generate/solution_count.h"

#include <bit>
#include <bitset>
#include <cstring>
#include <initializer_list>

namespace xs {

namespace {

constexpr int kMaxSquares = kGridRows * kGridCols;
constexpr int kMaxRuns = 2 * kMaxSquares;
constexpr int kMaxRunSquares = 9;

// A set of digit sets: bit m for the set m of digits (bit d - 1 for digit d).
struct TMaskSet {
    std::uint64_t Words[8];
    void Clear() { std::memset(Words, 0, sizeof Words); }
    bool Has(unsigned m) const { return (Words[m >> 6] >> (m & 63)) & 1U; }
    void Add(unsigned m) { Words[m >> 6] |= std::uint64_t{1} << (m & 63); }
};

int DigitSum(unsigned set) {
    int sum = 0;
    for (int d = 1; d <= 9; ++d)
        if ((set >> (d - 1)) & 1U) sum += d;
    return sum;
}

struct TRun {
    int Total;
    int Length;
    int Square[kMaxRunSquares];
};

struct TSearch {
    int Squares = 0;
    int SquareRow[kMaxSquares];
    int SquareCol[kMaxSquares];
    int AcrossRun[kMaxSquares];
    int DownRun[kMaxSquares];
    // Digits each square can still take, bit d - 1 for digit d; saved per search depth.
    std::uint16_t Cand[kMaxSquares];
    std::uint16_t Saved[kMaxSquares + 1][kMaxSquares];
    int Runs = 0;
    TRun Run[kMaxRuns];
    int Queue[kMaxRuns];
    bool Queued[kMaxRuns];
    long Guesses = 0;
    const TCountOptions* Options = nullptr;
    TSolutionCount* Result = nullptr;

    // With repeats: the sums reachable after each square, and those that can still be completed.
    bool NarrowSums(int r, bool& changed) {
        const TRun& run = Run[r];
        constexpr int kSums = 9 * kMaxRunSquares + 1;
        std::bitset<kSums> reach[kMaxRunSquares + 1];
        reach[0].set(0);
        for (int i = 0; i < run.Length; ++i)
            for (int d = 1; d <= 9; ++d)
                if ((Cand[run.Square[i]] >> (d - 1)) & 1U) reach[i + 1] |= reach[i] << d;
        std::bitset<kSums> ahead;
        if (run.Total >= 0 && run.Total < kSums && reach[run.Length].test(run.Total))
            ahead.set(run.Total);
        changed = false;
        for (int i = run.Length - 1; i >= 0; --i) {
            std::bitset<kSums> back;
            unsigned support = 0;
            const unsigned cand = Cand[run.Square[i]];
            for (int d = 1; d <= 9; ++d) {
                if (((cand >> (d - 1)) & 1U) == 0) continue;
                const std::bitset<kSums> from = reach[i] & (ahead >> d);
                if (from.any()) {
                    back |= from;
                    support |= 1U << (d - 1);
                }
            }
            if (support == 0) return false;
            if (support != cand) {
                Cand[run.Square[i]] = static_cast<std::uint16_t>(support);
                changed = true;
                Enqueue(OtherRun(run.Square[i], r));
            }
            ahead = back;
        }
        return true;
    }

    // Keeps in each square of the run only the digits that some filling of the whole run with
    // distinct digits from its squares' candidates, adding up to its total, gives it. Forward:
    // the digit sets reachable after each square; backward: those that can still be completed.
    bool Narrow(int r, bool& changed) {
        if (Options->Repeats) return NarrowSums(r, changed);
        const TRun& run = Run[r];
        TMaskSet reach[kMaxRunSquares + 1];
        reach[0].Clear();
        reach[0].Add(0);
        for (int i = 0; i < run.Length; ++i) {
            reach[i + 1].Clear();
            const unsigned cand = Cand[run.Square[i]];
            for (unsigned m = 0; m < 512; ++m) {
                if (!reach[i].Has(m)) continue;
                for (unsigned open = cand & ~m; open != 0; open &= open - 1)
                    reach[i + 1].Add(m | (open & (~open + 1)));
            }
        }
        TMaskSet ahead;
        ahead.Clear();
        for (unsigned m = 0; m < 512; ++m)
            if (reach[run.Length].Has(m) && DigitSum(m) == run.Total) ahead.Add(m);
        changed = false;
        for (int i = run.Length - 1; i >= 0; --i) {
            TMaskSet back;
            back.Clear();
            unsigned support = 0;
            const unsigned cand = Cand[run.Square[i]];
            for (unsigned m = 0; m < 512; ++m) {
                if (!reach[i].Has(m)) continue;
                for (unsigned open = cand & ~m; open != 0; open &= open - 1) {
                    const unsigned bit = open & (~open + 1);
                    if (ahead.Has(m | bit)) {
                        back.Add(m);
                        support |= bit;
                    }
                }
            }
            if (support == 0) return false;
            if (support != cand) {
                Cand[run.Square[i]] = static_cast<std::uint16_t>(support);
                changed = true;
                Enqueue(OtherRun(run.Square[i], r));
            }
            ahead = back;
        }
        return true;
    }

    int OtherRun(int square, int run) const {
        return AcrossRun[square] == run ? DownRun[square] : AcrossRun[square];
    }

    int QueueLength = 0;
    void Enqueue(int run) {
        if (Queued[run]) return;
        Queued[run] = true;
        Queue[QueueLength++] = run;
    }

    // Narrows every queued run, and the runs its changes reach, until nothing changes.
    bool Propagate() {
        bool sound = true;
        while (QueueLength > 0) {
            const int r = Queue[--QueueLength];
            Queued[r] = false;
            bool changed = false;
            if (sound && !Narrow(r, changed)) sound = false;
        }
        return sound;
    }

    void Found() {
        TSolutionCount& result = *Result;
        for (int s = 0; s < Squares; ++s) {
            const int digit = std::countr_zero(static_cast<unsigned>(Cand[s])) + 1;
            std::int8_t& first = result.First[SquareRow[s]][SquareCol[s]];
            if (result.Solutions == 0) {
                first = static_cast<std::int8_t>(digit);
            } else if (first != digit && result.DiffRow < 0) {
                result.DiffRow = SquareRow[s];
                result.DiffCol = SquareCol[s];
                result.DiffDigits[0] = first;
                result.DiffDigits[1] = digit;
            }
        }
        ++result.Solutions;
    }

    // True once the search is over: two solutions found or the limit reached.
    bool Search(int depth) {
        if (!Propagate()) return false;
        int best = -1;
        int bestCount = 10;
        for (int s = 0; s < Squares; ++s) {
            const int count = std::popcount(static_cast<unsigned>(Cand[s]));
            if (count > 1 && count < bestCount) {
                best = s;
                bestCount = count;
            }
        }
        if (best < 0) {
            Found();
            return Result->Solutions >= 2;
        }
        std::memcpy(Saved[depth], Cand, sizeof(std::uint16_t) * Squares);
        for (unsigned open = Saved[depth][best]; open != 0; open &= open - 1) {
            if (++Guesses > Options->MaxGuesses ||
                ((Guesses & 63) == 0 && Options->GiveUp && Options->GiveUp())) {
                Result->GaveUp = true;
                return true;
            }
            std::memcpy(Cand, Saved[depth], sizeof(std::uint16_t) * Squares);
            Cand[best] = static_cast<std::uint16_t>(open & (~open + 1));
            Enqueue(AcrossRun[best]);
            Enqueue(DownRun[best]);
            if (Search(depth + 1)) return true;
        }
        return false;
    }
};

}  // namespace

void CountSolutions(const TPuzzleGrid& grid, int rows, int cols, TSolutionCount& result,
                    const TCountOptions& options) {
    result = TSolutionCount{};
    if (rows < 1 || cols < 1 || rows > kGridRows || cols > kGridCols) return;
    static TSearch search;
    search.Squares = 0;
    search.Runs = 0;
    search.Guesses = 0;
    search.Options = &options;
    search.Result = &result;
    int index[kGridRows][kGridCols];
    std::memset(index, -1, sizeof index);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            if (grid.Sq[r][c].Kind == White) {
                const int s = search.Squares++;
                index[r][c] = s;
                search.SquareRow[s] = r;
                search.SquareCol[s] = c;
                search.AcrossRun[s] = -1;
                search.DownRun[s] = -1;
                search.Cand[s] = 0x1FF;
            }
    // Each run from its Black square; one that leaves the region, crosses a square that is not
    // White or gives a square a second run of one direction makes the puzzle unsolvable.
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            const TSquare& sq = grid.Sq[r][c];
            if (sq.Kind != Black) continue;
            for (int way = 0; way < 2; ++way) {
                const int length = way == 0 ? sq.AcrossSquares : sq.DownSquares;
                if (length == 0) continue;
                const int total = way == 0 ? sq.AcrossTotal : sq.DownTotal;
                if (length > kMaxRunSquares) return;
                const int run = search.Runs++;
                search.Run[run] = {total, length, {}};
                for (int k = 1; k <= length; ++k) {
                    const int rr = way == 0 ? r : r + k;
                    const int cc = way == 0 ? c + k : c;
                    if (rr >= rows || cc >= cols || index[rr][cc] < 0) return;
                    int& owner =
                        way == 0 ? search.AcrossRun[index[rr][cc]] : search.DownRun[index[rr][cc]];
                    if (owner >= 0) return;
                    owner = run;
                    search.Run[run].Square[k - 1] = index[rr][cc];
                }
            }
        }
    // A White square outside a run in either direction gets a run of its own of one square with
    // no total, which no digit fills.
    for (int s = 0; s < search.Squares; ++s)
        for (int* owner : {&search.AcrossRun[s], &search.DownRun[s]})
            if (*owner < 0) {
                *owner = search.Runs++;
                search.Run[*owner] = {0, 1, {s}};
            }
    search.QueueLength = 0;
    for (int r = 0; r < search.Runs; ++r) {
        search.Queued[r] = false;
        search.Enqueue(r);
    }
    search.Search(0);
}

}  // namespace xs
