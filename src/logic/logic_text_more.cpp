// The sentences of the steps that rest on more than one run: Block sums, which adds some runs'
// totals and takes others away, and Contradiction, which follows an assumed digit step by step.
#include <memory>
#include <string>

#include "logic/logic_parts.h"
#include "logic/logic_words.h"

namespace xs::logic_words {

using namespace logic_detail;

// Squares named in full joined with semicolons, as their names hold commas.
std::string JoinSquares(const std::string* names, int n) {
    std::string out = names[0];
    for (int i = 1; i < n - 1; ++i) out = Say("%1; %2", {out, names[i]});
    return n > 1 ? Say("%1; and %2", {out, names[n - 1]}) : out;
}

std::string BlockText(const TLogicBoard& before, const TLogicStep& step) {
    std::string plus[kMaxStepRuns];
    std::string minus[kMaxStepRuns];
    int plusCount = 0;
    int minusCount = 0;
    int plusTotal = 0;
    int minusTotal = 0;
    for (int i = 0; i < step.RunCount; ++i) {
        const TLogicRun& run = before.Run(step.Runs[i]);
        const std::string name = Say("the %1", {RunName(run)});
        if (step.Runs[i].Minus) {
            minus[minusCount++] = name;
            minusTotal += run.Total;
        } else {
            plus[plusCount++] = name;
            plusTotal += run.Total;
        }
    }
    // The leftover squares: "rows 3, 4 and 5 of column 3" when they share a column (or a row).
    bool oneCol = true;
    bool oneRow = true;
    std::string rowNames[kMaxStepCells];
    std::string colNames[kMaxStepCells];
    for (int i = 0; i < step.CellCount; ++i) {
        oneCol = oneCol && step.Cells[i].Col == step.Cells[0].Col;
        oneRow = oneRow && step.Cells[i].Row == step.Cells[0].Row;
        rowNames[i] = Num(step.Cells[i].Row);
        colNames[i] = Num(step.Cells[i].Col);
    }
    std::string squares[kMaxStepCells];
    std::string placedNames[kMaxStepCells];
    int placedCount = 0;
    int placedSum = 0;
    TCandidates placedDigits = 0;
    int open = 0;
    for (int i = 0; i < step.CellCount; ++i) {
        const int r = step.Cells[i].Row;
        const int c = step.Cells[i].Col;
        squares[i] = SquareName(r, c);
        if (before.Digit(r, c) != 0) {
            placedNames[placedCount++] = Say("%1 at %2", {Num(before.Digit(r, c)), squares[i]});
            placedSum += before.Digit(r, c);
            placedDigits = static_cast<TCandidates>(placedDigits | Bit(before.Digit(r, c)));
        } else {
            ++open;
        }
    }
    std::string leftover;
    if (step.CellCount == 1)
        leftover = squares[0];
    else if (oneCol)
        leftover = Say("rows %1 of column %2",
                       {JoinNames(rowNames, step.CellCount), Num(step.Cells[0].Col)});
    else if (oneRow)
        leftover = Say("columns %1 of row %2",
                       {JoinNames(colNames, step.CellCount), Num(step.Cells[0].Row)});
    else
        leftover = JoinSquares(squares, step.CellCount);
    std::string out =
        Sentences({Say(plusCount == 1 ? "Take %1: it makes %2." : "Take %1: together they make %2.",
                       {JoinNames(plus, plusCount), Num(plusTotal)}),
                   Say(minusCount == 1 ? "Of their squares, %1 covers all but %2, and makes %3."
                                       : "Of their squares, %1 cover all but %2, and make %3.",
                       {JoinNames(minus, minusCount), leftover, Num(minusTotal)})});
    Add(out, Say(step.CellCount == 1 ? "So that square holds %1."
                                     : "So those %n squares add "
                                       "up to %1.",
                 {Num(step.Low)}, step.CellCount));
    if (placedCount > 0)
        Add(out, Say(open == 1 ? "With %1 already there, the open one makes %2."
                               : "With %1 already there, the %n open ones make %2.",
                     {JoinNames(placedNames, placedCount), Num(step.Low - placedSum)}, open));
    if (open > 1)
        Add(out, Say("No way of filling them from the digits still open in them makes that "
                     "with %1 here.",
                     {DigitList(step.Remove, true)}));
    Add(out, Outcome(step, before.Candidates(step.Row, step.Col)));
    return out;
}

std::string ContradictionText(const TLogicBoard& before, const TLogicStep& step) {
    static thread_local std::unique_ptr<TLogicBoard> trial = std::make_unique<TLogicBoard>();
    *trial = before;
    const int assumed = Lowest(step.Digits);
    std::string out = Say("Suppose %1 held %2.", {SquareName(step.Row, step.Col), Num(assumed)});
    trial->PlaceDigit(step.Row, step.Col, assumed);
    for (int i = 0; i < step.ChainCount; ++i) {
        const TChainLink& link = step.Chain[i];
        std::string runs[2];
        int n = 0;
        for (int k = 0; k < 2; ++k)
            if (link.Run[k] >= 0)
                runs[n++] = Say("the %1", {RunName(before.Run(step.Runs[link.Run[k]]))});
        const std::string where = SquareName(link.Row, link.Col);
        const std::string why = Say("%1, %2", {TechniqueName(link.Technique), JoinNames(runs, n)});
        Add(out,
            (link.Place != 0 ? Say("Then %1 would hold %2 (%3).", {where, Num(link.Place), why})
                             : Say("Then %1 could not hold %2 (%3).",
                                   {where, DigitList(link.Remove, true), why})));
        TLogicStep applied;
        applied.Row = link.Row;
        applied.Col = link.Col;
        applied.Place = link.Place;
        applied.Remove = link.Remove;
        trial->Apply(applied);
    }
    const TLogicRun& broken = before.Run(step.Runs[0]);
    const int twice = RunBreak(*trial, broken);
    if (twice > 0)
        Add(out, Say("Then the %1 would hold %2 twice.", {RunName(broken), Num(twice)}));
    else
        Add(out, Say("Then the %1 could not be completed: no digits left in its squares make "
                     "its total.",
                     {RunName(broken)}));
    Add(out, Outcome(step, before.Candidates(step.Row, step.Col)));
    return out;
}

}  // namespace xs::logic_words
