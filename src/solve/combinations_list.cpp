// Placeholder, filled in by the solve screen work.
#include "solve/combinations_list.h"
