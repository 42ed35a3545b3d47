// Placeholder, filled in by the solve screen work.
#include "solve/chooser.h"
