// Ending the game by a signal: a kill, a closed terminal or Ctrl-C save as the end of a session.
#pragma once

class QCoreApplication;

namespace xs {

class TfrmMain;

// Catches SIGTERM, SIGHUP and SIGINT for the rest of the run. The handler only hands the signal
// over; the event loop then stops a batch of the create screen at its next poll (the puzzles
// already made stay) and ends with 128 + the signal's number, and leaving the loop saves as the
// end of a desktop session does. A further signal while that close waits on a message (a failed
// save's) ends the process at once with 128 + its number, saving nothing more, and says on
// stderr what the data file holds. Returns false when the signals could not be caught.
bool EndOnSignals(QCoreApplication& app, TfrmMain& main);

}  // namespace xs
