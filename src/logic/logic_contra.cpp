// Contradiction, the last rung: a digit that, followed step by step with the single-run
// techniques, leaves a run no way to be completed, so the square cannot hold it.
#include <memory>

#include "generate/propagate.h"
#include "logic/logic_combos.h"
#include "logic/logic_parts.h"

namespace xs {

using namespace logic_detail;

namespace {

constexpr int kMaxTrialSteps = 60;      // steps followed from one assumed digit before giving up
constexpr int kMaxSearchSteps = 30000;  // steps over all assumed digits of one search

bool SameRun(const TStepRun& a, const TStepRun& b) {
    return a.ClueRow == b.ClueRow && a.ClueCol == b.ClueCol && a.Down == b.Down;
}

}  // namespace

int logic_detail::RunBreak(const TLogicBoard& board, const TLogicRun& run) {
    TCandidates seen = 0;
    for (int k = 0; k < run.Length; ++k) {
        const int d = board.Digit(run.Rows[k], run.Cols[k]);
        if (d == 0) continue;
        if (seen & Bit(d)) return d;
        seen = static_cast<TCandidates>(seen | Bit(d));
    }
    const TLogicBoard::TRunState st = board.StateOf(run);
    if (st.Open == 0) return st.Remainder == 0 ? 0 : -1;
    if (CombinationCount(st.Open, st.Remainder, st.Placed) == 0) return -1;
    for (int k = 0; k < st.Open; ++k) {
        TCandidates others[9];
        int n = 0;
        for (int j = 0; j < st.Open; ++j)
            if (j != k) others[n++] = static_cast<TCandidates>(st.OpenCand[j] & ~st.Placed);
        if (FeasibleDigits(static_cast<TCandidates>(st.OpenCand[k] & ~st.Placed), others, n,
                           st.Remainder) == 0)
            return -1;
    }
    return 0;
}

bool TLogicBoard::FindContradiction(TLogicStep& step) const {
    static thread_local std::unique_ptr<TLogicBoard> trial = std::make_unique<TLogicBoard>();
    TLogicStep links[kMaxTrialSteps];
    int budget = kMaxSearchSteps;
    // Squares with the fewest candidates first: two, then three, ...; digits from the smallest.
    for (int size = 2; size <= 9; ++size) {
        for (int r = 1; r <= Size.LastRow; ++r) {
            for (int c = 1; c <= Size.LastCol; ++c) {
                const TCandidates cand = Cand[r][c];
                if (Digits[r][c] != 0 || cand == 0 || Count(cand) != size) continue;
                for (int d = 1; d <= 9; ++d) {
                    if (!(cand & Bit(d))) continue;
                    *trial = *this;
                    trial->PlaceDigit(r, c, d);
                    int broken = -1;
                    int count = 0;
                    // The runs of the last changed square are the ones a step can break.
                    int lastRow = r;
                    int lastCol = c;
                    for (;;) {
                        for (int p = 0; p < 2 && broken < 0; ++p) {
                            const int run = RunOf[p][lastRow][lastCol];
                            if (run >= 0 && RunBreak(*trial, Runs[run]) != 0) broken = run;
                        }
                        if (broken >= 0 || count == kMaxTrialSteps || --budget < 0) break;
                        TLogicStep next;
                        bool found = false;
                        for (int t = 0; t < static_cast<int>(TTechnique::BlockSums) && !found; ++t)
                            found = trial->FindStep(static_cast<TTechnique>(t), next);
                        if (!found) break;
                        trial->Apply(next);
                        links[count++] = next;
                        lastRow = next.Row;
                        lastCol = next.Col;
                    }
                    if (budget < 0) return false;
                    if (broken < 0) continue;
                    if (BuildContradiction(r, c, d, broken, links, count, step)) return true;
                }
            }
        }
    }
    return false;
}

// Keeps the links the broken run rests on, going back from it: a link counts when its square lies
// in a run that a later kept link (or the broken run) names.
bool TLogicBoard::BuildContradiction(int row, int col, int digit, int broken,
                                     const TLogicStep* links, int count, TLogicStep& step) const {
    bool wanted[kGridRows][kGridCols] = {};
    auto want = [&](const TLogicRun& run) {
        for (int k = 0; k < run.Length; ++k) wanted[run.Rows[k]][run.Cols[k]] = true;
    };
    want(Runs[broken]);
    bool kept[kMaxTrialSteps] = {};
    int keptCount = 0;
    for (int i = count - 1; i >= 0; --i) {
        if (!wanted[links[i].Row][links[i].Col]) continue;
        kept[i] = true;
        ++keptCount;
        for (int k = 0; k < links[i].RunCount; ++k) want(Run(links[i].Runs[k]));
    }
    if (keptCount > kMaxChain) return false;
    TLogicStep s = Narrow(TTechnique::Contradiction, row, col, Cand[row][col],
                          static_cast<TCandidates>(Cand[row][col] & ~Bit(digit)));
    s.Digits = Bit(digit);
    auto name = [&](const TStepRun& ref) {
        for (int k = 0; k < s.RunCount; ++k)
            if (SameRun(s.Runs[k], ref)) return k;
        if (s.RunCount == kMaxStepRuns) return -1;
        s.Runs[s.RunCount] = ref;
        return s.RunCount++;
    };
    name(RefOf(Runs[broken]));
    for (int i = 0; i < count; ++i) {
        if (!kept[i]) continue;
        TChainLink& link = s.Chain[s.ChainCount++];
        link.Technique = links[i].Technique;
        link.Row = static_cast<std::int8_t>(links[i].Row);
        link.Col = static_cast<std::int8_t>(links[i].Col);
        link.Place = static_cast<std::int8_t>(links[i].Place);
        link.Remove = links[i].Remove;
        for (int k = 0; k < links[i].RunCount; ++k) {
            const int at = name(links[i].Runs[k]);
            if (at < 0) return false;
            if (k < 2) link.Run[k] = static_cast<std::int8_t>(at);
        }
    }
    step = s;
    return true;
}

}  // namespace xs
