// The logical solution of a stored puzzle as the companion prints it: a line a step, or JSON Lines.
#include <memory>
#include <string>

#include "cli/cli_format.h"
#include "logic/logic_solver.h"
#include "model/slot_check.h"
#include "model/translate.h"

namespace xs::cli {

namespace {

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char ch : text) {
        if (ch == '"' || ch == '\\') out += '\\';
        out += ch;
    }
    return out + "\"";
}

std::string DigitsJson(TCandidates digits) {
    std::string out = "[";
    for (int d = 1; d <= 9; ++d) {
        if (digits & (1u << d)) {
            if (out.size() > 1) out += ", ";
            out += std::to_string(d);
        }
    }
    return out + "]";
}

std::string DigitsText(TCandidates digits) {
    std::string out;
    for (int d = 1; d <= 9; ++d) {
        if (digits & (1u << d)) {
            if (!out.empty()) out += ' ';
            out += std::to_string(d);
        }
    }
    return out;
}

std::string StepJson(int n, const TLogicStep& step, const std::string& text) {
    std::string out = "{\"step\": " + std::to_string(n) +
                      ", \"technique\": " + Quoted(TechniqueName(step.Technique)) +
                      ", \"square\": [" + std::to_string(step.Row) + ", " +
                      std::to_string(step.Col) + "], ";
    out += step.Place != 0 ? "\"place\": " + std::to_string(step.Place)
                           : "\"remove\": " + DigitsJson(step.Remove);
    out += ", \"runs\": [";
    for (int i = 0; i < step.RunCount; ++i) {
        const TStepRun& run = step.Runs[i];
        out += (i > 0 ? ", [" : "[") + std::to_string(run.ClueRow) + ", " +
               std::to_string(run.ClueCol) + ", " + (run.Down ? "\"down\"" : "\"across\"") +
               (run.Minus ? ", \"minus\"]" : "]");
    }
    out += "]";
    if (step.CellCount > 0) {
        out += ", \"cells\": [";
        for (int i = 0; i < step.CellCount; ++i)
            out += (i > 0 ? ", [" : "[") + std::to_string(step.Cells[i].Row) + ", " +
                   std::to_string(step.Cells[i].Col) + "]";
        out += "]";
    }
    if (step.ChainCount > 0) {
        // A contradiction's chain: the steps that follow from the assumed digit.
        out += ", \"assumed\": " + DigitsJson(step.Digits).substr(1, 1) + ", \"chain\": [";
        for (int i = 0; i < step.ChainCount; ++i) {
            const TChainLink& link = step.Chain[i];
            out += std::string(i > 0 ? ", " : "") +
                   "{\"technique\": " + Quoted(TechniqueName(link.Technique)) + ", \"square\": [" +
                   std::to_string(link.Row) + ", " + std::to_string(link.Col) + "], " +
                   (link.Place != 0 ? "\"place\": " + std::to_string(link.Place)
                                    : "\"remove\": " + DigitsJson(link.Remove)) +
                   "}";
        }
        out += "]";
    }
    return out + ", \"text\": " + Quoted(text) + "}\n";
}

std::string StepLine(int n, const TLogicStep& step, const std::string& text) {
    // A whole line of the player's language: the template orders the square, the action, the
    // technique and the reason.
    const std::string action = step.Place != 0
                                   ? Fill(Tr("Texts", "place %1"), {std::to_string(step.Place)})
                                   : Fill(Tr("Texts", "remove %1"), {DigitsText(step.Remove)});
    return Fill(Tr("Texts", "%1. Row %2, column %3: %4 (%5). %6\n"),
                {std::to_string(n), std::to_string(step.Row), std::to_string(step.Col), action,
                 Tr("Texts", TechniqueName(step.Technique)), text});
}

}  // namespace

bool FormatExplanation(const TPuzzleLibrary& lib, int slot, bool json, std::string& text,
                       std::string& problem) {
    text.clear();
    problem.clear();
    if (slot < 1 || slot > MaxPuzzles || slot > UsedSlots(lib.Counts) ||
        ClassifySlot(lib, slot) == TSlotState::Empty) {
        problem = Fill(Tr("Texts", "slot %1 is empty (%2 puzzles stored)"),
                       {std::to_string(slot), std::to_string(UsedSlots(lib.Counts))});
        return false;
    }
    if (const char* why = SlotProblem(lib, slot)) {
        problem =
            Fill(Tr("Texts", "slot %1 is damaged: %2"), {std::to_string(slot), Tr("Texts", why)});
        return false;
    }
    const TPuzzleGrid& grid = lib.Grid(slot);
    const TSizeDims size = SizeDims(lib.Info(slot).Size);
    auto board = std::make_unique<TLogicBoard>();
    if (!board->Load(grid, TPuzzleDims{size.Rows - 1, size.Cols - 1})) {
        problem =
            Fill(Tr("Texts", "slot %1 has a run the solver cannot read"), {std::to_string(slot)});
        return false;
    }
    int steps = 0;
    TTechnique hardest = TTechnique::LastSquare;
    TLogicStep step;
    while (board->NextStep(step)) {
        // A step against a stored answer means totals that do not fit the answers: stop there.
        const int answer = grid.Sq[step.Row][step.Col].Answer();
        if (answer < 1 || answer > 9 || (step.Place != 0 && step.Place != answer) ||
            (step.Remove & (1u << answer)))
            break;
        ++steps;
        if (step.Technique > hardest) hardest = step.Technique;
        const std::string reason = StepText(*board, step);
        text += json ? StepJson(steps, step, reason) : StepLine(steps, step, reason);
        board->Apply(step);
    }
    const bool solved = board->Solved();
    if (json) {
        text += std::string("{\"solved\": ") + (solved ? "true" : "false") +
                ", \"steps\": " + std::to_string(steps) +
                ", \"hardest\": " + Quoted(TechniqueName(hardest)) + "}\n";
    } else {
        text += Fill(
            solved ? Tr("Texts", "Solved in %1 steps; hardest technique: %2.\n")
                   : Tr("Texts",
                        "Not solved: no further step after %1 steps; hardest technique: %2.\n"),
            {std::to_string(steps), Tr("Texts", TechniqueName(hardest))});
    }
    return true;
}

}  // namespace xs::cli
