// Practice puzzles: for every size, each technique the generator's puzzles reach as their hardest
// step gives a puzzle that grades to it; Last square, which cannot be a puzzle's hardest, is
// refused at once.
#include "progress/practice.h"

#include <gtest/gtest.h>

#include <memory>

namespace xs {
namespace {

TEST(Practice, EachReachableTechniqueGivesAPuzzleOfEverySizeThatGradesToIt) {
    auto work = std::make_unique<TPracticeWork>();
    TPuzzleGrid puzzle{};
    for (const int size : {3, 0, 1, 2}) {
        for (const TTechnique technique : {TTechnique::Crossing, TTechnique::NeededDigit,
                                           TTechnique::SumRange, TTechnique::FittingCombinations}) {
            SCOPED_TRACE(std::to_string(size) + " " + TechniqueName(technique));
            TRandom rng(11);
            TGenControl control;
            control.Rng = &rng;
            const TPracticeOutcome outcome =
                MakePracticePuzzle(technique, size, control, *work, puzzle);
            ASSERT_EQ(outcome.Result, TPracticeResult::Made);
            TPuzzleDims dims{0, 0};
            SetPuzzleDims(dims, size);
            const TGrade grade = GradePuzzle(puzzle, dims);
            EXPECT_TRUE(grade.Solved);
            EXPECT_EQ(grade.Hardest, technique);
            EXPECT_GE(outcome.Stars, 1);
            EXPECT_LE(outcome.Stars, 5);
        }
    }
    TRandom rng(1);
    TGenControl control;
    control.Rng = &rng;
    EXPECT_EQ(MakePracticePuzzle(TTechnique::LastSquare, 1, control, *work, puzzle).Result,
              TPracticeResult::Impossible);
    // A stop during the search ends it.
    control.PollProgress = [&control] { control.CancelRequested = true; };
    EXPECT_EQ(MakePracticePuzzle(TTechnique::Contradiction, 3, control, *work, puzzle).Result,
              TPracticeResult::Cancelled);
}

}  // namespace
}  // namespace xs
