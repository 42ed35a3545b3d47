// The independent solver check that also turns a filled work grid into a library record.
#pragma once

#include <cstdint>

#include "generate/work_grid.h"

namespace xs {

// Solves a copy of the filled work grid from its totals alone. failed = 0 and puzzle holds the
// finished record when every digit is placed and every run adds up; failed = 1 otherwise (the
// record must then be discarded). work is not changed; puzzle must arrive zeroed.
void VerifyAndExport(const TGridBounds& bounds, const TWorkGrid& work, TPuzzleGrid& puzzle,
                     std::int32_t& failed);

}  // namespace xs
