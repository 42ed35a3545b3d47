// The sentences of the teaching solver's single-run steps: what the run still needs, in how many
// squares, and the reason for every digit the step removes.
#include <string>

#include "logic/logic_combos.h"
#include "logic/logic_parts.h"
#include "logic/logic_words.h"

namespace xs {

using namespace logic_detail;
using namespace logic_words;

namespace {

constexpr int kMaxListed = 6;  // more combinations than this are counted, not listed

// True when the open squares can take distinct digits of `set`, each from its own candidates.
bool Fits(const TCandidates* cand, int n, TCandidates set) {
    if (n == 0) return set == 0;
    for (int d = 1; d <= 9; ++d) {
        if ((set & Bit(d)) && (cand[0] & Bit(d)) &&
            Fits(cand + 1, n - 1, static_cast<TCandidates>(set & ~Bit(d))))
            return true;
    }
    return false;
}

// The m largest (or smallest) digits of `pool`.
TCandidates Extreme(TCandidates pool, int m, bool largest) {
    TCandidates out = 0;
    for (int i = 1; i <= 9 && m > 0; ++i) {
        const int d = largest ? 10 - i : i;
        if (pool & Bit(d)) out = static_cast<TCandidates>(out | Bit(d)), --m;
    }
    return m == 0 ? out : 0;
}

int SumOf(TCandidates set) {
    int sum = 0;
    for (int d = 1; d <= 9; ++d)
        if (set & Bit(d)) sum += d;
    return sum;
}

// Crossing runs: what one run needs and the digits it allows in the square.
std::string Allows(const TLogicRun& run, const TLogicBoard::TRunState& st, TCandidates cand) {
    const TCandidates allowed =
        static_cast<TCandidates>(cand & CombinationUnion(st.Open, st.Remainder, st.Placed));
    if (st.Placed == 0)
        return Say("The %1 needs %2 in %n squares, so it allows %3 here.",
                   {RunName(run), Num(run.Total), DigitList(allowed, true)}, st.Open);
    return Say(
        "The %1 holds %2 already and needs %3 more in its %n open squares, so it allows "
        "%4 here.",
        {RunName(run), DigitList(st.Placed, false, false), Num(st.Remainder),
         DigitList(allowed, true)},
        st.Open);
}

// Possible digits: why each removed digit is in no combination of the run.
std::string PossibleText(const TLogicRun& run, const TLogicBoard::TRunState& st,
                         const TLogicStep& step, TCandidates cand) {
    const TCandidates there = static_cast<TCandidates>(step.Remove & st.Placed);
    TCandidates rest = static_cast<TCandidates>(step.Remove & ~st.Placed);
    const int n = Count(there);
    std::string out;
    if (rest == 0 && step.Place == 0)
        return Say(n == 1 ? "%1 is already in the %2, so this square cannot hold it."
                          : "%1 are already in the %2, so this square cannot hold them.",
                   {DigitList(there), RunName(run)}, n);
    out = Needs(run, st);
    if (there != 0)
        Add(out,
            Say(n == 1 ? "%1 is already in it." : "%1 are already in it.", {DigitList(there)}, n));
    const TCandidates free = static_cast<TCandidates>(kAllCandidates & ~st.Placed);
    TCandidates small = 0;
    TCandidates large = 0;
    for (int d = 1; d <= 9; ++d) {
        if (!(rest & Bit(d))) continue;
        const TCandidates pool = static_cast<TCandidates>(free & ~Bit(d));
        const TCandidates top = Extreme(pool, st.Open - 1, true);
        const TCandidates bottom = Extreme(pool, st.Open - 1, false);
        if (d + SumOf(top) < st.Remainder) small = static_cast<TCandidates>(small | Bit(d));
        if (d + SumOf(bottom) > st.Remainder) large = static_cast<TCandidates>(large | Bit(d));
    }
    if (small != 0) {
        const int d = Highest(small);
        const TCandidates set = static_cast<TCandidates>(
            Bit(d) | Extreme(static_cast<TCandidates>(free & ~Bit(d)), st.Open - 1, true));
        Add(out, Say(Count(small) == 1 ? "%1 is only %2." : "Even %1 is only %2.",
                     {SumText(set), Num(SumOf(set))}));
    }
    if (large != 0) {
        const int d = Lowest(large);
        const TCandidates set = static_cast<TCandidates>(
            Bit(d) | Extreme(static_cast<TCandidates>(free & ~Bit(d)), st.Open - 1, false));
        Add(out, Say(Count(large) == 1 ? "%1 is already %2." : "Even %1 is already %2.",
                     {SumText(set), Num(SumOf(set))}));
    }
    rest = static_cast<TCandidates>(rest & ~small & ~large);
    if (rest != 0) {
        TCandidates sets[kMaxCombinations];
        const int combos = Combinations(st.Open, st.Remainder, st.Placed, sets);
        Add(out, Say("Its combinations are %1, and none of them uses %2.",
                     {SetsText(sets, combos), DigitList(rest, true)}));
    }
    Add(out, Outcome(step, cand));
    return out;
}

// Smallest and largest sums: what the run's other open squares can add up to.
std::string SumRangeText(const TLogicRun& run, const TLogicBoard::TRunState& st,
                         const TLogicStep& step, TCandidates cand) {
    std::string out = Needs(run, st);
    const int others = st.Open - 1;
    const int from = st.Remainder - step.High < 1 ? 1 : st.Remainder - step.High;
    const int to = st.Remainder - step.Low > 9 ? 9 : st.Remainder - step.Low;
    if (others == 1) {
        TCandidates other = 0;
        for (int k = 0; k < st.Open; ++k)
            if (st.OpenRows[k] != step.Row || st.OpenCols[k] != step.Col)
                other = static_cast<TCandidates>(st.OpenCand[k] & ~st.Placed);
        TCandidates here = 0;
        for (int x = 1; x <= 9; ++x) {
            const int e = st.Remainder - x;
            if ((other & Bit(x)) && e >= 1 && e <= 9 && e != x)
                here = static_cast<TCandidates>(here | Bit(e));
        }
        Add(out, Say(st.Placed == 0 ? "Its other square holds %1, so this one holds %2."
                                    : "Its other open square holds %1, so this one holds %2.",
                     {DigitList(other, true), DigitList(here, true)}));
        Add(out, Outcome(step, cand, false));
        return out;
    }
    Add(out, step.Low == step.High
                 ? Say("Its other %n open squares add up to exactly %1.", {Num(step.Low)}, others)
                 : Say("Its other %n open squares add up to at least %1 and at most %2.",
                       {Num(step.Low), Num(step.High)}, others));
    // Where the least or the most would take one digit twice, say so.
    int lowTwice = 0;
    int highTwice = 0;
    int naiveLow = 0;
    int naiveHigh = 0;
    TCandidates lows = 0;
    TCandidates highs = 0;
    for (int k = 0; k < st.Open; ++k) {
        if (st.OpenRows[k] == step.Row && st.OpenCols[k] == step.Col) continue;
        const TCandidates c = static_cast<TCandidates>(st.OpenCand[k] & ~st.Placed);
        const int lo = Lowest(c);
        const int hi = Highest(c);
        naiveLow += lo;
        naiveHigh += hi;
        if (lows & Bit(lo)) lowTwice = lo;
        if (highs & Bit(hi)) highTwice = hi;
        lows = static_cast<TCandidates>(lows | Bit(lo));
        highs = static_cast<TCandidates>(highs | Bit(hi));
    }
    if (step.Low == naiveLow) lowTwice = 0;
    if (step.High == naiveHigh) highTwice = 0;
    if (lowTwice != 0 && highTwice != 0)
        Add(out,
            Say("Two of them cannot both be %1, nor both be %2.", {Num(lowTwice), Num(highTwice)}));
    else if (lowTwice != 0 || highTwice != 0)
        Add(out, Say("Two of them cannot both be %1.", {Num(lowTwice + highTwice)}));
    TCandidates range = 0;
    for (int e = from; e <= to; ++e) range = static_cast<TCandidates>(range | Bit(e));
    Add(out, Say("So this one holds %1.", {DigitList(range, true)}));
    Add(out, Outcome(step, cand, false));
    return out;
}

std::string FittingText(const TLogicRun& run, const TLogicBoard::TRunState& st,
                        const TLogicStep& step, TCandidates cand) {
    TCandidates sets[kMaxCombinations];
    const int combos = Combinations(st.Open, st.Remainder, st.Placed, sets);
    TCandidates open[9];
    for (int k = 0; k < st.Open; ++k)
        open[k] = static_cast<TCandidates>(st.OpenCand[k] & ~st.Placed);
    TCandidates fitting[kMaxCombinations];
    int n = 0;
    for (int i = 0; i < combos; ++i)
        if (Fits(open, st.Open, sets[i])) fitting[n++] = sets[i];
    std::string out = Needs(run, st);
    const std::string fit = SetsText(fitting, n);
    if (n == 1)
        Add(out,
            Say("Of its combinations only %1 fits the digits still open in its squares.", {fit}));
    else if (n == combos && n <= kMaxListed)
        Add(out, Say("Its combinations %1 all fit the digits still open in its squares.", {fit}));
    else if (n == combos)
        Add(out, Say("All its %n combinations fit the digits still open in its squares.", {}, n));
    else if (n <= kMaxListed)
        Add(out,
            Say("Of its combinations only %1 fit the digits still open in its squares.", {fit}));
    else
        Add(out, Say("%n of its %1 combinations fit the digits still open in its squares.",
                     {Num(combos)}, n));
    const TCandidates kept = static_cast<TCandidates>(cand & ~step.Remove);
    Add(out, Say(n == 1 ? "Placed in the run's squares as their digits allow, it leaves this "
                          "square only %1."
                        : "Placed in the run's squares as their digits allow, they leave this "
                          "square only %1.",
                 {DigitList(kept, true)}));
    Add(out, Outcome(step, cand, false));
    return out;
}

}  // namespace

std::string StepText(const TLogicBoard& before, const TLogicStep& step) {
    if (step.RunCount == 0) return {};
    if (step.Technique == TTechnique::BlockSums) return BlockText(before, step);
    if (step.Technique == TTechnique::Contradiction) return ContradictionText(before, step);
    const TLogicRun& run = before.Run(step.Runs[0]);
    const TLogicBoard::TRunState st = before.StateOf(run);
    const TCandidates cand = before.Candidates(step.Row, step.Col);
    TCandidates sets[kMaxCombinations];
    const int combos = Combinations(st.Open, st.Remainder, st.Placed, sets);
    switch (step.Technique) {
        case TTechnique::LastSquare:
            if (run.Length == 1)
                return Say("The %1 is a single square, so it holds %2.",
                           {RunName(run), Num(step.Place)});
            return Say(
                "This is the last open square of the %1: %2 less the %3 already in it "
                "leaves %4.",
                {RunName(run), Num(run.Total), DigitList(st.Placed, false, false),
                 Num(step.Place)});
        case TTechnique::Crossing: {
            if (step.RunCount < 2) return {};
            const TLogicRun& other = before.Run(step.Runs[1]);
            return Sentences(
                {cand != kAllCandidates
                     ? Say("The digits still open here are %1.", {DigitList(cand)})
                     : std::string(),
                 Allows(run, st, cand), Allows(other, before.StateOf(other), cand),
                 Say("Only %1 fits both runs, so this square holds %1.", {Num(step.Place)})});
        }
        case TTechnique::OneCombination:
            return Sentences({Needs(run, st), Say("Only %1 make that.", {DigitList(sets[0])}),
                              Outcome(step, cand)});
        case TTechnique::PossibleDigits:
            return PossibleText(run, st, step, cand);
        case TTechnique::NeededDigit: {
            const std::string place = Num(step.Place);
            return Sentences(
                {Needs(run, st),
                 combos <= kMaxListed ? Say("Every combination for that (%1) uses %2.",
                                            {SetsText(sets, combos), place})
                                      : Say("Every combination for that uses %1.", {place}),
                 Say("No other open square of the run can still hold %1, so this square holds %1.",
                     {place})});
        }
        case TTechnique::LockedDigits: {
            // Rows and columns may pass 9: list them as numbers, not as digits.
            std::string names[kMaxStepCells];
            int n = 0;
            for (int i = 0; i < step.CellCount; ++i)
                names[n++] = Num(run.Down ? step.Cells[i].Row : step.Cells[i].Col);
            return Sentences(
                {Say(run.Down ? "In the %1, the squares in rows %2 can only hold %3 between "
                                "them, so no other square of the run can hold those digits."
                              : "In the %1, the squares in columns %2 can only hold %3 between "
                                "them, so no other square of the run can hold those digits.",
                     {RunName(run), JoinNames(names, n), DigitList(step.Digits)}),
                 Outcome(step, cand)});
        }
        case TTechnique::SumRange:
            return SumRangeText(run, st, step, cand);
        case TTechnique::FittingCombinations:
            return FittingText(run, st, step, cand);
        case TTechnique::BlockSums:
        case TTechnique::Contradiction:
            break;
    }
    return {};
}

}  // namespace xs
