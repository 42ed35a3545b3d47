// Placeholder, filled in by the solve screen work.
#include "solve/board_render.h"
