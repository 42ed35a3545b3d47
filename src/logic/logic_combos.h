// The digit sets that can fill the open squares of a run: n distinct digits adding up to what the
// total still lacks, none of them a digit already placed in the run.
#pragma once

#include "logic/logic_solver.h"

namespace xs {

// More sets than any (n, sum) has.
constexpr int kMaxCombinations = 16;

// The sets for n open squares, the sum they lack and the placed digits they may not use, in
// ascending order of their digits ("1,5,8" before "2,4,8"); returns how many. out may be null.
int Combinations(int open, int sum, TCandidates placed, TCandidates* out);

int CombinationCount(int open, int sum, TCandidates placed);
// The digits some set uses; those every set uses. 0 when there is no set.
TCandidates CombinationUnion(int open, int sum, TCandidates placed);
TCandidates CombinationCommon(int open, int sum, TCandidates placed);

}  // namespace xs
