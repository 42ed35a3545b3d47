// The sentences of the teaching solver's steps: what the named runs allow, in a player's words.
#include <string>

#include "logic/logic_combos.h"
#include "logic/logic_solver.h"

namespace xs {

namespace {

constexpr int kMaxListed = 4;  // more combinations than this are counted, not listed

std::string Words(int n) {
    static const char* const kWords[] = {"no",   "one", "two",   "three", "four",
                                         "five", "six", "seven", "eight", "nine"};
    return n >= 0 && n <= 9 ? kWords[n] : std::to_string(n);
}

std::string Capital(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 32);
    return text;
}

// "8 and 9", "1, 2 and 4", "1 to 7 and 9": three or more digits in a row read as a span unless
// spans is false.
std::string DigitList(TCandidates mask, const char* last = "and", bool spans = true) {
    std::string parts[9];
    int n = 0;
    for (int d = 1; d <= 9; ++d) {
        if (!(mask & (1u << d))) continue;
        int e = d;
        while (e < 9 && (mask & (1u << (e + 1)))) ++e;
        if (spans && e - d >= 2) {
            parts[n++] = std::to_string(d) + " to " + std::to_string(e);
            d = e;
        } else {
            parts[n++] = std::to_string(d);
        }
    }
    std::string out;
    for (int i = 0; i < n; ++i) {
        if (i > 0) out += i == n - 1 ? std::string(" ") + last + " " : ", ";
        out += parts[i];
    }
    return out;
}

// "1,5,8", as the combinations strip writes a combination.
std::string SetText(TCandidates set) {
    std::string out;
    for (int d = 1; d <= 9; ++d)
        if (set & (1u << d)) {
            if (!out.empty()) out += ',';
            out += static_cast<char>('0' + d);
        }
    return out;
}

// "1,9 / 2,8 / 3,7"; nothing when there are more than a few.
std::string SetsText(const TCandidates* sets, int n) {
    if (n > kMaxListed) return {};
    std::string out;
    for (int i = 0; i < n; ++i) out += (i > 0 ? " / " : "") + SetText(sets[i]);
    return out;
}

std::string RunName(const TLogicRun& run) {
    return std::string(run.Down ? "the down " : "the across ") + std::to_string(run.Total);
}

// "the across 16 needs 16 in two squares" or "the across 23 needs 14 more in its two open
// squares, besides the 9 already in it".
std::string Needs(const TLogicRun& run, const TLogicBoard::TRunState& st) {
    if (st.Placed == 0)
        return RunName(run) + " needs " + std::to_string(run.Total) + " in " + Words(st.Open) +
               " squares";
    return RunName(run) + " needs " + std::to_string(st.Remainder) + " more in its " +
           Words(st.Open) + " open squares, besides the " + DigitList(st.Placed, "and", false) +
           " already in it";
}

// What the step does to its square, told after its reason ("so ..." unless `so` is false).
std::string Outcome(const TLogicStep& step, TCandidates before, bool so = true) {
    const std::string lead = so ? "so " : "";
    if (step.Place == 0)
        return lead + "this square cannot hold " + DigitList(step.Remove, "or") + ".";
    const std::string d = std::to_string(step.Place);
    if (before == kAllCandidates) return lead + "this square holds " + d + ".";
    return lead + "of the digits still open here, " + DigitList(before) + ", only " + d +
           " is left: this square holds " + d + ".";
}

// True when the open squares can take distinct digits of `set`, each from its own candidates.
bool Fits(const TCandidates* cand, int n, TCandidates set) {
    if (n == 0) return set == 0;
    for (int d = 1; d <= 9; ++d) {
        const TCandidates bit = static_cast<TCandidates>(1u << d);
        if ((set & bit) && (cand[0] & bit) &&
            Fits(cand + 1, n - 1, static_cast<TCandidates>(set & ~bit)))
            return true;
    }
    return false;
}

}  // namespace

std::string StepText(const TLogicBoard& before, const TLogicStep& step) {
    if (step.RunCount == 0) return {};
    const TLogicRun& run = before.Run(step.Runs[0]);
    const TLogicBoard::TRunState st = before.StateOf(run);
    const TCandidates cand = before.Candidates(step.Row, step.Col);
    TCandidates sets[kMaxCombinations];
    const int combos = Combinations(st.Open, st.Remainder, st.Placed, sets);
    const std::string listed = SetsText(sets, combos);
    switch (step.Technique) {
        case TTechnique::LastSquare:
            if (run.Length == 1)
                return Capital(RunName(run)) + " is a single square, so it holds " +
                       std::to_string(step.Place) + ".";
            return "This is the last open square of " + RunName(run) + ": " +
                   std::to_string(run.Total) + " less the " + DigitList(st.Placed, "and", false) +
                   " already in it leaves " + std::to_string(step.Place) + ".";
        case TTechnique::Crossing: {
            if (step.RunCount < 2) return {};
            const TLogicRun& other = before.Run(step.Runs[1]);
            const TLogicBoard::TRunState ost = before.StateOf(other);
            const TCandidates a =
                static_cast<TCandidates>(cand & CombinationUnion(st.Open, st.Remainder, st.Placed));
            const TCandidates b = static_cast<TCandidates>(
                cand & CombinationUnion(ost.Open, ost.Remainder, ost.Placed));
            std::string text = cand == kAllCandidates
                                   ? std::string("Here ")
                                   : "Of the digits still open here, " + DigitList(cand) + ", ";
            return text + RunName(run) + " allows " + DigitList(a, "or") + " and " +
                   RunName(other) + " allows " + DigitList(b, "or") + ": only " +
                   std::to_string(step.Place) + " fits both runs, so this square holds " +
                   std::to_string(step.Place) + ".";
        }
        case TTechnique::OneCombination:
            return Capital(Needs(run, st)) + ", and only " + DigitList(sets[0]) + " make that; " +
                   Outcome(step, cand);
        case TTechnique::PossibleDigits:
            return Capital(Needs(run, st)) + ", and no combination for that" +
                   (listed.empty() ? "" : " (" + listed + ")") + " uses " +
                   DigitList(step.Remove, "or") + "; " + Outcome(step, cand);
        case TTechnique::NeededDigit:
            return Capital(Needs(run, st)) + ": every combination for that" +
                   (listed.empty() ? "" : " (" + listed + ")") + " uses " +
                   std::to_string(step.Place) + ", and no other open square of the run can " +
                   "still hold it, so this square holds " + std::to_string(step.Place) + ".";
        case TTechnique::LockedDigits:
            return Capital(Words(step.Count)) + " open squares of " + RunName(run) +
                   " can only hold " + DigitList(step.Digits) +
                   " between them, so those digits are theirs and no other square of the run "
                   "can hold them: " +
                   Outcome(step, cand, false);
        case TTechnique::SumRange: {
            const int low = st.Remainder - step.High < 1 ? 1 : st.Remainder - step.High;
            const int high = st.Remainder - step.Low > 9 ? 9 : st.Remainder - step.Low;
            return Capital(Needs(run, st)) + ". Its other open squares add up to at least " +
                   std::to_string(step.Low) + " and at most " + std::to_string(step.High) +
                   ", which leaves this square " +
                   (low == high ? std::to_string(low)
                                : "from " + std::to_string(low) + " to " + std::to_string(high)) +
                   "; " + Outcome(step, cand, false);
        }
        case TTechnique::FittingCombinations: {
            TCandidates open[9];
            for (int k = 0; k < st.Open; ++k)
                open[k] = static_cast<TCandidates>(st.OpenCand[k] & ~st.Placed);
            TCandidates fitting[kMaxCombinations];
            int n = 0;
            for (int i = 0; i < combos; ++i)
                if (Fits(open, st.Open, sets[i])) fitting[n++] = sets[i];
            const std::string fit = SetsText(fitting, n);
            std::string which;
            if (n == 1) {
                which = "only " + fit + " fits";
            } else if (n == combos) {
                which = "every combination" + (fit.empty() ? "" : " (" + fit + ")") + " fits";
            } else if (!fit.empty()) {
                which = "only " + fit + " fit";
            } else {
                which = "only " + std::to_string(n) + " of its " + std::to_string(combos) +
                        " combinations fit";
            }
            return Capital(Needs(run, st)) + ". With the digits still open in its squares " +
                   which + ", and no way of placing " + (n == 1 ? "it" : "them") +
                   " in the run's squares puts " + DigitList(step.Remove, "or") + " here; " +
                   Outcome(step, cand, false);
        }
    }
    return {};
}

}  // namespace xs
