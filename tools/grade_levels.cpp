// Measures which techniques of the teaching solver each size and star level needs: makes N puzzles
// of every size and level from a seed, as the create screen would, and grades each one.
//
// grade_levels [--count N] [--seed S] [--examples]
//
// Prints a Markdown table: per size and level, how many puzzles need each technique at most, how
// many the ladder cannot finish, and the mean number of steps. With --examples it also prints, for
// each technique, the first step of that technique met in the puzzles made, with the puzzle's
// answers and the board before the step, for worked examples. The same seed gives the same table.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "generate/driver.h"
#include "logic/logic_solver.h"

namespace {

using namespace xs;

constexpr TPuzzleSize kSizes[] = {TPuzzleSize::Mini, TPuzzleSize::Small, TPuzzleSize::Medium,
                                  TPuzzleSize::Large};
constexpr const char* kSizeNames[] = {"Mini", "Small", "Medium", "Large"};

struct TCell {
    int Puzzles = 0;
    int Unsolved = 0;
    long long Steps = 0;
    int Hardest[kTechniqueCount] = {};
};

struct TExample {
    bool Found = false;
    std::string Where;
    std::string Text;
    std::string Board;
};

// The runs' squares of a step's board as text: clue squares as down\across, placed digits, and
// the candidates of the open squares of the runs the step names.
std::string BoardText(const TPuzzleGrid& grid, const TLogicBoard& board, const TLogicStep& step) {
    std::string out;
    char buffer[96];
    for (int i = 0; i < step.RunCount; ++i) {
        const TLogicRun& run = board.Run(step.Runs[i]);
        std::snprintf(buffer, sizeof buffer,
                      "  %s %d (clue at row %d, column %d):", run.Down ? "down" : "across",
                      run.Total, run.ClueRow, run.ClueCol);
        out.append(buffer);
        for (int k = 0; k < run.Length; ++k) {
            const int r = run.Rows[k];
            const int c = run.Cols[k];
            out.append(r == step.Row && c == step.Col ? "  *" : "  ");
            if (board.Digit(r, c) != 0) {
                out.push_back(static_cast<char>('0' + board.Digit(r, c)));
                continue;
            }
            out.push_back('{');
            for (int d = 1; d <= 9; ++d)
                if (board.Candidates(r, c) & (1u << d)) out.push_back(static_cast<char>('0' + d));
            out.push_back('}');
        }
        out.append("  answers:");
        for (int k = 0; k < run.Length; ++k) {
            out.push_back(' ');
            out.push_back(static_cast<char>('0' + grid.Sq[run.Rows[k]][run.Cols[k]].Answer()));
        }
        out.push_back('\n');
    }
    return out;
}

void Grade(const TPuzzleGrid& grid, const TPuzzleDims& dims, TCell& cell, TExample* examples,
           const std::string& where) {
    static TLogicBoard board;
    ++cell.Puzzles;
    if (!board.Load(grid, dims)) {
        ++cell.Unsolved;
        return;
    }
    TTechnique hardest = TTechnique::LastSquare;
    TLogicStep step;
    int steps = 0;
    while (board.NextStep(step)) {
        TExample& e = examples[static_cast<int>(step.Technique)];
        if (!e.Found) {
            e.Found = true;
            e.Where = where + ", row " + std::to_string(step.Row) + ", column " +
                      std::to_string(step.Col);
            e.Text = StepText(board, step);
            e.Board = BoardText(grid, board, step);
        }
        if (step.Technique > hardest) hardest = step.Technique;
        board.Apply(step);
        ++steps;
    }
    cell.Steps += steps;
    if (!board.Solved()) {
        ++cell.Unsolved;
        return;
    }
    ++cell.Hardest[static_cast<int>(hardest)];
}

}  // namespace

int main(int argc, char** argv) {
    int count = 100;
    std::uint64_t seed = 1;
    bool withExamples = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--count") == 0 && i + 1 < argc) {
            count = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
            seed = std::strtoull(argv[++i], nullptr, 10);
        } else if (std::strcmp(argv[i], "--examples") == 0) {
            withExamples = true;
        } else {
            std::fprintf(stderr, "usage: grade_levels [--count 1..100] [--seed S] [--examples]\n");
            return 2;
        }
    }
    if (count < 1 || count > MaxPuzzles) {
        std::fprintf(stderr, "grade_levels: --count must be 1..100\n");
        return 2;
    }
    std::printf("%d puzzles per size and level, seed %llu.\n\n", count,
                static_cast<unsigned long long>(seed));
    std::printf("| size | stars | mean steps | not solved |");
    for (int t = 0; t < kTechniqueCount; ++t)
        std::printf(" %s |", TechniqueName(static_cast<TTechnique>(t)));
    std::printf("\n|---|---|---|---|");
    for (int t = 0; t < kTechniqueCount; ++t) std::printf("---|");
    std::printf("\n");
    TExample examples[kTechniqueCount];
    auto lib = std::make_unique<TPuzzleLibrary>();
    auto batch = std::make_unique<TCreationBatch>();
    for (int s = 0; s < 4; ++s) {
        for (int level = 1; level <= 5; ++level) {
            *lib = TPuzzleLibrary{};
            std::int32_t lastId = 0;
            batch->SizeCode = static_cast<int>(kSizes[s]);
            for (auto& n : batch->CreateCounts) n = 0;
            batch->CreateCounts[0] = count;
            batch->CreateCounts[level] = count;
            TRandom rng(seed * 100 + static_cast<std::uint64_t>(s * 10 + level));
            TGenControl control;
            control.Rng = &rng;
            if (batch->Run(*lib, lastId, control) != TBatchResult::Done) {
                std::fprintf(stderr, "grade_levels: the batch did not finish\n");
                return 1;
            }
            const TSizeDims dims = SizeDims(static_cast<int>(kSizes[s]));
            TCell cell;
            for (int slot = 1; slot <= lib->Counts.Total; ++slot) {
                const std::string where = std::string(kSizeNames[s]) + " " + std::to_string(level) +
                                          " star, puzzle " + std::to_string(slot);
                Grade(lib->Grid(slot), TPuzzleDims{dims.Rows - 1, dims.Cols - 1}, cell, examples,
                      where);
            }
            std::printf("| %s | %d | %.0f | %d |", kSizeNames[s], level,
                        static_cast<double>(cell.Steps) / cell.Puzzles, cell.Unsolved);
            for (int t = 0; t < kTechniqueCount; ++t) std::printf(" %d |", cell.Hardest[t]);
            std::printf("\n");
            std::fflush(stdout);
        }
    }
    if (withExamples) {
        for (int t = 0; t < kTechniqueCount; ++t) {
            const TExample& e = examples[t];
            std::printf("\n%s: %s\n", TechniqueName(static_cast<TTechnique>(t)),
                        e.Found ? e.Where.c_str() : "not met");
            if (e.Found) std::printf("%s%s\n", e.Board.c_str(), e.Text.c_str());
        }
    }
    return 0;
}
