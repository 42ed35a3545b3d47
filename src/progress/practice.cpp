// Practice puzzles made to a technique.
#include "progress/practice.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace xs {

bool PracticeTechnique(TTechnique technique) {
    return technique != TTechnique::LastSquare;
}

// Measured over the generator's puzzles of each size: Crossing runs is the hardest step of most
// 1-star puzzles; Needed digit of a few 1- to 3-star ones; Smallest and largest sums of most 3- and
// 4-star ones; Combinations that fit of a fifth of the 4-star ones, at a quarter of the 5-star
// ones' cost. The others were not seen as a generated puzzle's hardest step (docs/progress.md).
int PracticeLevel(TTechnique technique, int /*sizeCode*/) {
    return TechniqueStars(technique);
}

namespace {

// The level of the n-th try: the technique's own level most of the time, now and then the ones
// beside it.
int LevelOfTry(int first, int n) {
    static constexpr int kOffsets[] = {0, 0, 0, 1, 0, 0, -1, 0, 0, 2, 0, -2};
    const int level = first + kOffsets[n % (sizeof kOffsets / sizeof kOffsets[0])];
    return level < 1 ? 1 : level > 5 ? 5 : level;
}

}  // namespace

TPracticeOutcome MakePracticePuzzle(TTechnique technique, int sizeCode, TGenControl& control,
                                    TPracticeWork& work, TPuzzleGrid& puzzle, int maxTries) {
    TPracticeOutcome outcome;
    if (!PracticeTechnique(technique)) {
        outcome.Result = TPracticeResult::Impossible;
        return outcome;
    }
    const int first = PracticeLevel(technique, sizeCode);
    TPuzzleDims dims{0, 0};
    SetPuzzleDims(dims, sizeCode);
    work.Batch.SizeCode = sizeCode;
    for (int n = 0; n < maxTries; ++n) {
        const int level = LevelOfTry(first, n);
        std::memset(&work.Scratch.Counts, 0, sizeof work.Scratch.Counts);
        work.Scratch.Infos[0] = {};
        std::int32_t lastId = 0;
        std::memset(work.Batch.CreateCounts, 0, sizeof work.Batch.CreateCounts);
        work.Batch.CreateCounts[0] = 1;
        work.Batch.CreateCounts[level] = 1;
        const TBatchResult made = work.Batch.Run(work.Scratch, lastId, control);
        if (made != TBatchResult::Done) {
            outcome.Result =
                control.CancelRequested ? TPracticeResult::Cancelled : TPracticeResult::NotFound;
            return outcome;
        }
        ++outcome.Tries;
        const TGrade grade = GradePuzzle(work.Scratch.Grid(1), dims);
        if (grade.Solved && grade.Hardest == technique) {
            puzzle = work.Scratch.Grid(1);
            outcome.Result = TPracticeResult::Made;
            outcome.Stars = level;
            return outcome;
        }
        control.Poll();
        if (control.CancelRequested) {
            outcome.Result = TPracticeResult::Cancelled;
            return outcome;
        }
    }
    return outcome;
}

std::vector<TPracticeRow> PracticeRows(const std::vector<TTechniqueAsked>& asked) {
    std::vector<TPracticeRow> rows;
    for (int t = 0; t < kTechniqueCount; ++t) {
        const auto technique = static_cast<TTechnique>(t);
        TPracticeRow row{technique, 0, PracticeTechnique(technique)};
        for (const TTechniqueAsked& a : asked)
            if (a.Technique == TechniqueName(technique)) row.Asked = a.Count;
        rows.push_back(row);
    }
    std::stable_sort(rows.begin(), rows.end(), [](const TPracticeRow& a, const TPracticeRow& b) {
        return a.Asked > b.Asked;
    });
    return rows;
}

bool TechniqueByName(const char* name, TTechnique& technique) {
    for (int t = 0; t < kTechniqueCount; ++t) {
        const char* known = TechniqueName(static_cast<TTechnique>(t));
        if (std::strlen(known) != std::strlen(name)) continue;
        bool same = true;
        for (std::size_t i = 0; known[i] != '\0' && same; ++i)
            same = std::tolower(static_cast<unsigned char>(known[i])) ==
                   std::tolower(static_cast<unsigned char>(name[i]));
        if (same) {
            technique = static_cast<TTechnique>(t);
            return true;
        }
    }
    return false;
}

}  // namespace xs
