// Placeholder, filled in by the solve screen work.
