// Practice puzzles: a puzzle of a chosen size whose hardest technique is the chosen one, made by
// the generator and kept only when the grader agrees. Standard library, the generator and the
// teaching solver only; the caller shows the progress and offers the stop (control.Poll).
#pragma once

#include <cstdint>
#include <vector>

#include "generate/driver.h"
#include "logic/logic_solver.h"
#include "model/records.h"
#include "progress/progress_summary.h"

namespace xs {

// The star level tried first for a technique: the generator's levels differ in how hard their
// totals are to untangle. Later tries move round the other levels, near ones first.
int PracticeLevel(TTechnique technique, int sizeCode);
// Whether any puzzle can need the technique as its hardest: Last square cannot, since an empty
// board has no run with one open square, so some other technique always comes first.
bool PracticeTechnique(TTechnique technique);

enum class TPracticeResult {
    Made,        // Puzzle holds it; Stars its level
    Cancelled,   // control.CancelRequested
    NotFound,    // the tries ran out; nothing made
    Impossible,  // no puzzle has this technique as its hardest
};

struct TPracticeOutcome {
    TPracticeResult Result = TPracticeResult::NotFound;
    int Stars = 0;
    int Tries = 0;  // puzzles made and graded
};

// Makes puzzles of the size until one grades to the technique, at most maxTries of them. The
// random source is control.Rng. `work` is large; keep it alive between calls.
struct TPracticeWork {
    TCreationBatch Batch;
    TPuzzleLibrary Scratch{};
};
TPracticeOutcome MakePracticePuzzle(TTechnique technique, int sizeCode, TGenControl& control,
                                    TPracticeWork& work, TPuzzleGrid& puzzle, int maxTries = 400);

// The Progress screen's techniques: every technique of the ladder, the ones asked for most first
// (then in the ladder's order), with how often hints named it and whether it can be practised.
struct TPracticeRow {
    TTechnique Technique = TTechnique::Crossing;
    int Asked = 0;
    bool Practisable = true;
};
std::vector<TPracticeRow> PracticeRows(const std::vector<TTechniqueAsked>& asked);

// The technique whose TechniqueName is `name` (as docs/solver.md lists them, any case).
bool TechniqueByName(const char* name, TTechnique& technique);

}  // namespace xs
