// The phrases the teaching solver's sentences share, each from a whole template of the "Logic"
// context so that a translation can reorder its arguments.
#include "logic/logic_words.h"

#include "model/translate.h"

namespace xs::logic_words {

std::string Say(const char* source, std::initializer_list<std::string_view> args, int n) {
    return Fill(Tr("Logic", source, n), args);
}

std::string Num(int n) {
    return std::to_string(n);
}

std::string DigitList(TCandidates mask, bool orList, bool spans) {
    std::string parts[9];
    int n = 0;
    for (int d = 1; d <= 9; ++d) {
        if (!(mask & (1u << d))) continue;
        int e = d;
        while (e < 9 && (mask & (1u << (e + 1)))) ++e;
        if (spans && e - d >= 2) {
            parts[n++] = Say("%1 to %2", {Num(d), Num(e)});
            d = e;
        } else {
            parts[n++] = Num(d);
        }
    }
    if (n == 0) return {};
    std::string out = parts[0];
    for (int i = 1; i < n - 1; ++i) out = Say("%1, %2", {out, parts[i]});
    if (n > 1) out = Say(orList ? "%1 or %2" : "%1 and %2", {out, parts[n - 1]});
    return out;
}

void Add(std::string& out, std::string_view sentence) {
    if (sentence.empty()) return;
    if (!out.empty()) out.push_back(' ');
    out.append(sentence);
}

std::string Sentences(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (std::string_view part : parts) Add(out, part);
    return out;
}

std::string SetText(TCandidates set) {
    std::string out;
    for (int d = 1; d <= 9; ++d)
        if (set & (1u << d)) {
            if (!out.empty()) out += ',';
            out += static_cast<char>('0' + d);
        }
    return out;
}

std::string SetsText(const TCandidates* sets, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += (i > 0 ? " / " : "") + SetText(sets[i]);
    return out;
}

std::string SumText(TCandidates set) {
    std::string out;
    for (int d = 1; d <= 9; ++d)
        if (set & (1u << d)) out += (out.empty() ? "" : " + ") + Num(d);
    return out;
}

std::string RunName(const TLogicRun& run) {
    return Say(run.Down ? "down %1" : "across %1", {Num(run.Total)});
}

std::string SquareName(int row, int col) {
    return Say("row %1, column %2", {Num(row), Num(col)});
}

std::string JoinNames(const std::string* names, int n) {
    if (n == 0) return {};
    std::string out = names[0];
    for (int i = 1; i < n - 1; ++i) out = Say("%1, %2", {out, names[i]});
    if (n > 1) out = Say("%1 and %2", {out, names[n - 1]});
    return out;
}

std::string Needs(const TLogicRun& run, const TLogicBoard::TRunState& st) {
    const std::string name = RunName(run);
    if (st.Placed == 0)
        return Say("The %1 needs %2 in %n squares.", {name, Num(run.Total)}, st.Open);
    return Say("The %1 holds %2 already, so it needs %3 more in its %n open squares.",
               {name, DigitList(st.Placed, false, false), Num(st.Remainder)}, st.Open);
}

std::string Outcome(const TLogicStep& step, TCandidates before, bool so) {
    if (step.Place == 0)
        return Say(so ? "So this square cannot hold %1." : "This square cannot hold %1.",
                   {DigitList(step.Remove, true)});
    if (before == kAllCandidates || step.Remove == 0)
        return Say(so ? "So this square holds %1." : "This square holds %1.", {Num(step.Place)});
    return Say("Of %1, still open here, only %2 is left, so this square holds %2.",
               {DigitList(before), Num(step.Place)});
}

}  // namespace xs::logic_words
