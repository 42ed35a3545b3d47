// Placeholder, filled in by the solve screen work.
#include "solve/solve_state.h"
